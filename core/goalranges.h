#pragma once
// The goals each team may score under the rows tab's limits, as the random-result draw reads
// them: a team with its own maximum scores from its minimum (0 without one) to that maximum,
// any other team from 0 to the overall maximum. The overall maximum is a limit per team, not
// per row, so the limits of a match form a rectangle of scores.

#include "core/resultdraw.h"
#include "core/scorerow.h"
#include <array>
#include <optional>

struct GoalRange
{
    int min = 0;
    int max = 0;
};

struct GoalRanges
{
    int matches = 3;
    std::array<GoalRange, ScoreRow::MaxTeams> teams{}; // home 1, away 1, ..., away 3

    // Every team of the matches from 0 to max.
    static GoalRanges upTo(int matches, int max);
    // The ranges the limit boxes give, when the draw's own check of them passes.
    static std::optional<GoalRanges> fromLimits(const GoalLimitTexts& limits, int columnCount);

    // Whether these are ranges of that many matches, each 0 <= min <= max <= 99.
    bool fits(int matchCount) const;

    const GoalRange& home(int match) const { return teams[size_t(2 * match)]; }
    const GoalRange& away(int match) const { return teams[size_t(2 * match + 1)]; }
};
