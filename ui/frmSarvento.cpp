#include "ui/frmSarvento.h"
#include "settings/settingskeys.h"
#include "ui/bonusmenu.h"
#include "ui/chancecommands.h"
#include "ui/clearedinputs.h"
#include "ui/couponprinting.h"
#include "ui/dialogs.h"
#include "ui/filtercommands.h"
#include "ui/frmAbout.h"
#include "ui/frmOnNet.h"
#include "ui/frmTilastot.h"
#include "ui/goalbox.h"
#include "ui/goalgridtab.h"
#include "ui/listdocument.h"
#include "ui/printerchoice.h"
#include "ui/rowfilecommands.h"
#include "ui/rowlisthistory.h"
#include "ui/rowstab.h"
#include "ui/settingsnotice.h"
#include "ui/sidewindows.h"
#include "ui/stakecolumn.h"
#include "ui/texts.h"
#include "ui/ui_frmSarvento.h"
#include "ui/valuecommands.h"
#include "ui/wholetextfocus.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>

frmSarvento::frmSarvento(RandomSource& random, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmSarvento>()), m_random(random)
{
    ui->setupUi(this);
    SettingsNotice::install(this);
    ui->lblSamaTulos->hide();
    ui->lblVirhe->hide();
    takeTwoDigits(ui->txtMaali);
    selectWholeTextOnClick(ui->txtMaali);
    createAreas();
    connectAreas();
    nameMenus();
    connectMenus();
    Laske_Koko_Hinta();
}

// The document goes first: the list's history empties itself on the way out, which is no
// change for the recovery copy to follow.
frmSarvento::~frmSarvento()
{
    delete m_document;
}

void frmSarvento::createAreas()
{
    const TabHost host{[this] { return ui->txtMaali->text(); },
                       [this] { return m_chances->model(); }};
    m_history = new RowListHistory(m_rows, this);
    m_document = new ListDocument(this, *m_history);
    m_rowsTab = new RowsTab(*m_history, m_random, m_settings, host, ui->tabRivit);
    ui->rowsTabLayout->addWidget(m_rowsTab);
    m_chances = new ChanceCommands(this, *m_history, *m_rowsTab, *ui->lblVoittoTod, m_settings,
                                   [this] { return StakePerRowCents(); });
    // The tab key goes from the list to the maximum goal, then to the limit boxes.
    setTabOrder(m_rowsTab->listView(), ui->txtMaali);
    m_gridTab = new GoalGridTab(*m_history, m_random, m_settings, host, ui->tabJarjestelma);
    ui->systemLayout->addWidget(m_gridTab);
    m_stakes = new StakeColumn(ui->rightColumn);
    ui->rightLayout->addWidget(m_stakes);
    m_values = new ValueCommands(this, *m_history, *m_rowsTab, *ui->lblOdotettuPalautus, m_settings,
                                 *m_chances, *m_stakes);
    m_filter = new FilterCommands(this, *m_history, m_settings, *m_chances, *m_values);
    connect(&m_rows, &RowListModel::countChanged, this, &frmSarvento::onRowCountChanged);
    m_files = new RowFileCommands(this, *m_history, *m_document, ui->MnuViimeksiAvatut, m_settings,
                                  [this](int columns) { switchColumns(columns); });
    m_document->setSave([this] { return m_files->saveList(); });
    m_files->openDropsOn(m_rowsTab->listView());
    m_printing = new CouponPrinting(this, m_settings, [this] { return bet(); });
    m_bonus = new BonusMenu(*this, m_random);
}

