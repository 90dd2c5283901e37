#include "core/weighteddraw.h"
#include <algorithm>

WeightedDrawer::WeightedDrawer(const ScoreModel& model, const GoalRanges& ranges)
{
    if (model.isEmpty() || !ranges.fits(model.matchCount()))
        return; // blocked at match 0
    for (int m = 0; m < model.matchCount(); ++m) {
        const GoalRange home = ranges.home(m), away = ranges.away(m);
        Match match;
        double running = 0; // a plain sum only grows, as the binary search needs
        for (int h = home.min; h <= home.max; ++h) {
            for (int a = away.min; a <= away.max; ++a) {
                const double p = model.match(m).at(h, a);
                if (p <= 0)
                    continue; // never drawn
                running += p;
                match.cumulative.push_back(running);
                match.score.push_back(quint16(h * MatchScores::Goals + a));
            }
        }
        if (match.cumulative.empty()) {
            m_blockedMatch = m;
            return;
        }
        m_matches.push_back(std::move(match));
    }
    m_blockedMatch = -1;
}

std::array<std::optional<int>, 6> WeightedDrawer::draw(RandomSource& random) const
{
    std::array<std::optional<int>, 6> goals;
    for (size_t m = 0; m < m_matches.size(); ++m) {
        const Match& match = m_matches[m];
        const double u = random.next() * match.cumulative.back();
        // The first running sum past u; kept within the table should a source give 1 itself.
        size_t i = size_t(std::upper_bound(match.cumulative.begin(), match.cumulative.end(), u) -
                          match.cumulative.begin());
        i = std::min(i, match.cumulative.size() - 1);
        goals[2 * m] = match.score[i] / MatchScores::Goals;
        goals[2 * m + 1] = match.score[i] % MatchScores::Goals;
    }
    return goals;
}

ScoreRow WeightedDrawer::rowOf(const std::array<std::optional<int>, 6>& goals) const
{
    std::array<int, 6> values{};
    for (size_t k = 0; k < 6; ++k)
        values[k] = goals[k].value_or(0);
    return ScoreRow(int(m_matches.size()), values);
}

DrawOutcome WeightedDrawer::drawInto(RowListModel& list, qint64 count, RandomSource& random,
                                     const ResultDrawer::Progress& progress) const
{
    // As the plain draw: progress every 20,000 draws, the view told in steps of a million.
    DrawOutcome outcome;
    if (!isDrawable())
        return outcome;
    while (outcome.drawn < count) {
        outcome.lastGoals = draw(random);
        outcome.lastWasNew = list.stageIfNew(rowOf(outcome.lastGoals));
        ++outcome.drawn;
        if (!DrawSteps::announceAndGoOn(list, outcome.drawn, count, progress))
            break;
    }
    list.announceStaged();
    return outcome;
}
