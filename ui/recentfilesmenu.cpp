#include "ui/recentfilesmenu.h"
#include "files/pathkind.h"
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
        // A tooltip that looks like markup is shown as markup: a folder's name is only text.
        action->setToolTip(
            QStringLiteral("<p style='white-space:pre'>%1</p>")
                .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()).toHtmlEscaped()));
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
    const PathKind::Kind kind = PathKind::of(path);
    if (kind == PathKind::Kind::File) {
        emit openRequested(path);
        return;
    }
    // Whatever stands there now, it is no row file and never opens: it goes off the list.
    m_files.remove(path);
    refresh();
    const QString shown = QDir::toNativeSeparators(path);
    if (kind == PathKind::Kind::Missing)
        MessageBox::show(
            m_messageParent, QStringLiteral("Tiedostoa ei löydy"),
            QStringLiteral("Tiedostoa %1 ei enää ole. Se poistettiin listalta.").arg(shown),
            MessageBox::Exclamation);
    else
        MessageBox::show(m_messageParent, QStringLiteral("Tiedostoa ei voi avata"),
                         QStringLiteral("%1 on %2, ei rivitiedosto. Se poistettiin listalta.")
                             .arg(shown, PathKind::describe(kind)),
                         MessageBox::Exclamation);
}