void frmSarvento::connectAreas()
{
    connect(m_rowsTab, &RowsTab::errorCleared, ui->lblVirhe, &QWidget::hide);
    connect(m_rowsTab, &RowsTab::errorShown, this, &frmSarvento::showError);
    connect(m_rowsTab, &RowsTab::sameResultShown, ui->lblSamaTulos, &QWidget::setVisible);
    connect(m_rowsTab, &RowsTab::maxGoalMissing, this, [this] { ui->txtMaali->setFocus(); });
    connect(m_gridTab, &GoalGridTab::sizeChanged, this, &frmSarvento::onSystemSizeChanged);
    connect(m_gridTab, &GoalGridTab::gridCleared, this,
            [this] { m_stakes->showPriceText(QStringLiteral("0")); });
    connect(m_gridTab, &GoalGridTab::maxGoalMissing, this, [this] { ui->txtMaali->setFocus(); });
    connect(m_gridTab, &GoalGridTab::fillStakesWanted, m_stakes, &StakeColumn::tickFirstTen);
    connect(m_stakes, &StakeColumn::stakeChanged, this, &frmSarvento::Laske_Koko_Hinta);
    connect(m_stakes, &StakeColumn::onNetClicked, this, &frmSarvento::cmdOnNet_Click);
    connect(ui->SSTab1, &QTabWidget::currentChanged, this, &frmSarvento::SSTab1_Click);
    // Also a move that added nothing shows the count again (blank after a mode switch).
    connect(m_files, &RowFileCommands::comparisonMoved, this,
            [this] { onRowCountChanged(m_rows.count()); });
    connect(m_printing, &CouponPrinting::listingFinished, this,
            [this] { ui->txtMaali->setFocus(); });
    connect(m_chances, &ChanceCommands::winningRowShown, this,
            [this] { ui->SSTab1->setCurrentIndex(0); });
}

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

// Every menu item, menu by menu, to the area that does its work.
void frmSarvento::connectMenus()
{
    connect(ui->MnuTiedosto, &QMenu::aboutToShow, this,
            [this] { ui->MnuTallenna->setEnabled(!m_rows.isEmpty()); });
    connect(ui->MnuAvaa, &QAction::triggered, m_files, &RowFileCommands::MnuAvaa_Click);
    connect(ui->MnuTallenna, &QAction::triggered, m_files, &RowFileCommands::MnuTallenna_Click);
    connect(ui->MnuVetaile, &QAction::triggered, m_files, &RowFileCommands::MnuVetaile_Click);
    connect(ui->MnuLopeta, &QAction::triggered, this, &QWidget::close);

    connect(ui->MnuKomentoja, &QMenu::aboutToShow, this, &frmSarvento::MnuKomentoja_Click);
    m_history->drive(ui->MnuKumoa, ui->MnuTeeUudelleen);
    connect(ui->MnuPoistavalitutListalta, &QAction::triggered, this,
            &frmSarvento::MnuPoistavalitutListalta_Click);
    connect(ui->MnuTyhjennaLista, &QAction::triggered, this, &frmSarvento::MnuTyhjennaLista_Click);
    connect(ui->MnuTyhjennaMaalit, &QAction::triggered, this,
            &frmSarvento::MnuTyhjennaMaalit_Click);
    connect(ui->MnuTyhjennaKaikki, &QAction::triggered, this,
            &frmSarvento::MnuTyhjennaKaikki_Click);
    connect(ui->MnuTilastot, &QAction::triggered, this, &frmSarvento::MnuTilastot_Click);
    m_filter->takeMenuItem(ui->MnuKarsinta);
    m_chances->takeMenuItems(*ui->MnuKomentoja, ui->MnuTodennakoisyydet, ui->MnuJarjestaTod,
                             ui->MnuTarkistaTulos);
    m_values->takeMenuItems(*ui->MnuKomentoja, ui->MnuPelijakauma, ui->MnuJarjestaArvo);

    m_printing->takeMenuItems({ui->MnuTulosta, ui->MnuTulostaKupongille,
                               ui->MnuTulostaValitutKupongille, ui->MnuTulostaSysteemiKupongille,
                               ui->MnuTulostaLista, ui->MnuEsikatselu, ui->MnuMuutaTulostusKohtaa},
                              [this] { Laske_Koko_Hinta(); });
    connect(ui->MnuVaroitukset, &QAction::triggered, this, &frmSarvento::MnuVaroitukset_Click);
    connect(ui->MnuSarake2, &QAction::triggered, this, [this] { askAndSwitchColumns(2); });
    connect(ui->MnuSarake3, &QAction::triggered, this, [this] { askAndSwitchColumns(3); });
    showColumnMarks(m_settings.columnCount());
    ui->MnuVaroitukset->setChecked(m_settings.warningsOn());
    connect(&m_settings, &BetSettings::columnCountChanged, this, &frmSarvento::showColumnMarks);
    connect(&m_settings, &BetSettings::warningsOnChanged, ui->MnuVaroitukset, &QAction::setChecked);
    connect(ui->MnuInfo, &QAction::triggered, this, &frmSarvento::MnuInfo_Click);

    connect(ui->MnuLotto, &QAction::triggered, m_bonus, &BonusMenu::MnuLotto_Click);
    connect(ui->MnuRandom, &QAction::triggered, m_bonus, &BonusMenu::MnuRandom_Click);
    connect(ui->MnuKeno, &QAction::triggered, m_bonus, &BonusMenu::MnuKeno_Click);
    connect(ui->MnuVakio, &QAction::triggered, m_bonus, &BonusMenu::MnuVakio_Click);
    connect(ui->MnuVeto, &QAction::triggered, m_bonus, &BonusMenu::MnuVeto_Click);
}

