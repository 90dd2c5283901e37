#pragma once
// The file menu's row-file commands: "&Avaa", "&Tallenna", the files used last, row files
// dropped on the list, and "&Vertaile", the comparison window of two row files. A file opened
// any of these ways is added to the main window's row list as "&Avaa" adds it. The main window
// connects its menu items here.

#include <QObject>
#include <QPointer>
#include <functional>

class BetSettings;
class ListDocument;
class QMenu;
class QWidget;
class RecentFilesMenu;
class RowListHistory;
class frmVertaile;

class RowFileCommands : public QObject
{
    Q_OBJECT
public:
    // document is told of opens and saves; recentMenu lists the files used last; settings
    // hold the match count, which switchColumns switches (as the main window does) for a file
    // opened into an empty list.
    RowFileCommands(QWidget* window, RowListHistory& list, ListDocument& document,
                    QMenu* recentMenu, const BetSettings& settings,
                    std::function<void(int columns)> switchColumns);

    // Files dropped on widget open one after another, as one undo step.
    void openDropsOn(QWidget* widget);

    // The list saved to its own file, or as "&Tallenna" saves it where it has none. True when
    // saved.
    bool saveList();
    // Before the program ends: the comparison window's lists that are not saved are asked
    // about. False when the program is to go on.
    bool sideListsMayClose();

public slots:
    void MnuAvaa_Click();
    void MnuTallenna_Click();
    // What "&Avaa" does once a file is chosen.
    void openRowFile(const QString& path);
    // One comparison window, which the main window stays usable beside.
    void MnuVetaile_Click();

signals:
    // The comparison window moved rows into the list, or found none it could move.
    void comparisonMoved();

private:
    bool saveAs();
    bool saveTo(const QString& path);

    QWidget* m_window;
    RowListHistory& m_list;
    ListDocument& m_document;
    const BetSettings& m_settings;
    std::function<void(int columns)> m_switchColumns;
    RecentFilesMenu* m_recentFiles;
    QPointer<frmVertaile> m_compareWindow;
};
