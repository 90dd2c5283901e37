#include "core/goalranges.h"
#include "core/numbers.h"

GoalRanges GoalRanges::upTo(int matches, int max)
{
    GoalRanges ranges;
    ranges.matches = matches;
    for (GoalRange& team : ranges.teams)
        team = {0, max};
    return ranges;
}

bool GoalRanges::fits(int matchCount) const
{
    if (matchCount != matches || matches < 2 || matches > 3)
        return false;
    for (int k = 0; k < 2 * matches; ++k) {
        const GoalRange& r = teams[size_t(k)];
        if (r.min < 0 || r.max < r.min || r.max > ScoreRow::MaxGoal)
            return false;
    }
    return true;
}

std::optional<GoalRanges> GoalRanges::fromLimits(const GoalLimitTexts& limits, int columnCount)
{
    if (ResultDrawer(limits, columnCount).check().status != LimitCheck::Ok)
        return std::nullopt;
    // The check has read every box as a whole number 0..99 or as empty.
    auto read = [](const QString& text) -> std::optional<int> {
        if (text.trimmed().isEmpty())
            return std::nullopt;
        return int(*parseWholeNumber(text, ScoreRow::MaxGoal));
    };
    const std::optional<int> overall = read(limits.overallMax);
    GoalRanges ranges;
    ranges.matches = columnCount;
    for (size_t k = 0; k < size_t(2 * columnCount); ++k) {
        if (const auto max = read(limits.teamMax[k]))
            ranges.teams[k] = {read(limits.teamMin[k]).value_or(0), *max};
        else
            ranges.teams[k] = {0, *overall}; // the check found no team in use without both
    }
    return ranges;
}
