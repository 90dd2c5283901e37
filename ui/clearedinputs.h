#pragma once
// What "Tyhjennä kaikki" empties besides the row list: the maximum goal, the goal limits, the
// last result and the draw count, the goal grid and the stakes. Read before the command and
// shown again by its undo, so that taking the command back brings back all it cleared.
#include "ui/goalgridtab.h"
#include "ui/rowstab.h"
#include <array>

class QLineEdit;
class StakeColumn;

struct ClearedInputs
{
    QString maxGoal;
    RowsTab::Inputs rowsTab;
    GoalGridTab::Inputs gridTab;
    std::array<bool, 12> stakes{};

    static ClearedInputs read(const QLineEdit& maxGoal, const RowsTab& rowsTab,
                              const GoalGridTab& gridTab, const StakeColumn& stakes);
    // Shows them; the stakes reprice as they change, nothing else does.
    void show(QLineEdit& maxGoal, RowsTab& rowsTab, GoalGridTab& gridTab,
              StakeColumn& stakeColumn) const;
    bool operator==(const ClearedInputs& other) const;
};
