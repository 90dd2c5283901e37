#include "ui/frmSarvento.h"
#include "core/money.h"
#include "core/numbers.h"
#include "core/resultdraw.h"
#include "files/rowmerge.h"
#include "settings/settingskeys.h"
#include "ui/bonusmenu.h"
#include "ui/dialogs.h"
#include "ui/frmAbout.h"
#include "ui/frmOnNet.h"
#include "ui/frmSamaTulos.h"
#include "ui/frmVertaile.h"
#include "ui/goalbox.h"
#include "ui/goalgridtab.h"
#include "ui/progresswindow.h"
#include "ui/rowfiledialogs.h"
#include "ui/settingsnotice.h"
#include "ui/stakecolumn.h"
#include "ui/texts.h"
#include "ui/ui_frmSarvento.h"
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QTimer>

namespace {
// Draws of this many rows or more show a progress window that can stop them.
constexpr qint64 ProgressFrom = 20000;
// More draws than this in one click could not fit in the list anyway.
constexpr qint64 MaxDrawCount = 100'000'000;
} // namespace

frmSarvento::frmSarvento(RandomSource& random, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmSarvento>()), m_random(random)
{
    ui->setupUi(this);
    SettingsNotice::install(this);
    buildLimitBoxes();
    buildResultLabels();
    ui->lstLista->setModel(&m_rows);
    ui->lblSamaTulos->hide();
    ui->lblVirhe->hide();
    QFont courier(QStringLiteral("Courier"));
    courier.setPointSize(15);
    courier.setBold(true);
    ui->lblSamaTulos->setFont(courier);
    takeTwoDigits(ui->txtMaali);
    for (QWidget* w : {static_cast<QWidget*>(ui->txtKertaa), static_cast<QWidget*>(ui->txtMaali),
                       static_cast<QWidget*>(ui->lblArvottutxt)})
        w->installEventFilter(this);

    GoalGridHost host{[this] { return ColumnCount(); }, [this] { return ui->txtMaali->text(); },
                      [this] { return m_warningsOn; }};
    m_gridTab = new GoalGridTab(m_rows, m_random, std::move(host), ui->tabJarjestelma);
    ui->systemLayout->addWidget(m_gridTab);
    m_stakes = new StakeColumn(ui->rightColumn);
    ui->rightLayout->addWidget(m_stakes);

    connect(m_gridTab, &GoalGridTab::sizeChanged, this, &frmSarvento::onSystemSizeChanged);
    connect(m_gridTab, &GoalGridTab::gridCleared, this,
            [this] { m_stakes->showPriceText(QStringLiteral("0")); });
    connect(m_gridTab, &GoalGridTab::maxGoalMissing, this, [this] { ui->txtMaali->setFocus(); });
    connect(m_gridTab, &GoalGridTab::fillStakesWanted, m_stakes, &StakeColumn::tickFirstTen);
    connect(m_stakes, &StakeColumn::stakeChanged, this, &frmSarvento::Laske_Koko_Hinta);
    connect(m_stakes, &StakeColumn::onNetClicked, this, &frmSarvento::cmdOnNet_Click);
    connect(ui->cmdArvo_Tulokset, &QPushButton::clicked, this,
            &frmSarvento::cmdArvo_Tulokset_Click);
    connect(ui->SSTab1, &QTabWidget::currentChanged, this, &frmSarvento::SSTab1_Click);
    connect(&m_rows, &RowListModel::countChanged, this, &frmSarvento::onRowCountChanged);
    nameMenus();
    connectUndo();
    connectFileComforts();
    m_bonus = new BonusMenu(*this, m_random);
    connectMenus();
    Laske_Koko_Hinta();
}

frmSarvento::~frmSarvento() = default;

