#pragma once
// Random final scores drawn by the model: each match's score is drawn from that match's
// probabilities within the goal limits (the table cut to the limits' rectangle and scaled to
// sum to 1), so a row comes up as often as the model, restricted to the limits, expects.
// Draws go into the list as the plain result draw's do.

#include "core/goalranges.h"
#include "core/random.h"
#include "core/resultdraw.h"
#include "core/scoremodel.h"
#include <array>
#include <optional>
#include <vector>

class WeightedDrawer
{
public:
    // The ranges must be those of the model's match count.
    WeightedDrawer(const ScoreModel& model, const GoalRanges& ranges);

    // False when the model and the limits do not fit together, or some match has no chance
    // at all within its limits (blockedMatch() tells which, 0-based).
    bool isDrawable() const { return m_blockedMatch < 0; }
    int blockedMatch() const { return m_blockedMatch; }

    // One draw; only when drawable. Teams of matches not in use get no value.
    std::array<std::optional<int>, 6> draw(RandomSource& random) const;
    ScoreRow rowOf(const std::array<std::optional<int>, 6>& goals) const;

    // Draws count rows into list, leaving out rows already listed, with the progress and stop
    // of ResultDrawer::drawInto. A stopped draw keeps the rows drawn so far.
    DrawOutcome drawInto(RowListModel& list, qint64 count, RandomSource& random,
                         const ResultDrawer::Progress& progress = {}) const;

private:
    struct Match
    {
        std::vector<double> cumulative; // running sums over the scores within the limits
        std::vector<quint16> score;     // home * 100 + away of each entry
    };
    std::vector<Match> m_matches;
    int m_blockedMatch = 0;
};
