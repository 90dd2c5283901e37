#pragma once
// The chances of the scores in the main window: the window where the player sets them, the
// list's chance of winning below the tabs, each row's own chance as its tooltip, and the three
// commands that use them ("Parhaat rivit", ordering the list, checking a result). The chance
// is kept current from the list's own signals, so every change counts, undo and redo included.

#include "core/chance.h"
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class BetSettings;
class QAction;
class QLabel;
class QMenu;
class RowListHistory;
class RowListView;
class RowsTab;
class frmTarkista;
class frmTodennakoisyydet;

class ChanceCommands : public QObject
{
    Q_OBJECT
public:
    // window: the main window, the side windows' parent; chanceLabel shows the list's chance.
    // The chances are made again for the match count whenever settings switch it.
    ChanceCommands(QWidget* window, RowListHistory& history, RowsTab& rowsTab, QLabel& chanceLabel,
                   const BetSettings& settings, std::function<qint64()> stakeCents);
    ~ChanceCommands() override;

    // The chances in use; null while none are set.
    std::shared_ptr<const ScoreModel> model() const { return m_model; }
    // The edit menu's items of the chances; ordering is enabled as the menu opens, when there
    // are chances and two rows.
    void takeMenuItems(QMenu& menu, QAction* chances, QAction* order, QAction* check);

    // More about a row for its tooltip, below its chance ("" for nothing).
    void setRowNote(std::function<QString(ScoreRow)> note) { m_rowNote = std::move(note); }

    void MnuTodennakoisyydet_Click();
    void MnuJarjestaTod_Click();
    void MnuTarkistaTulos_Click();

signals:
    // The winning row was ticked and scrolled to: the rows tab is to be shown.
    void winningRowShown();
    // The chances were set, changed or taken away; model() tells which.
    void modelChanged();
    // "Parhaat arvorivit" in the chances window: count rows of highest value, each at least
    // leastChance likely.
    void bestValueRowsWanted(qint64 count, double leastChance);

private:
    void setModel(std::shared_ptr<const ScoreModel> model);
    void fillBestRows(qint64 count);
    void showWinningRow(int position);
    void countAll();
    void showChance();
    QString rowToolTip(int position) const;

    QWidget* m_window;
    RowListHistory& m_history;
    RowsTab& m_rowsTab;
    QLabel& m_chanceLabel;
    const BetSettings& m_settings;
    frmTodennakoisyydet* m_chancesWindow;
    QPointer<frmTarkista> m_checkWindow;
    std::shared_ptr<const ScoreModel> m_model;
    ChanceTally m_tally;
    std::function<QString(ScoreRow)> m_rowNote;
};