bool frmSarvento::Form_Load()
{
    m_stored = StartupSettings::load();
    m_settings.setWarningsOn(m_stored.warningsOn);
    m_document->offerRecovery(m_settings.columnCount(),
                              [this](int columns) { switchColumns(columns); });
    m_rowsTab->resetDrawCount();
    ui->SSTab1->setCurrentIndex(0);
    if (m_stored.skipNotice)
        return true;
    frmAbout notice(m_stored, this);
    ModalRunner::exec(notice);
    // Without acceptance there is no way on, also when the notice was closed from its title bar.
    return !notice.refused() && m_stored.accepted;
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

void frmSarvento::setRecovery(RecoveryStore& store)
{
    m_document->setRecovery(&store);
}

void frmSarvento::setPrinterChoice(std::unique_ptr<PrinterChoice> printers)
{
    m_printing->setPrinterChoice(std::move(printers));
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
    m_rowsTab->showRowCount(count);
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

void frmSarvento::showError(const QString& text)
{
    ui->lblVirhe->setText(text);
    ui->lblVirhe->show();
}

BetSnapshot frmSarvento::bet() const
{
    return {ColumnCount(),   GameNumber(), StakePerRowCents(), m_stakes->tickedBoxes(),
            PriceText(),     &m_rows,      m_gridTab->grid(),  m_gridTab->shownSize(),
            systemTabShown()};
}

void frmSarvento::cmdOnNet_Click()
{
    if (m_gridTab->shownSize() == 0 && m_rows.isEmpty())
        return;
    Laske_Koko_Hinta();
    const qint64 rows = systemTabShown() ? m_gridTab->shownSize() : m_rows.count();
    if (m_stakes->stakePerRowCents() * rows == 0) {
        showError(Texts::CheckStake);
        return;
    }
    openNetPlay();
}

void frmSarvento::openNetPlay()
{
    if (m_browser && m_otherCopies && frmOnNet::mayOpen(this, *m_otherCopies))
        SideWindows::handOver(*this, new frmOnNet([this] { return bet(); }, *m_browser),
                              &frmOnNet::finished);
}

void frmSarvento::showColumnMarks(int columns)
{
    ui->MnuSarake2->setChecked(columns == 2);
    ui->MnuSarake3->setChecked(columns == 3);
}

void frmSarvento::askAndSwitchColumns(int columns)
{
    // A checkable action flips its own mark on a click; the marks follow the settings only.
    showColumnMarks(m_settings.columnCount());
    if (columns == m_settings.columnCount())
        return;
    if (m_settings.warningsOn() &&
        !MessageBox::ask(this, QStringLiteral("Tämä toiminto tyhjää kaikki!!!"),
                         Texts::ContinueQuestion, MessageBox::Exclamation))
        return;
    switchColumns(columns);
}

void frmSarvento::switchColumns(int columns)
{
    ListCommand step(*m_history, QStringLiteral("Sarakemäärä %1").arg(columns));
    const int before = m_settings.columnCount();
    setColumns(columns);
    step.addAction([this, before] { setColumns(before); },
                   [this, columns] { setColumns(columns); });
}

void frmSarvento::setColumns(int columns)
{
    m_rows.clear();
    MnuTyhjennaMaalit_Click();
    m_gridTab->Systeemi_Tyhjaksi();
    m_rowsTab->resetDrawCount();
    ui->txtMaali->setFocus();
    Laske_Koko_Hinta();
    // The menu's marks, the tabs' third match and the chances follow.
    m_settings.setColumnCount(columns);
    m_rowsTab->blankRowCount();
    m_rowCountShown = false;
}

// Unsaved rows are asked about whatever the warnings switch says; "Oletko varma?" only when
// there were none, so that one question is asked.
void frmSarvento::closeEvent(QCloseEvent* event)
{
    bool askedToSave = false;
    const bool closing = m_document->askBeforeClosing(&askedToSave) &&
                         (askedToSave || m_closingConfirmed || !m_settings.warningsOn() ||
                          MessageBox::ask(this, QStringLiteral("Oletko varma? "),
                                          QStringLiteral("Pelimies ei lopeta   ;)"))) &&
                         m_files->sideListsMayClose();
    if (!closing) {
        event->ignore();
        return;
    }
    event->accept();
    m_document->closed();
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

void frmSarvento::MnuVaroitukset_Click()
{
    // The action has already flipped its own check mark: the settings take it.
    m_settings.setWarningsOn(ui->MnuVaroitukset->isChecked());
    const bool on = m_settings.warningsOn();
    const QString word = on ? QStringLiteral("päällä") : QStringLiteral("pois");
    if (MessageBox::ask(this, QStringLiteral(" Varoitukset ") + word + QStringLiteral("!!"),
                        QStringLiteral("Asetetaanko tämä oletukseksi?")))
        SettingsStore::write(SettingsKeys::Rekisteri, SettingsKeys::Varoitus,
                             SettingsStore::boolText(on));
}

void frmSarvento::MnuInfo_Click()
{
    frmAbout notice(m_stored, this);
    ModalRunner::exec(notice);
    if (!notice.refused())
        return;
    if (m_rows.isEmpty())
        m_closingConfirmed = true; // nothing to lose: end at once
    close();
}

void frmSarvento::MnuTilastot_Click()
{
    // One window, following the list while it is open.
    SideWindows::showOnce(m_statisticsWindow, [this] { return new frmTilastot(m_rows, this); });
}

void frmSarvento::MnuKomentoja_Click()
{
    Tarkista_Valinta();
    const bool hasRows = !m_rows.isEmpty();
    ui->MnuTyhjennaLista->setEnabled(hasRows);
    ui->MnuTyhjennaMaalit->setEnabled(hasRows);
    ui->MnuTyhjennaKaikki->setEnabled(hasRows);
}

void frmSarvento::MnuPoistavalitutListalta_Click()
{
    const ListCommand step(*m_history, QStringLiteral("Poista valitut listalta"));
    m_rows.removeChecked();
    Laske_Koko_Hinta();
}

void frmSarvento::MnuTyhjennaLista_Click()
{
    ListCommand step(*m_history, QStringLiteral("Tyhjennä lista"));
    if (!m_rows.isEmpty() && (!m_settings.warningsOn() ||
                              MessageBox::ask(this, QStringLiteral("Arvotut rivit katoo!!!"),
                                              Texts::ContinueQuestion, MessageBox::Exclamation))) {
        m_rows.clear();
        step.markSaved();
        m_document->emptied();
    }
    onRowCountChanged(m_rows.count());
    m_rowsTab->focusDrawButton();
}

void frmSarvento::MnuTyhjennaMaalit_Click()
{
    ui->txtMaali->clear();
    m_rowsTab->clearGoals();
    ui->txtMaali->setFocus();
}

void frmSarvento::MnuTyhjennaKaikki_Click()
{
    ListCommand step(*m_history, QStringLiteral("Tyhjennä kaikki"));
    const auto inputs = [this] {
        return ClearedInputs::read(*ui->txtMaali, *m_rowsTab, *m_gridTab, *m_stakes);
    };
    const ClearedInputs before = inputs();
    MnuTyhjennaMaalit_Click();
    m_gridTab->Systeemi_Tyhjaksi();
    MnuTyhjennaLista_Click();
    m_stakes->resetStakes();
    m_rowsTab->resetDrawCount();
    ui->txtMaali->setFocus();
    m_stakes->showPriceText(QString());
    const ClearedInputs after = inputs();
    if (after == before)
        return;
    // Undone, the inputs come back before the list does, and the price follows both.
    step.addAction(
        [this, before] {
            before.show(*ui->txtMaali, *m_rowsTab, *m_gridTab, *m_stakes);
            Laske_Koko_Hinta();
        },
        [this, after] {
            after.show(*ui->txtMaali, *m_rowsTab, *m_gridTab, *m_stakes);
            m_stakes->showPriceText(QString());
        });
}
