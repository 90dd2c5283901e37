#include "ui/couponprinting.h"
#include "core/money.h"
#include "print/printoffset.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "ui/betsettings.h"
#include "ui/dialogs.h"
#include "ui/frmReunukset.h"
#include "ui/printerchoice.h"
#include "ui/progresswindow.h"
#include "ui/texts.h"
#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
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

CouponPrinting::CouponPrinting(QWidget* parent, const BetSettings& settings,
                               std::function<BetSnapshot()> bet)
    : QObject(parent), m_parent(parent), m_settings(settings), m_bet(std::move(bet)),
      m_printers(std::make_unique<DialogPrinterChoice>())
{
}

CouponPrinting::~CouponPrinting() = default;

void CouponPrinting::takeMenuItems(const MenuItems& items, std::function<void()> reprice)
{
    connect(items.menu, &QMenu::aboutToShow, this, [this, items, reprice] {
        reprice();
        const PrintMenuState state = MnuTulosta_Click();
        items.coupons->setEnabled(state.rows);
        items.preview->setEnabled(state.rows);
        items.ticked->setEnabled(state.ticked);
        items.listing->setEnabled(state.listing);
        items.system->setEnabled(state.system);
    });
    connect(items.coupons, &QAction::triggered, this, &CouponPrinting::MnuTulostaKupongille_Click);
    connect(items.ticked, &QAction::triggered, this,
            &CouponPrinting::MnuTulostaValitutKupongille_Click);
    connect(items.system, &QAction::triggered, this,
            &CouponPrinting::MnuTulostaSysteemiKupongille_Click);
    connect(items.listing, &QAction::triggered, this, &CouponPrinting::MnuTulostaLista_Click);
    connect(items.preview, &QAction::triggered, this, &CouponPrinting::MnuEsikatselu_Click);
    connect(items.position, &QAction::triggered, this,
            &CouponPrinting::MnuMuutaTulostusKohtaa_Click);
}

void CouponPrinting::setPrinterChoice(std::unique_ptr<PrinterChoice> printers)
{
    m_printers = std::move(printers);
}

CouponBet CouponPrinting::couponBet(const BetSnapshot& bet)
{
    return {bet.stakeBoxes, bet.gameNumber, bet.columnCount};
}

PrintMenuState CouponPrinting::MnuTulosta_Click()
{
    const BetSnapshot bet = m_bet();
    return PrintMenuState::of(bet.rowCount(), bet.rows ? bet.rows->checkedCount() : 0,
                              bet.systemSize);
}

bool CouponPrinting::stakeMissing(const BetSnapshot& bet)
{
    if (bet.stakePerRowCents > 0)
        return false;
    MessageBox::show(m_parent, QStringLiteral("Panos puuttuu !!!"),
                     QStringLiteral("Eipäs hutiloida "), MessageBox::Exclamation);
    return true;
}

bool CouponPrinting::confirmed(const BetSnapshot& bet)
{
    if (!m_settings.warningsOn())
        return true;
    const QString title = QStringLiteral("Tarkista, pelinumero on %1 ja panos %2 € !!!")
                              .arg(bet.gameNumber)
                              .arg(Money::formatCents(bet.stakePerRowCents));
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

std::optional<PrintRun::Result> CouponPrinting::printRows(const BetSnapshot& bet,
                                                          const std::vector<ScoreRow>& rows)
{
    std::unique_ptr<QPrinter> printer =
        m_printers->choose(m_parent, QStringLiteral("Tulosta kupongit"), PrinterChoice::Coupons);
    if (!printer)
        return std::nullopt;
    PrinterTarget target(*printer, true, m_parent);
    std::optional<ProgressWindow> window;
    const PrintRun::Result result = PrintRun::rowCoupons(
        target, couponBet(bet), rows, storedOffset,
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
    const BetSnapshot bet = m_bet();
    if (stakeMissing(bet))
        return;
    std::optional<PrintRun::Result> result;
    if (bet.rowCount() > 0) {
        if (!confirmed(bet))
            return;
        result = printRows(bet, bet.rows->rows());
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
    const BetSnapshot bet = m_bet();
    if (stakeMissing(bet) || !confirmed(bet) || !bet.rows)
        return;
    const std::vector<ScoreRow> ticked = bet.rows->checkedRows();
    if (ticked.empty())
        return;
    const std::optional<PrintRun::Result> result = printRows(bet, ticked);
    if (result && result->end == PrintRun::End::Stopped)
        MessageBox::show(m_parent, Texts::AppTitle,
                         stoppedText(*result, QStringLiteral("kuponkeja")));
}

void CouponPrinting::MnuTulostaSysteemiKupongille_Click()
{
    const BetSnapshot bet = m_bet();
    const PrintOffset offset = storedOffset();
    if (stakeMissing(bet) || bet.systemSize <= 0 || !confirmed(bet))
        return;
    std::unique_ptr<QPrinter> printer =
        m_printers->choose(m_parent, QStringLiteral("Tulosta järjestelmä"), PrinterChoice::Coupons);
    if (!printer)
        return;
    PrinterTarget target(*printer, false, m_parent);
    GridTicks ticks{};
    for (int team = 0; team < GoalGrid::Teams; ++team)
        for (int goal = 0; goal < GoalGrid::Goals; ++goal)
            ticks[size_t(team)][size_t(goal)] = bet.grid.isTicked(team, goal);
    reported(PrintRun::systemCoupon(target, couponBet(bet), ticks, offset), target,
             QStringLiteral("Kuponkeja tulostettiin"));
}

void CouponPrinting::MnuTulostaLista_Click()
{
    const BetSnapshot bet = m_bet();
    if (bet.rowCount() > 0) {
        std::unique_ptr<QPrinter> printer =
            m_printers->choose(m_parent, QStringLiteral("Rivit paperille"), PrinterChoice::Listing);
        if (printer)
            printListing(*printer, bet.rows->rows());
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
    const BetSnapshot bet = m_bet();
    if (bet.rowCount() == 0)
        return;
    if (bet.rowCount() > PreviewPages)
        MessageBox::show(
            m_parent, Texts::AppTitle,
            QStringLiteral("Esikatselussa näkyy %1 ensimmäistä kuponkia.").arg(PreviewPages),
            MessageBox::Information);
    const PrintOffset offset = storedOffset();
    m_printers->preview(m_parent, [&](QPrinter& printer) {
        PrintRun::previewPages(printer, couponBet(bet), bet.rows->rows(), offset, PreviewPages);
    });
}

void CouponPrinting::MnuMuutaTulostusKohtaa_Click()
{
    frmReunukset window(*m_printers, m_parent);
    ModalRunner::exec(window);
}
