#pragma once
// Rows the benchmarks fill their lists with, all different.
#include "core/scorerow.h"
#include <array>
#include <cstdint>
#include <vector>

// Three matches counting through the goals 0..base-1 from first on: with base 13, 13^6 rows are
// distinct, enough for three million (goals 0..9 would give only a million).
inline std::vector<ScoreRow> countingRows(int count, int first = 0, int base = 13)
{
    std::vector<ScoreRow> rows;
    rows.reserve(size_t(count));
    for (int n = first; n < first + count; ++n) {
        std::array<int, ScoreRow::MaxTeams> goals{};
        int rest = n;
        for (int& goal : goals) {
            goal = rest % base;
            rest /= base;
        }
        rows.push_back(ScoreRow(3, goals));
    }
    return rows;
}

// Every score 0..11 of every team, in the order "Listaa rivit" lists the full grid.
inline std::vector<ScoreRow> fullSystem()
{
    return countingRows(2'985'984, 0, 12);
}

// Three matches of goals 0..9, shifted into two-digit goals past the first million: the rows a
// player's files hold, and two lists that overlap where their offsets do.
// The rows' keys, what the plain baselines hash.
inline std::vector<std::uint64_t> keysOf(const std::vector<ScoreRow>& rows)
{
    std::vector<std::uint64_t> keys;
    keys.reserve(rows.size());
    for (ScoreRow row : rows)
        keys.push_back(row.key());
    return keys;
}

inline std::vector<ScoreRow> shiftedRows(int count, int offset)
{
    std::vector<ScoreRow> rows;
    rows.reserve(size_t(count));
    for (int n = offset; n < offset + count; ++n) {
        std::array<int, ScoreRow::MaxTeams> goals{};
        int rest = n;
        for (int& goal : goals) {
            goal = rest % 10;
            rest /= 10;
        }
        goals[5] += 10 * (rest % 9);
        rows.push_back(ScoreRow(3, goals));
    }
    return rows;
}
