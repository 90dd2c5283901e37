#pragma once
// The print menu's commands: coupons of the listed rows, the ticked rows or the goal system,
// the paper listing, the coupon preview and the print position window. The main window
// connects its menu items here and hands over its bet as it is when a command runs; the
// warnings switch decides whether printing coupons is confirmed first.

#include "core/betsnapshot.h"
#include "print/coupon.h"
#include "print/printmenu.h"
#include "print/printrun.h"
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class BetSettings;
class PrinterChoice;
class PrintTarget;
class QAction;
class QMenu;
class QPrinter;
class QWidget;

class CouponPrinting : public QObject
{
    Q_OBJECT
public:
    // Runs this long or longer show a progress window that can stop them.
    static constexpr int ProgressFromCoupons = 200;
    static constexpr int ProgressFromListedRows = 20000;
    // A preview of more coupons than this would take minutes to lay out.
    static constexpr int PreviewPages = 500;

    // The print dialog chooses where each run goes, unless setPrinterChoice() says otherwise.
    CouponPrinting(QWidget* parent, const BetSettings& settings, std::function<BetSnapshot()> bet);
    ~CouponPrinting() override;

    // The print menu and its items, each connected to its command.
    struct MenuItems
    {
        QMenu* menu;
        QAction *coupons, *ticked, *system, *listing, *preview, *position;
    };
    // As the menu opens, reprice runs first (the items follow the price), then each item is
    // enabled when it can print.
    void takeMenuItems(const MenuItems& items, std::function<void()> reprice);

    // Where the coupons, listings and sheets go from now on.
    void setPrinterChoice(std::unique_ptr<PrinterChoice> printers);

    // What the coupons of a bet carry besides the goals.
    static CouponBet couponBet(const BetSnapshot& bet);

public slots:
    // Call when the print menu opens: which items can print.
    PrintMenuState MnuTulosta_Click();
    void MnuTulostaKupongille_Click();
    void MnuTulostaValitutKupongille_Click();
    void MnuTulostaSysteemiKupongille_Click();
    void MnuTulostaLista_Click();
    void MnuEsikatselu_Click();
    void MnuMuutaTulostusKohtaa_Click();

signals:
    // The paper listing is over; the main window gives the focus back to txtMaali.
    void listingFinished();

private:
    bool stakeMissing(const BetSnapshot& bet);
    bool confirmed(const BetSnapshot& bet);
    // Chooses the printer and prints; nothing when the player cancelled or the run was
    // refused before anything was printed.
    std::optional<PrintRun::Result> printRows(const BetSnapshot& bet,
                                              const std::vector<ScoreRow>& rows);
    void printListing(QPrinter& printer, const std::vector<ScoreRow>& rows);
    // Tells the player what stopped the run; false when nothing was printed because the run
    // was refused or the player kept the earlier files.
    bool reported(const PrintRun::Result& result, const PrintTarget& target,
                  const QString& counted);

    QWidget* m_parent;
    const BetSettings& m_settings;
    std::function<BetSnapshot()> m_bet;
    std::unique_ptr<PrinterChoice> m_printers;
};
