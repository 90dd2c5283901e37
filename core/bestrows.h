#pragma once
// The most likely rows within the goal limits. Each match's scores within its limits are
// ranked by probability (ties: fewer home goals first, then fewer away goals); a row is a rank
// per match and its probability the product in match order. Rows are enumerated best-first
// from the top ranks with a heap, so N rows cost about N heap steps whatever the number of
// combinations. The order is total: probability descending, then the rank tuple ascending.
// Since a row's successors (one match's rank up by one) never come before it in that order,
// the rows leave the heap exactly in that order, and the first N are the N most likely: no
// other N rows within the limits have a larger sum.

#include "core/goalranges.h"
#include "core/rowlistmodel.h"
#include "core/scoremodel.h"
#include <functional>
#include <vector>

namespace BestRows {

// The largest count asked for at once, as for the random-result draw.
constexpr qint64 MaxCount = 100'000'000;

// The rows a budget buys at the stake per row: floor(budget / stake); nothing for a stake of
// 0 or less or a budget below 0.
std::optional<qint64> countForBudget(qint64 budgetCents, qint64 stakeCents);

// How many rows the limits hold for the model's matches.
qint64 combinations(const ScoreModel& model, const GoalRanges& ranges);

struct Result
{
    std::vector<ScoreRow> rows; // most likely first
    double chance = 0;          // the compensated sum of their probabilities
    bool stopped = false;
};

// Called every 65,536 rows with the rows made so far and the rows asked for (after capping at
// the combinations); false stops, and the rows made until then are kept: the best ones.
using Progress = std::function<bool(qint64 done, qint64 total)>;

// The count most likely rows, or all the combinations when there are fewer; never a row that
// cannot happen (probability 0), however many are asked. The ranges must be those of the
// model's match count.
Result find(const ScoreModel& model, const GoalRanges& ranges, qint64 count,
            const Progress& progress = {});

struct Appended
{
    qint64 found = 0; // the best rows gone through, listed or not
    qint64 added = 0; // those not listed before
    bool stopped = false;
};
// The same rows put straight into the list as they are found, each unless already listed, with
// no copy of them all on the way: a search of millions can be stopped at any point and keeps
// the best rows found until then.
Appended appendTo(RowListModel& list, const ScoreModel& model, const GoalRanges& ranges,
                  qint64 count, const Progress& progress = {});

} // namespace BestRows
