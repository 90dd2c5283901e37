// The main window's menu commands: files, list editing and settings.
#include "files/rowmerge.h"
#include "settings/settingskeys.h"
#include "ui/couponprinting.h"
#include "ui/dialogs.h"
#include "ui/filedropfilter.h"
#include "ui/frmAbout.h"
#include "ui/frmSamaTulos.h"
#include "ui/frmSarvento.h"
#include "ui/frmTilastot.h"
#include "ui/frmVertaile.h"
#include "ui/goalgridtab.h"
#include "ui/printerchoice.h"
#include "ui/recentfilesmenu.h"
#include "ui/rowfiledialogs.h"
#include "ui/stakecolumn.h"
#include "ui/texts.h"
#include "ui/ui_frmSarvento.h"
#include <QFileInfo>

namespace {
const QString OpenFailedTitle = QStringLiteral("Tiedostoa ei voi avata");
} // namespace

void frmSarvento::connectFileComforts()
{
    connect(ui->MnuTilastot, &QAction::triggered, this, &frmSarvento::MnuTilastot_Click);
    m_recentFiles = new RecentFilesMenu(ui->MnuViimeksiAvatut, this);
    connect(m_recentFiles, &RecentFilesMenu::openRequested, this, &frmSarvento::openRowFile);
    auto* drop = new FileDropFilter(this);
    drop->watch(ui->lstLista);
    connect(drop, &FileDropFilter::filesDropped, this, [this](const QStringList& paths) {
        for (const QString& path : paths)
            openRowFile(path);
    });
}

void frmSarvento::connectPrintMenu()
{
    m_printing = new CouponPrinting(this, [this] {
        PrintState state;
        state.rows = &m_rows;
        state.bet.stakeBoxes = m_stakes->tickedBoxes();
        state.bet.gameNumber = GameNumber();
        state.bet.columnCount = ColumnCount();
        state.stakePerRowCents = StakePerRowCents();
        state.warningsOn = m_warningsOn;
        for (int team = 0; team < GoalGrid::Teams; ++team)
            for (int goal = 0; goal < GoalGrid::Goals; ++goal)
                state.gridTicks[size_t(team)][size_t(goal)] =
                    m_gridTab->grid().isTicked(team, goal);
        state.systemSize = m_gridTab->shownSize();
        return state;
    });
    // Opening the menu reprices and decides which items can print.
    connect(ui->MnuTulosta, &QMenu::aboutToShow, this, [this] {
        Laske_Koko_Hinta();
        const PrintMenuState items = m_printing->MnuTulosta_Click();
        ui->MnuTulostaKupongille->setEnabled(items.rows);
        ui->MnuEsikatselu->setEnabled(items.rows);
        ui->MnuTulostaValitutKupongille->setEnabled(items.ticked);
        ui->MnuTulostaLista->setEnabled(items.listing);
        ui->MnuTulostaSysteemiKupongille->setEnabled(items.system);
    });
    connect(ui->MnuTulostaKupongille, &QAction::triggered, m_printing,
            &CouponPrinting::MnuTulostaKupongille_Click);
    connect(ui->MnuTulostaValitutKupongille, &QAction::triggered, m_printing,
            &CouponPrinting::MnuTulostaValitutKupongille_Click);
    connect(ui->MnuTulostaSysteemiKupongille, &QAction::triggered, m_printing,
            &CouponPrinting::MnuTulostaSysteemiKupongille_Click);
    connect(ui->MnuTulostaLista, &QAction::triggered, m_printing,
            &CouponPrinting::MnuTulostaLista_Click);
    connect(ui->MnuEsikatselu, &QAction::triggered, m_printing,
            &CouponPrinting::MnuEsikatselu_Click);
    connect(ui->MnuMuutaTulostusKohtaa, &QAction::triggered, m_printing,
            &CouponPrinting::MnuMuutaTulostusKohtaa_Click);
    connect(m_printing, &CouponPrinting::listingFinished, this,
            [this] { ui->txtMaali->setFocus(); });
}

void frmSarvento::MnuVaroitukset_Click()
{
    // The action has already flipped its own check mark.
    m_warningsOn = ui->MnuVaroitukset->isChecked();
    const QString word = m_warningsOn ? QStringLiteral("päällä") : QStringLiteral("pois");
    if (MessageBox::ask(this, QStringLiteral(" Varoitukset ") + word + QStringLiteral("!!"),
                        QStringLiteral("Asetetaanko tämä oletukseksi?")))
        SettingsStore::write(SettingsKeys::Rekisteri, SettingsKeys::Varoitus,
                             SettingsStore::boolText(m_warningsOn));
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

void frmSarvento::MnuTallenna_Click()
{
    if (m_rows.isEmpty())
        return;
    const QString path = FileDialog::getSaveFileName(this, QStringLiteral("Sarvento.txt"));
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) &&
        !MessageBox::ask(this, QStringLiteral("Tiedosto jo olemassa"),
                         QStringLiteral("Talletetaanko olemassa olevan tiedoston päälle"),
                         MessageBox::Exclamation))
        return;
    if (RowFileDialogs::write(this, path, m_rows.rows()))
        m_recentFiles->noteUsed(path);
}

