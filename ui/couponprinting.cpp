#include "ui/couponprinting.h"
#include "core/money.h"
#include "print/printoffset.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "ui/dialogs.h"
#include "ui/frmReunukset.h"
#include "ui/printerchoice.h"
#include "ui/progresswindow.h"
#include "ui/texts.h"
#include <QElapsedTimer>
#include <QPrinter>
#include <cmath>

namespace {

PrintOffset storedOffset()
{
    return PrintOffsets::fromStored(
        SettingsStore::read(SettingsKeys::Tulostus, SettingsKeys::VaakaReuna),
        SettingsStore::read(SettingsKeys::Tulostus, SettingsKeys::PystyReuna));
}

QString rowsLeftOutText(qint64 count)
{
    return count == 1 ? QStringLiteral("1 rivi jäi tulostamatta, koska kupongissa ei ole ruutua "
                                       "yli 9 maalille.")
                      : QStringLiteral("%1 riviä jäi tulostamatta, koska kupongissa ei ole "
                                       "ruutua yli 9 maalille.")
                            .arg(count);
}
} // namespace

CouponPrinting::CouponPrinting(QWidget* parent, std::function<PrintState()> state,
                               std::unique_ptr<PrinterChoice> printers)
    : QObject(parent), m_parent(parent), m_state(std::move(state)),
      m_printers(printers ? std::move(printers) : std::make_unique<DialogPrinterChoice>())
{
}

CouponPrinting::~CouponPrinting() = default;

PrintMenuState CouponPrinting::MnuTulosta_Click()
{
    const PrintState state = m_state();
    const PrintMenuState menu =
        PrintMenuState::of(state.rows ? state.rows->count() : 0,
                           state.rows ? state.rows->checkedCount() : 0, state.systemSize);
    emit menuStates(menu.rows, menu.ticked, menu.listing, menu.system);
    return menu;
}

bool CouponPrinting::stakeMissing(const PrintState& state)
{
    if (state.stakePerRowCents > 0)
        return false;
    MessageBox::show(m_parent, QStringLiteral("Panos puuttuu !!!"),
                     QStringLiteral("Eipäs hutiloida "), MessageBox::Exclamation);
    return true;
}

bool CouponPrinting::confirmed(const PrintState& state)
{
    if (!state.warningsOn)
        return true;
    const QString title = QStringLiteral("Tarkista, pelinumero on %1 ja panos %2 € !!!")
                              .arg(state.bet.gameNumber)
                              .arg(Money::formatCents(state.stakePerRowCents));
    return MessageBox::ask(m_parent, title, QStringLiteral("Ovatko oikein? "),
                           MessageBox::Information);
}

void CouponPrinting::reportFailure(const PrintRun::Result& result, const QString& what)
{
    if (result.end != PrintRun::End::Failed)
        return;
    MessageBox::show(
        m_parent, Texts::AppTitle,
        QStringLiteral("Tulostin ei ottanut työtä vastaan. %1 %2.").arg(what).arg(result.printed),
        MessageBox::Critical);
}

bool CouponPrinting::printRows(const PrintState& state, const std::vector<ScoreRow>& rows)
{
    std::unique_ptr<QPrinter> printer =
        m_printers->choose(m_parent, QStringLiteral("Tulosta kupongit"));
    if (!printer)
        return false;
    PrinterTarget target(*printer, true);
    ProgressWindow progress(m_parent, QStringLiteral("Tulostetaan kuponkeja..."),
                            qint64(rows.size()) >= ProgressFromCoupons);
    const PrintRun::Result result =
        PrintRun::rowCoupons(target, state.bet, rows, storedOffset, progress.callback());
    reportFailure(result, QStringLiteral("Kuponkeja tulostettiin"));
    if (result.leftOut > 0)
        MessageBox::show(m_parent, Texts::AppTitle, rowsLeftOutText(result.leftOut),
                         MessageBox::Information);
    return true;
}

void CouponPrinting::MnuTulostaKupongille_Click()
{
    QElapsedTimer clock;
    clock.start();
    const PrintState state = m_state();
    if (stakeMissing(state))
        return;
    if (state.rows && !state.rows->isEmpty()) {
        if (!confirmed(state) || !printRows(state, state.rows->rows()))
            return;
    }
    const double seconds = std::round(clock.elapsed() / 10.0) / 100;
    MessageBox::show(m_parent, Texts::AppTitle,
                     QStringLiteral("Kesto ") + PrintOffsets::format(seconds) +
                         QStringLiteral(" s"));
}

void CouponPrinting::MnuTulostaValitutKupongille_Click()
{
    const PrintState state = m_state();
    if (stakeMissing(state) || !confirmed(state) || !state.rows)
        return;
    const std::vector<ScoreRow> ticked = state.rows->checkedRows();
    if (!ticked.empty())
        printRows(state, ticked);
}

void CouponPrinting::MnuTulostaSysteemiKupongille_Click()
{
    const PrintState state = m_state();
    const PrintOffset offset = storedOffset();
    if (stakeMissing(state) || state.systemSize <= 0 || !confirmed(state))
        return;
    std::unique_ptr<QPrinter> printer =
        m_printers->choose(m_parent, QStringLiteral("Tulosta järjestelmä"));
    if (!printer)
        return;
    PrinterTarget target(*printer, false);
    reportFailure(PrintRun::systemCoupon(target, state.bet, state.gridTicks, offset),
                  QStringLiteral("Kuponkeja tulostettiin"));
}

void CouponPrinting::MnuTulostaLista_Click()
{
    const PrintState state = m_state();
    if (state.rows && !state.rows->isEmpty()) {
        std::unique_ptr<QPrinter> printer =
            m_printers->choose(m_parent, QStringLiteral("Rivit paperille"));
        if (printer) {
            PrinterTarget target(*printer, false);
            ProgressWindow progress(m_parent, QStringLiteral("Tulostetaan rivejä..."),
                                    state.rows->count() >= ProgressFromListedRows);
            reportFailure(PrintRun::listing(target, state.rows->rows(), progress.callback()),
                          QStringLiteral("Rivejä tulostettiin"));
        }
    }
    emit listingFinished();
}

void CouponPrinting::MnuEsikatselu_Click()
{
    const PrintState state = m_state();
    if (!state.rows || state.rows->isEmpty())
        return;
    if (state.rows->count() > PreviewPages)
        MessageBox::show(
            m_parent, Texts::AppTitle,
            QStringLiteral("Esikatselussa näkyy %1 ensimmäistä kuponkia.").arg(PreviewPages),
            MessageBox::Information);
    const PrintOffset offset = storedOffset();
    m_printers->preview(m_parent, [&](QPrinter& printer) {
        PrintRun::previewPages(printer, state.bet, state.rows->rows(), offset, PreviewPages);
    });
}

void CouponPrinting::MnuMuutaTulostusKohtaa_Click()
{
    frmReunukset window(*m_printers, m_parent);
    ModalRunner::exec(window);
}
