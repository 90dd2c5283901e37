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

// Where to go on after a stop: how much of the run was printed.
QString stoppedText(const PrintRun::Result& result, const QString& what)
{
    return QStringLiteral("Keskeytettiin: %1 tulostettiin %2 / %3.")
        .arg(what)
        .arg(result.printed)
        .arg(result.total);
}

// The progress window of a long run opens with its first report, after the first job: the run
// may first ask whether to replace earlier files, and the question must not sit under it.
PrintRun::Progress progressOf(std::optional<ProgressWindow>& window, QWidget* parent,
                              const QString& text, bool needed)
{
    if (!needed)
        return {};
    return [&window, parent, text](qint64 done, qint64 total) {
        if (!window)
            window.emplace(parent, text, true);
        return window->callback()(done, total);
    };
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

bool CouponPrinting::reported(const PrintRun::Result& result, const PrintTarget& target,
                              const QString& counted)
{
    if (result.end == PrintRun::End::OffPage) {
        const PrintOffset offset = storedOffset();
        MessageBox::show(
            m_parent, Texts::AppTitle,
            Texts::offPage(PrintOffsets::format(offset.y), PrintOffsets::format(offset.x)),
            MessageBox::Exclamation);
        return false;
    }
    if (result.end == PrintRun::End::Declined)
        return false;
    if (result.end == PrintRun::End::Failed)
        MessageBox::show(m_parent, Texts::AppTitle,
                         target.failure() +
                             QStringLiteral(" %1 %2.").arg(counted).arg(result.printed),
                         MessageBox::Critical);
    return true;
}

std::optional<PrintRun::Result> CouponPrinting::printRows(const PrintState& state,
                                                          const std::vector<ScoreRow>& rows)
{
    std::unique_ptr<QPrinter> printer =
        m_printers->choose(m_parent, QStringLiteral("Tulosta kupongit"), PrinterChoice::Coupons);
    if (!printer)
        return std::nullopt;
    PrinterTarget target(*printer, true, m_parent);
    std::optional<ProgressWindow> window;
    const PrintRun::Result result = PrintRun::rowCoupons(
        target, state.bet, rows, storedOffset,
        progressOf(window, m_parent, QStringLiteral("Tulostetaan kuponkeja..."),
                   qint64(rows.size()) >= ProgressFromCoupons));
    window.reset();
    if (!reported(result, target, QStringLiteral("Kuponkeja tulostettiin")))
        return std::nullopt;
    if (result.leftOut > 0)
        MessageBox::show(m_parent, Texts::AppTitle, rowsLeftOutText(result.leftOut),
                         MessageBox::Information);
    return result;
}

void CouponPrinting::MnuTulostaKupongille_Click()
{
    QElapsedTimer clock;
    clock.start();
    const PrintState state = m_state();
    if (stakeMissing(state))
        return;
    std::optional<PrintRun::Result> result;
    if (state.rows && !state.rows->isEmpty()) {
        if (!confirmed(state))
            return;
        result = printRows(state, state.rows->rows());
        if (!result)
            return;
    }
    const double seconds = std::round(clock.elapsed() / 10.0) / 100;
    QString text = QStringLiteral("Kesto ") + PrintOffsets::format(seconds) + QStringLiteral(" s");
    if (result && result->end == PrintRun::End::Stopped)
        text += QLatin1Char('\n') + stoppedText(*result, QStringLiteral("kuponkeja"));
    MessageBox::show(m_parent, Texts::AppTitle, text);
}

void CouponPrinting::MnuTulostaValitutKupongille_Click()
{
    const PrintState state = m_state();
    if (stakeMissing(state) || !confirmed(state) || !state.rows)
        return;
    const std::vector<ScoreRow> ticked = state.rows->checkedRows();
    if (ticked.empty())
        return;
    const std::optional<PrintRun::Result> result = printRows(state, ticked);
    if (result && result->end == PrintRun::End::Stopped)
        MessageBox::show(m_parent, Texts::AppTitle,
                         stoppedText(*result, QStringLiteral("kuponkeja")));
}

void CouponPrinting::MnuTulostaSysteemiKupongille_Click()
{
    const PrintState state = m_state();
    const PrintOffset offset = storedOffset();
    if (stakeMissing(state) || state.systemSize <= 0 || !confirmed(state))
        return;
    std::unique_ptr<QPrinter> printer =
        m_printers->choose(m_parent, QStringLiteral("Tulosta järjestelmä"), PrinterChoice::Coupons);
    if (!printer)
        return;
    PrinterTarget target(*printer, false, m_parent);
    reported(PrintRun::systemCoupon(target, state.bet, state.gridTicks, offset), target,
             QStringLiteral("Kuponkeja tulostettiin"));
}

void CouponPrinting::MnuTulostaLista_Click()
{
    const PrintState state = m_state();
    if (state.rows && !state.rows->isEmpty()) {
        std::unique_ptr<QPrinter> printer =
            m_printers->choose(m_parent, QStringLiteral("Rivit paperille"), PrinterChoice::Listing);
        if (printer)
            printListing(*printer, state.rows->rows());
    }
    emit listingFinished();
}

void CouponPrinting::printListing(QPrinter& printer, const std::vector<ScoreRow>& rows)
{
    PrinterTarget target(printer, false, m_parent);
    std::optional<ProgressWindow> window;
    const PrintRun::Result result =
        PrintRun::listing(target, rows,
                          progressOf(window, m_parent, QStringLiteral("Tulostetaan rivejä..."),
                                     qint64(rows.size()) >= ProgressFromListedRows));
    window.reset();
    reported(result, target, QStringLiteral("Rivejä tulostettiin"));
    if (result.end == PrintRun::End::Stopped)
        MessageBox::show(m_parent, Texts::AppTitle, stoppedText(result, QStringLiteral("rivejä")));
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