// Designer names must be plain identifiers; these carry their Finnish names.
void frmSarvento::nameMenus()
{
    ui->MnuTyhjennaLista->setObjectName(QStringLiteral("MnuTyhjennäLista"));
    ui->MnuTyhjennaMaalit->setObjectName(QStringLiteral("MnuTyhjennäMaalit"));
    ui->MnuTyhjennaKaikki->setObjectName(QStringLiteral("MnuTyhjennäKaikki"));
    for (QMenu* menu :
         {ui->MnuTiedosto, ui->MnuKomentoja, ui->MnuTulosta, ui->MnuAsetuksia, ui->MnuBonus})
        menu->menuAction()->setObjectName(menu->objectName());
}

void frmSarvento::connectMenus()
{
    connect(ui->MnuLopeta, &QAction::triggered, this, &QWidget::close);
    connect(ui->MnuAvaa, &QAction::triggered, this, &frmSarvento::MnuAvaa_Click);
    connect(ui->MnuTallenna, &QAction::triggered, this, &frmSarvento::MnuTallenna_Click);
    connect(ui->MnuVetaile, &QAction::triggered, this, &frmSarvento::MnuVetaile_Click);
    connect(ui->MnuTiedosto, &QMenu::aboutToShow, this,
            [this] { ui->MnuTallenna->setEnabled(!m_rows.isEmpty()); });
    connect(ui->MnuKomentoja, &QMenu::aboutToShow, this, &frmSarvento::MnuKomentoja_Click);
    connect(ui->MnuPoistavalitutListalta, &QAction::triggered, this,
            &frmSarvento::MnuPoistavalitutListalta_Click);
    connect(ui->MnuTyhjennaLista, &QAction::triggered, this, &frmSarvento::MnuTyhjennaLista_Click);
    connect(ui->MnuTyhjennaMaalit, &QAction::triggered, this,
            &frmSarvento::MnuTyhjennaMaalit_Click);
    connect(ui->MnuTyhjennaKaikki, &QAction::triggered, this,
            &frmSarvento::MnuTyhjennaKaikki_Click);
    connect(ui->MnuVaroitukset, &QAction::triggered, this, &frmSarvento::MnuVaroitukset_Click);
    connect(ui->MnuSarake2, &QAction::triggered, this, &frmSarvento::MnuSarake2_Click);
    connect(ui->MnuSarake3, &QAction::triggered, this, &frmSarvento::MnuSarake3_Click);
    connect(ui->MnuInfo, &QAction::triggered, this, &frmSarvento::MnuInfo_Click);
    connect(ui->MnuLotto, &QAction::triggered, m_bonus, &BonusMenu::MnuLotto_Click);
    connect(ui->MnuRandom, &QAction::triggered, m_bonus, &BonusMenu::MnuRandom_Click);
    connect(ui->MnuKeno, &QAction::triggered, m_bonus, &BonusMenu::MnuKeno_Click);
    connect(ui->MnuVakio, &QAction::triggered, m_bonus, &BonusMenu::MnuVakio_Click);
    connect(ui->MnuVeto, &QAction::triggered, m_bonus, &BonusMenu::MnuVeto_Click);
    connectPrintMenu();
}

bool frmSarvento::Form_Load()
{
    m_stored = StartupSettings::load();
    m_warningsOn = m_stored.warningsOn;
    ui->MnuVaroitukset->setChecked(m_warningsOn);
    ui->txtKertaa->setText(QStringLiteral("1"));
    ui->SSTab1->setCurrentIndex(0);
    if (m_stored.skipNotice)
        return true;
    frmAbout notice(m_stored, this);
    ModalRunner::exec(notice);
    // Without acceptance there is no way on, also when the notice was closed from its title bar.
    return !notice.refused() && m_stored.accepted;
}

int frmSarvento::ColumnCount() const
{
    return ui->MnuSarake2->isChecked() ? 2 : 3;
}

qint64 frmSarvento::StakePerRowCents() const
{
    return m_stakes->stakePerRowCents();
}

int frmSarvento::GameNumber() const
{
    return m_stakes->gameNumber();
}

bool frmSarvento::systemTabShown() const
{
    return ui->SSTab1->currentIndex() == 1;
}

