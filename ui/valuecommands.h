#pragma once
// The rows' value in the main window: the stake distribution window ("Pelijakauma") where the
// player gives the public's shares and the pool, the list's expected return below the chance,
// each row's value in its tooltip, and the two commands by value ("Parhaat arvorivit" from the
// chances window, ordering the list). The values need both the chances and a distribution;
// they are made again whenever either changes, or the stake per row, and the return is kept
// current from the list's own signals, undo and redo included.

#include "core/poolvalue.h"
#include <QObject>
#include <memory>

class BetSettings;
class ChanceCommands;
class QAction;
class QLabel;
class QMenu;
class RowListHistory;
class RowsTab;
class StakeColumn;
class frmJakauma;

class ValueCommands : public QObject
{
    Q_OBJECT
public:
    // window: the main window, the distribution window's parent; returnLabel shows the list's
    // expected return; stakes: the stake per row, followed as it changes.
    ValueCommands(QWidget* window, RowListHistory& history, RowsTab& rowsTab, QLabel& returnLabel,
                  const BetSettings& settings, ChanceCommands& chances, const StakeColumn& stakes);
    ~ValueCommands() override;

    // The rows' values in use; null while the chances or the distribution are missing.
    std::shared_ptr<const RowValue> rowValue() const { return m_value; }
    // The edit menu's items; ordering is enabled as the menu opens, when there are values and
    // two rows.
    void takeMenuItems(QMenu& menu, QAction* distribution, QAction* order);

    void MnuPelijakauma_Click();
    void MnuJarjestaArvo_Click();

signals:
    // The values were set, changed or taken away; rowValue() tells which.
    void rowValueChanged();

private:
    void remake();
    void fillBestValueRows(qint64 count, double leastChance);
    bool valuesSet();
    void countAll();
    void showReturn();
    QString rowNote(ScoreRow row) const;

    QWidget* m_window;
    RowListHistory& m_history;
    RowsTab& m_rowsTab;
    QLabel& m_returnLabel;
    const BetSettings& m_settings;
    ChanceCommands& m_chances;
    const StakeColumn& m_stakes;
    frmJakauma* m_distributionWindow;
    std::shared_ptr<const PoolValue> m_value;
    ValueTally m_tally;
};
