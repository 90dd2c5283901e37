#pragma once
// The rows of highest value within the goal limits, at least as likely as asked. A row's value
// is no product of its matches' parts (the player's own stake is added to the public's), so
// the rows are searched depth first, match by match, each match's scores most likely first,
// and a branch is left as soon as a bound on every row in it (the best chance of the matches
// left over the least share they can have) falls below the worst row kept. The order is
// total: value descending, then the goals in row order ascending (match 1's home goals fewest
// first, then its away goals, then match 2's), so that equal values are taken as "Parhaat
// rivit" takes equal chances, fewer home goals first. No row left out has a higher value than
// one taken, and never a row that cannot happen.

#include "core/bestrows.h"
#include "core/goalranges.h"
#include "core/poolvalue.h"
#include "core/rowlistmodel.h"
#include <vector>

namespace BestValueRows {

struct Result
{
    std::vector<ScoreRow> rows; // highest value first
    bool stopped = false;
};

// leastChance: a row's probability must be at least this (0 for any). The progress is told in
// steps of the search through the first matches' scores; false stops, and the best rows met
// until then are kept. The ranges must be those of the model's match count.
Result find(const PoolValue& value, const GoalRanges& ranges, qint64 count, double leastChance = 0,
            const BestRows::Progress& progress = {});

// The same rows put into the list, each unless already listed, highest value first.
BestRows::Appended appendTo(RowListModel& list, const PoolValue& value, const GoalRanges& ranges,
                            qint64 count, double leastChance = 0,
                            const BestRows::Progress& progress = {});

} // namespace BestValueRows
