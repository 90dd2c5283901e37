#include "ui/RecentFilesMenu.h"
#include "ui/dialogs.h"
#include <QDir>
#include <QFileInfo>
#include <QMenu>

RecentFilesMenu::RecentFilesMenu(QMenu* menu, QWidget* messageParent)
    : QObject(menu), m_menu(menu), m_messageParent(messageParent)
{
    // The folder of each file shows as its tooltip.
    m_menu->setToolTipsVisible(true);
    refresh();
}

void RecentFilesMenu::refresh()
{
    m_files = RecentFiles::load();
    // Not deleted at once: refresh may run from inside the triggered signal of one of them.
    for (QAction* old : m_menu->actions()) {
        m_menu->removeAction(old);
        old->deleteLater();
    }
    const QStringList& paths = m_files.paths();
    QStringList names;
    for (const QString& path : paths)
        names << QFileInfo(path).fileName();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        // Two files of the same name in different folders are told apart by their paths.
        QString text = names.count(names[i]) > 1 ? QDir::toNativeSeparators(path) : names[i];
        text.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* action =
            m_menu->addAction(QStringLiteral("&%1 %2").arg(QString::number(i + 1), text));
        action->setToolTip(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        connect(action, &QAction::triggered, this, [this, path] { choose(path); });
    }
    m_menu->menuAction()->setEnabled(!paths.isEmpty());
}

void RecentFilesMenu::noteUsed(const QString& path)
{
    m_files = RecentFiles::load();
    m_files.add(path);
    refresh();
}

void RecentFilesMenu::choose(const QString& path)
{
    if (QFileInfo(path).isFile()) {
        emit openRequested(path);
        return;
    }
    m_files.remove(path);
    refresh();
    MessageBox::show(m_messageParent, QStringLiteral("Tiedostoa ei löydy"),
                     QStringLiteral("Tiedostoa %1 ei enää ole. Se poistettiin listalta.")
                         .arg(QDir::toNativeSeparators(path)),
                     MessageBox::Exclamation);
}
