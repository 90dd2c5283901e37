#pragma once
// Comparing two row lists and moving a list into the main list. Both go through a list's hash
// index, so lists of millions of rows compare in a pass or two instead of pair by pair.

#include "core/rowlistmodel.h"

namespace Comparison {

// Ticks every row of either list that equals some row of the other list, duplicates on both
// sides included. Ticks already set stay; rows equal only within one list are not ticked.
// Returns how many rows were newly ticked in the two lists together.
int tickShared(RowListModel& first, RowListModel& second);

struct MoveResult
{
    int moved = 0;           // rows appended to the target
    int leftOutForWidth = 0; // rows of the source with another number of matches
};

// Appends the rows of source that the target does not hold yet, each once, in source order.
// Rows whose number of matches differs from targetColumnCount are left out and counted.
MoveResult appendMissing(const std::vector<ScoreRow>& source, RowListModel& target,
                         int targetColumnCount);

} // namespace Comparison
