#include "ui/rowfilecommands.h"
#include "files/rowmerge.h"
#include "ui/betsettings.h"
#include "ui/dialogs.h"
#include "ui/filedropfilter.h"
#include "ui/frmSamaTulos.h"
#include "ui/frmVertaile.h"
#include "ui/listdocument.h"
#include "ui/recentfilesmenu.h"
#include "ui/rowfiledialogs.h"
#include "ui/rowlisthistory.h"
#include <QFileInfo>

namespace {
const QString OpenFailedTitle = QStringLiteral("Tiedostoa ei voi avata");
const QString OpenStep = QStringLiteral("Avaa");
} // namespace

RowFileCommands::RowFileCommands(QWidget* window, RowListHistory& list, ListDocument& document,
                                 QMenu* recentMenu, const BetSettings& settings,
                                 std::function<void(int columns)> switchColumns)
    : QObject(window), m_window(window), m_list(list), m_document(document), m_settings(settings),
      m_switchColumns(std::move(switchColumns)),
      m_recentFiles(new RecentFilesMenu(recentMenu, window))
{
    connect(m_recentFiles, &RecentFilesMenu::openRequested, this, &RowFileCommands::openRowFile);
}

void RowFileCommands::openDropsOn(QWidget* widget)
{
    auto* drop = new FileDropFilter(this);
    drop->watch(widget);
    connect(drop, &FileDropFilter::filesDropped, this, [this](const QStringList& paths) {
        if (paths.size() == 1)
            return openRowFile(paths.front()); // as "&Avaa" opens it
        const ListCommand step(m_list, OpenStep);
        for (const QString& path : paths)
            openRowFile(path);
    });
}

void RowFileCommands::MnuTallenna_Click()
{
    if (!m_list.rows().isEmpty())
        saveAs();
}

bool RowFileCommands::saveAs()
{
    const QString path = FileDialog::getSaveFileName(m_window, QStringLiteral("Sarvento.txt"));
    if (path.isEmpty())
        return false;
    if (QFileInfo::exists(path) &&
        !MessageBox::ask(m_window, QStringLiteral("Tiedosto jo olemassa"),
                         QStringLiteral("Talletetaanko olemassa olevan tiedoston päälle"),
                         MessageBox::Exclamation))
        return false;
    return saveTo(path);
}

bool RowFileCommands::saveTo(const QString& path)
{
    if (!RowFileDialogs::write(m_window, path, m_list.rows().rows()))
        return false;
    m_recentFiles->noteUsed(path);
    m_document.saved(path);
    return true;
}

bool RowFileCommands::saveList()
{
    return m_document.fileName().isEmpty() ? saveAs() : saveTo(m_document.fileName());
}

bool RowFileCommands::sideListsMayClose()
{
    return !m_compareWindow || m_compareWindow->askBeforeClosing();
}

void RowFileCommands::MnuAvaa_Click()
{
    const QString path = FileDialog::getOpenFileName(m_window, QStringLiteral("Sarvento.txt"));
    if (path.isEmpty()) {
        RowFileDialogs::showReadFailure(m_window, RowFile::Status::CannotOpen, OpenFailedTitle);
        return;
    }
    openRowFile(path);
}

void RowFileCommands::openRowFile(const QString& path)
{
    RowListModel& rows = m_list.rows();
    // Opened alone into an empty list, the list is that file's rows.
    const bool ownFile = rows.isEmpty() && !m_list.commandOpen();
    ListCommand step(m_list, OpenStep);
    RowFile::ReadResult file = RowFileDialogs::read(m_window, path);
    if (file.status != RowFile::Status::Ok) {
        RowFileDialogs::showReadFailure(m_window, file.status, OpenFailedTitle);
        return;
    }

    bool skipDuplicates = false;
    switch (RowMerge::plan(rows, m_settings.columnCount(), file.columnCount)) {
    case RowMerge::Plan::SwitchModeThenAppend:
        m_switchColumns(file.columnCount);
        break;
    case RowMerge::Plan::Append:
        break;
    case RowMerge::Plan::WidthMismatch:
        MessageBox::show(m_window, QStringLiteral("Ei voi avata tiedostoa"),
                         QStringLiteral("Toisessa 2 saraketta ja toisessa 3 saraketta!"),
                         MessageBox::Critical);
        return;
    case RowMerge::Plan::AskAboutDuplicates:
        skipDuplicates = MessageBox::ask(
            m_window, QStringLiteral("Samat rivit pois "),
            QStringLiteral("Tarkistetaanko onko samoja rivejä\rlistassa ja / tai tiedostossa?? "));
        break;
    }
    qint64 skipped = 0;
    {
        BusyCursor busy;
        skipped = RowMerge::append(rows, std::move(file.rows), skipDuplicates);
    }
    m_recentFiles->noteUsed(path);
    if (ownFile && !rows.isEmpty()) {
        step.markSaved();
        m_document.named(path);
    }
    if (skipped > 0)
        frmSamaTulos::ShowSamaLuku(skipped, m_window);
}

void RowFileCommands::MnuVetaile_Click()
{
    if (!m_compareWindow) {
        m_compareWindow = new frmVertaile(m_list, m_settings, m_window);
        // Its saves are files used, as the main window's are.
        connect(m_compareWindow, &frmVertaile::saved, m_recentFiles, &RecentFilesMenu::noteUsed);
        m_compareWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_compareWindow, &frmVertaile::mainListChanged, this,
                &RowFileCommands::comparisonMoved);
        connect(m_compareWindow, &frmVertaile::closed, this, [this] {
            m_window->show();
            m_window->raise();
        });
    }
    m_compareWindow->show();
    m_compareWindow->raise();
    m_compareWindow->activateWindow();
}
