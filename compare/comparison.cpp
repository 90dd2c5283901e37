#include "compare/comparison.h"
#include <algorithm>

namespace {
int tickRowsFoundIn(RowListModel& list, const RowListModel& other)
{
    std::vector<int> found = other.positionsListed(list.rows());
    // Only the rows not ticked before count as newly ticked.
    found.erase(std::remove_if(found.begin(), found.end(),
                               [&list](int position) { return list.isChecked(position); }),
                found.end());
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