void frmSarvento::Laske_Koko_Hinta()
{
    const qint64 stake = m_stakes->stakePerRowCents();
    if (!systemTabShown()) {
        if (!m_rowCountShown)
            return;
        const qint64 price = stake * m_rows.count();
        m_stakes->showPrice(price);
        if (price > 0 && ui->lblVirhe->text() == Texts::CheckStake)
            ui->lblVirhe->hide();
    } else {
        m_stakes->showPrice(stake * m_gridTab->shownSize());
    }
    m_priceText = m_stakes->priceText();
}

void frmSarvento::SSTab1_Click()
{
    Laske_Koko_Hinta();
}

void frmSarvento::onRowCountChanged(int count)
{
    ui->lblArvottu->setText(QString::number(count));
    m_rowCountShown = true;
    Laske_Koko_Hinta();
}

void frmSarvento::onSystemSizeChanged(qint64 size)
{
    if (size > 0)
        Laske_Koko_Hinta();
    else
        m_stakes->showPriceText(QString());
}

void frmSarvento::Tarkista_Valinta()
{
    const bool anyTicked = m_rows.checkedCount() > 0;
    ui->MnuPoistavalitutListalta->setEnabled(anyTicked);
}

void frmSarvento::SuoritaVirhe(int limitError)
{
    // Two lines: what to check, then which box.
    ui->lblVirhe->setText(QStringLiteral("Tarkista maalirajat :\n") + limitErrorText(limitError));
    ui->lblVirhe->show();
}

void frmSarvento::showLimitError(int limitError)
{
    if (m_warningsOn)
        MessageBox::show(this, Texts::WakeUpTitle, limitErrorText(limitError));
    else
        SuoritaVirhe(limitError);
}

void frmSarvento::cmdArvo_Tulokset_Click()
{
    ui->lblVirhe->hide();
    const QString countText = ui->txtKertaa->text();
    const auto requested = parseWholeNumber(countText, MaxDrawCount);
    if (!countText.trimmed().isEmpty() && !requested) {
        MessageBox::show(this, Texts::AppTitle, Texts::CheckGoalNumbers);
        return;
    }
    qint64 count = requested.value_or(0);
    if (count < 1) {
        count = 1;
        ui->txtKertaa->setText(QStringLiteral("1"));
    }

    GoalLimitTexts limits;
    limits.overallMax = ui->txtMaali->text();
    for (size_t k = 0; k < 6; ++k) {
        limits.teamMax[k] = txtMaaliEnint[k]->text();
        limits.teamMin[k] = txtMaalivah[k]->text();
    }
    const ResultDrawer drawer(limits, ColumnCount());
    const LimitCheckResult check = drawer.check();
    switch (check.status) {
    case LimitCheck::NotANumber:
        MessageBox::show(this, Texts::AppTitle, Texts::CheckGoalNumbers);
        return;
    case LimitCheck::MissingMax:
        showLimitError(6);
        ui->txtMaali->setFocus();
        return;
    case LimitCheck::TeamError:
        ui->lblSamaTulos->hide();
        SuoritaVirhe(check.team);
        return;
    case LimitCheck::Ok:
        break;
    }
    ui->lblSamaTulos->hide();

    ProgressWindow progress(this, QStringLiteral("Arvotaan rivejä..."), count >= ProgressFrom,
                            QStringLiteral("Keskeytä"), 300);
    m_drawing = true;
    const DrawOutcome outcome = drawer.drawInto(m_rows, count, m_random, progress.callback());
    m_drawing = false;
    scheduleSeal();
    showResult(outcome.lastGoals);
    if (count == 1 && !outcome.lastWasNew)
        ui->lblSamaTulos->show();
    ui->lblArvottu->repaint();
}

void frmSarvento::showResult(const std::array<std::optional<int>, 6>& goals)
{
    for (size_t k = 0; k < 6; ++k)
        if (goals[k])
            lbl1[k]->setText(QString::number(*goals[k]));
}

