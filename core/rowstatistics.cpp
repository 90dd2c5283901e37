#include "core/rowstatistics.h"
#include "core/rowlistmodel.h"
#include <algorithm>

namespace {
constexpr int Matches = ScoreRow::MaxTeams / 2;
// A goal is one byte of the packed row; counting all 256 values needs no range check.
constexpr int GoalValues = 256;
} // namespace

RowStatistics::RowStatistics(const ScoreRow* rows, size_t count, int matchCount)
    : m_rowCount(qint64(count))
{
    const int limit = matchCount > 0 ? std::min(matchCount, Matches) : Matches;
    // Fixed tables on the stack keep the pass free of allocation and bounds tests.
    std::array<std::array<qint64, GoalValues>, Matches> home{};
    std::array<std::array<qint64, GoalValues>, Matches> away{};
    std::array<std::array<qint64, 3>, Matches> outcomes{};
    int matchesSeen = 0;
    for (size_t r = 0; r < count; ++r) {
        const quint64 key = rows[r].key();
        const int matches = std::min(int((key >> 48) & 0xff), limit);
        matchesSeen = std::max(matchesSeen, matches);
        for (int m = 0; m < matches; ++m) {
            const unsigned h = unsigned(key >> (16 * m)) & 0xff;
            const unsigned a = unsigned(key >> (16 * m + 8)) & 0xff;
            ++home[size_t(m)][h];
            ++away[size_t(m)][a];
            // 0 home win, 1 draw, 2 away win
            ++outcomes[size_t(m)][size_t((h == a) + 2 * (h < a))];
        }
    }

    m_matches.resize(size_t(matchesSeen));
    for (size_t m = 0; m < m_matches.size(); ++m) {
        int top = GoalValues - 1;
        while (top > 0 && home[m][size_t(top)] == 0 && away[m][size_t(top)] == 0)
            --top;
        MatchStatistics& stats = m_matches[m];
        stats.homeGoals.assign(home[m].begin(), home[m].begin() + top + 1);
        stats.awayGoals.assign(away[m].begin(), away[m].begin() + top + 1);
        stats.outcomes = outcomes[m];
        stats.rows = outcomes[m][0] + outcomes[m][1] + outcomes[m][2];
    }
}

RowStatistics::RowStatistics(const RowListModel& list)
    : RowStatistics(list.rows().data(), size_t(list.count()))
{
}
