#pragma once
#include "settings/recentfiles.h"
#include <QObject>

class QMenu;
class QWidget;

// Fills a menu with the row files last opened or saved, newest first; the menu cannot be
// opened while there are none. A chosen entry that is gone, or is no longer a regular file,
// is taken off with a message that says which.
class RecentFilesMenu : public QObject
{
    Q_OBJECT
public:
    // messageParent is the window the message about a vanished file belongs to.
    RecentFilesMenu(QMenu* menu, QWidget* messageParent);

    // Reads the list from the settings store again and rebuilds the menu.
    void refresh();
    // After a row file was opened or saved: it goes first.
    void noteUsed(const QString& path);

signals:
    void openRequested(const QString& path);

private:
    void choose(const QString& path);

    QMenu* m_menu;
    QWidget* m_messageParent;
    RecentFiles m_files;
};
