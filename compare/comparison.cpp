#include "compare/comparison.h"

namespace {
int tickRowsFoundIn(RowListModel& list, const RowListModel& other)
{
    std::vector<int> found;
    const std::vector<ScoreRow>& rows = list.rows();
    for (size_t i = 0; i < rows.size(); ++i)
        if (!list.isChecked(int(i)) && other.contains(rows[i]))
            found.push_back(int(i));
    list.checkPositions(found);
    return int(found.size());
}
} // namespace

namespace Comparison {

int tickShared(RowListModel& first, RowListModel& second)
{
    if (&first == &second)
        return 0;
    return tickRowsFoundIn(first, second) + tickRowsFoundIn(second, first);
}

MoveResult appendMissing(const std::vector<ScoreRow>& source, RowListModel& target,
                         int targetColumnCount)
{
    MoveResult result;
    std::vector<ScoreRow> fitting;
    fitting.reserve(source.size());
    for (ScoreRow row : source) {
        if (row.matchCount() == targetColumnCount)
            fitting.push_back(row);
        else
            ++result.leftOutForWidth;
    }
    result.moved = target.appendNew(fitting);
    return result;
}

} // namespace Comparison
