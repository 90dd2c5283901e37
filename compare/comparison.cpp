#include "compare/comparison.h"

namespace Comparison {

int tickShared(RowListModel& first, RowListModel& second)
{
    if (&first == &second)
        return 0;
    // One index serves both ways; the smaller list's is the cheaper to build and to read.
    const bool secondIndexed = second.count() <= first.count();
    const RowListModel::Shared shared =
        secondIndexed ? second.sharedWith(first) : first.sharedWith(second);
    const int ticked1 = first.checkPositions(secondIndexed ? shared.inOther : shared.here);
    return ticked1 + second.checkPositions(secondIndexed ? shared.here : shared.inOther);
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