void frmSarvento::MnuAvaa_Click()
{
    const QString path = FileDialog::getOpenFileName(this, QStringLiteral("Sarvento.txt"));
    if (path.isEmpty()) {
        RowFileDialogs::showReadFailure(this, RowFile::Status::CannotOpen, OpenFailedTitle);
        return;
    }
    openRowFile(path);
}

void frmSarvento::openRowFile(const QString& path)
{
    const RowFile::ReadResult file = RowFileDialogs::read(this, path);
    if (file.status != RowFile::Status::Ok) {
        RowFileDialogs::showReadFailure(this, file.status, OpenFailedTitle);
        return;
    }

    bool skipDuplicates = false;
    switch (RowMerge::plan(m_rows, ColumnCount(), file.columnCount)) {
    case RowMerge::Plan::SwitchModeThenAppend:
        switchColumns(file.columnCount);
        break;
    case RowMerge::Plan::Append:
        break;
    case RowMerge::Plan::WidthMismatch:
        MessageBox::show(this, QStringLiteral("Ei voi avata tiedostoa"),
                         QStringLiteral("Toisessa 2 saraketta ja toisessa 3 saraketta!"),
                         MessageBox::Critical);
        return;
    case RowMerge::Plan::AskAboutDuplicates:
        skipDuplicates = MessageBox::ask(
            this, QStringLiteral("Samat rivit pois "),
            QStringLiteral("Tarkistetaanko onko samoja rivejä\rlistassa ja / tai tiedostossa?? "));
        break;
    }
    qint64 skipped = 0;
    {
        BusyCursor busy;
        skipped = RowMerge::append(m_rows, file.rows, skipDuplicates);
    }
    m_recentFiles->noteUsed(path);
    if (skipped > 0)
        frmSamaTulos::ShowSamaLuku(skipped, this);
}

void frmSarvento::MnuVetaile_Click()
{
    if (!m_compareWindow) {
        m_compareWindow = new frmVertaile(
            m_rows, [this] { return ColumnCount(); }, this);
        m_compareWindow->setAttribute(Qt::WA_DeleteOnClose);
        // Also a move that added nothing shows the count again (blank after a mode switch).
        connect(m_compareWindow, &frmVertaile::mainListChanged, this,
                [this] { onRowCountChanged(m_rows.count()); });
        connect(m_compareWindow, &frmVertaile::closed, this, [this] {
            show();
            raise();
        });
    }
    m_compareWindow->show();
    m_compareWindow->raise();
    m_compareWindow->activateWindow();
}

void frmSarvento::MnuKomentoja_Click()
{
    sealListChange();
    Tarkista_Valinta();
    const bool hasRows = !m_rows.isEmpty();
    ui->MnuTyhjennaLista->setEnabled(hasRows);
    ui->MnuTyhjennaMaalit->setEnabled(hasRows);
    ui->MnuTyhjennaKaikki->setEnabled(hasRows);
}

void frmSarvento::MnuPoistavalitutListalta_Click()
{
    m_rows.removeChecked();
    Laske_Koko_Hinta();
}

void frmSarvento::MnuTyhjennaLista_Click()
{
    if (!m_rows.isEmpty() &&
        (!m_warningsOn || MessageBox::ask(this, QStringLiteral("Arvotut rivit katoo!!!"),
                                          Texts::ContinueQuestion, MessageBox::Exclamation)))
        m_rows.clear();
    onRowCountChanged(m_rows.count());
    ui->cmdArvo_Tulokset->setFocus();
}

void frmSarvento::MnuTyhjennaMaalit_Click()
{
    ui->txtMaali->clear();
    for (size_t k = 0; k < 6; ++k) {
        lbl1[k]->clear();
        txtMaaliEnint[k]->clear();
        txtMaalivah[k]->clear();
    }
    ui->txtMaali->setFocus();
}

void frmSarvento::MnuTyhjennaKaikki_Click()
{
    MnuTyhjennaMaalit_Click();
    m_gridTab->Systeemi_Tyhjaksi();
    MnuTyhjennaLista_Click();
    m_stakes->resetStakes();
    ui->txtKertaa->setText(QStringLiteral("1"));
    ui->txtMaali->setFocus();
    m_stakes->showPriceText(QString());
}

void frmSarvento::MnuTilastot_Click()
{
    // One window, following the list while it is open.
    if (!m_statisticsWindow) {
        m_statisticsWindow = new frmTilastot(m_rows, this);
        m_statisticsWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_statisticsWindow->show();
    m_statisticsWindow->raise();
    m_statisticsWindow->activateWindow();
}
