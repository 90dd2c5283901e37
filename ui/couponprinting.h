#pragma once
// The print menu's commands: coupons of the listed rows, the ticked rows or the goal system,
// the paper listing, the coupon preview and the print position window. The main window
// connects its menu items here and hands over its state as it is when a command runs.

#include "core/rowlistmodel.h"
#include "print/coupon.h"
#include "print/printmenu.h"
#include "print/printrun.h"
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class PrinterChoice;
class PrintTarget;
class QPrinter;
class QWidget;

// The main window's state the print commands read.
struct PrintState
{
    const RowListModel* rows = nullptr;
    CouponBet bet; // stake boxes, game number, match count
    qint64 stakePerRowCents = 0;
    bool warningsOn = true;
    GridTicks gridTicks{};
    qint64 systemSize = 0; // rows of the goal system, 0 when there is none
};

class CouponPrinting : public QObject
{
    Q_OBJECT
public:
    // Runs this long or longer show a progress window that can stop them.
    static constexpr int ProgressFromCoupons = 200;
    static constexpr int ProgressFromListedRows = 20000;
    // A preview of more coupons than this would take minutes to lay out.
    static constexpr int PreviewPages = 500;

    // Without printers, the print dialog chooses where each run goes.
    CouponPrinting(QWidget* parent, std::function<PrintState()> state,
                   std::unique_ptr<PrinterChoice> printers = {});
    ~CouponPrinting() override;

public slots:
    // Call when the print menu opens; the states are also sent by menuStates.
    PrintMenuState MnuTulosta_Click();
    void MnuTulostaKupongille_Click();
    void MnuTulostaValitutKupongille_Click();
    void MnuTulostaSysteemiKupongille_Click();
    void MnuTulostaLista_Click();
    void MnuEsikatselu_Click();
    void MnuMuutaTulostusKohtaa_Click();

signals:
    void menuStates(bool rows, bool ticked, bool listing, bool system);
    // The paper listing is over; the main window gives the focus back to txtMaali.
    void listingFinished();

private:
    bool stakeMissing(const PrintState& state);
    bool confirmed(const PrintState& state);
    // Chooses the printer and prints; nothing when the player cancelled or the run was
    // refused before anything was printed.
    std::optional<PrintRun::Result> printRows(const PrintState& state,
                                              const std::vector<ScoreRow>& rows);
    void printListing(QPrinter& printer, const std::vector<ScoreRow>& rows);
    // Tells the player what stopped the run; false when nothing was printed because the run
    // was refused or the player kept the earlier files.
    bool reported(const PrintRun::Result& result, const PrintTarget& target,
                  const QString& counted);

    QWidget* m_parent;
    std::function<PrintState()> m_state;
    std::unique_ptr<PrinterChoice> m_printers;
};