void frmSarvento::cmdOnNet_Click()
{
    if (m_gridTab->shownSize() == 0 && m_rows.isEmpty())
        return;
    Laske_Koko_Hinta();
    const qint64 rows = systemTabShown() ? m_gridTab->shownSize() : m_rows.count();
    if (m_stakes->stakePerRowCents() * rows == 0) {
        ui->lblVirhe->setText(Texts::CheckStake);
        ui->lblVirhe->show();
        return;
    }
    openNetPlay();
}

void frmSarvento::setNetPlayServices(UrlOpener& browser, InstanceCheck& otherCopies)
{
    m_browser = &browser;
    m_otherCopies = &otherCopies;
}

void frmSarvento::openNetPlay()
{
    if (!m_browser || !m_otherCopies || !frmOnNet::mayOpen(this, *m_otherCopies))
        return;
    auto* net = new frmOnNet(
        [this] {
            NetPlayState state;
            state.columnCount = ColumnCount();
            state.gameNumber = GameNumber();
            state.stakePerRowCents = StakePerRowCents();
            state.priceText = PriceText();
            state.rows = &m_rows;
            state.grid = m_gridTab->grid();
            state.systemSize = m_gridTab->shownSize();
            state.systemTabShown = systemTabShown();
            return state;
        },
        *m_browser);
    net->setAttribute(Qt::WA_DeleteOnClose);
    connect(net, &frmOnNet::finished, this, [this] {
        show();
        raise();
    });
    hide();
    net->show();
}

void frmSarvento::askAndSwitchColumns(QAction* clicked, int columns)
{
    // A checkable action flips its own mark on a click; the mark follows the mode only.
    const bool wasChecked = !clicked->isChecked();
    clicked->setChecked(wasChecked);
    if (wasChecked)
        return;
    if (m_warningsOn && !MessageBox::ask(this, QStringLiteral("Tämä toiminto tyhjää kaikki!!!"),
                                         Texts::ContinueQuestion, MessageBox::Exclamation))
        return;
    switchColumns(columns);
}

void frmSarvento::MnuSarake2_Click()
{
    askAndSwitchColumns(ui->MnuSarake2, 2);
}

void frmSarvento::MnuSarake3_Click()
{
    askAndSwitchColumns(ui->MnuSarake3, 3);
}

void frmSarvento::switchColumns(int columns)
{
    const int before = ColumnCount();
    m_rows.clear();
    m_rows.markSwitch(before, columns);
    scheduleSeal();
    MnuTyhjennaMaalit_Click();
    m_gridTab->Systeemi_Tyhjaksi();
    ui->txtKertaa->setText(QStringLiteral("1"));
    ui->txtMaali->setFocus();
    Laske_Koko_Hinta();
    ui->MnuSarake2->setChecked(columns == 2);
    ui->MnuSarake3->setChecked(columns == 3);
    setThirdMatchVisible(columns == 3);
    ui->lblArvottu->clear();
    m_rowCountShown = false;
}

void frmSarvento::Sarake2()
{
    switchColumns(2);
}

void frmSarvento::Sarake3()
{
    switchColumns(3);
}

void frmSarvento::setThirdMatchVisible(bool visible)
{
    for (QWidget* w : std::as_const(m_thirdMatchWidgets))
        w->setVisible(visible);
    m_gridTab->setThirdMatchVisible(visible);
}

void frmSarvento::lblArvottutxt_DblClick()
{
    m_rows.checkAll();
}

bool frmSarvento::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && watched == ui->lblArvottutxt) {
        lblArvottutxt_DblClick();
    } else if (event->type() == QEvent::MouseButtonPress) {
        // Clicking into a number box selects it whole, so typing replaces the value.
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmSarvento::closeEvent(QCloseEvent* event)
{
    if (!m_closingConfirmed && m_warningsOn &&
        !MessageBox::ask(this, QStringLiteral("Oletko varma? "),
                         QStringLiteral("Pelimies ei lopeta   ;)"))) {
        event->ignore();
        return;
    }
    event->accept();
    Lopeta_Kaikki();
}

void frmSarvento::Lopeta_Kaikki()
{
    // Side windows are top-level windows of their own; they go with the main window.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->close();
    QCoreApplication::quit();
}
