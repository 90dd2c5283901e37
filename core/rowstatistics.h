#pragma once
// What a row list bets on, match by match: how often each goal count is listed for the home
// and the away team, and how the rows split between home wins, draws and away wins. Counted
// in one pass over the packed rows, so a list of millions is summed in a few milliseconds.

#include "core/scorerow.h"
#include <QtGlobal>
#include <array>
#include <vector>

class RowListModel;

struct MatchStatistics
{
    enum Outcome
    {
        HomeWin, // 1
        Draw,    // X
        AwayWin, // 2
    };

    // homeGoals[g] rows score g home goals; both run from 0 to the highest goal count seen
    // for either team, so the two line up goal by goal.
    std::vector<qint64> homeGoals;
    std::vector<qint64> awayGoals;
    std::array<qint64, 3> outcomes{};
    qint64 rows = 0; // rows that have this match

    // The part of the rows with this outcome, 0..1; 0 for no rows.
    double share(Outcome outcome) const
    {
        return rows == 0 ? 0.0 : double(outcomes[size_t(outcome)]) / double(rows);
    }
};

class RowStatistics
{
public:
    RowStatistics() = default;
    // The first count rows; matchCount limits the matches counted (0 = as many as the rows
    // have). A row with fewer matches than another counts only in the matches it has.
    RowStatistics(const ScoreRow* rows, size_t count, int matchCount = 0);
    explicit RowStatistics(const std::vector<ScoreRow>& rows, int matchCount = 0)
        : RowStatistics(rows.data(), rows.size(), matchCount)
    {
    }
    // The rows the list shows (not any it is still staging).
    explicit RowStatistics(const RowListModel& list);

    // The matches in use: the most any counted row has, 0 for no rows.
    int matchCount() const { return int(m_matches.size()); }
    qint64 rowCount() const { return m_rowCount; }
    const MatchStatistics& match(int index) const { return m_matches[size_t(index)]; }

private:
    std::vector<MatchStatistics> m_matches;
    qint64 m_rowCount = 0;
};
