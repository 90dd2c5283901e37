#include "ui/clearedinputs.h"
#include "ui/stakecolumn.h"
#include <QLineEdit>

ClearedInputs ClearedInputs::read(const QLineEdit& maxGoal, const RowsTab& rowsTab,
                                  const GoalGridTab& gridTab, const StakeColumn& stakes)
{
    return {maxGoal.text(), rowsTab.inputs(), gridTab.inputs(), stakes.tickedBoxes()};
}

void ClearedInputs::show(QLineEdit& maxGoal, RowsTab& rowsTab, GoalGridTab& gridTab,
                         StakeColumn& stakeColumn) const
{
    maxGoal.setText(this->maxGoal);
    rowsTab.setInputs(this->rowsTab);
    gridTab.setInputs(this->gridTab);
    stakeColumn.setTickedBoxes(stakes);
}

bool ClearedInputs::operator==(const ClearedInputs& other) const
{
    return maxGoal == other.maxGoal && rowsTab == other.rowsTab && gridTab == other.gridTab &&
           stakes == other.stakes;
}
