#pragma once
// Cutting a row list down by conditions: per match its outcome, goals and goal difference; per
// row its goals in all, how many of its matches end in each outcome, its chance and its value.
// A row is taken when it meets every condition set; the filter either keeps the rows taken or
// removes them. The conditions are read from the texts the player typed, and judged through
// small tables built once, so that counting or cutting millions of rows costs a few table
// reads a row.

#include "core/scorerow.h"
#include <QLocale>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class RowListModel;
class RowValue;
class ScoreModel;

// The filter window's inputs as typed; empty boxes and ticks all on set no condition.
struct RowFilterTexts
{
    struct Match
    {
        std::array<bool, 3> outcomes{true, true, true}; // home win, draw, away win
        QString goalsMin, goalsMax;
        QString differenceMin, differenceMax; // home minus away
    };
    std::array<Match, 3> matches;
    QString rowGoalsMin, rowGoalsMax;
    QString homeWinsMin, homeWinsMax;
    QString drawsMin, drawsMax;
    QString awayWinsMin, awayWinsMax;
    QString chanceMin; // per cent
    QString valueMin;
    bool keep = true; // keep the rows taken; false: remove them

    friend bool operator==(const RowFilterTexts& a, const RowFilterTexts& b);
};

// A closed range; a side not typed is open.
struct FilterRange
{
    int min = -1000;
    int max = 1000;

    bool contains(int n) const { return n >= min && n <= max; }
};

struct RowFilterConditions
{
    struct Match
    {
        std::array<bool, 3> outcomes{true, true, true};
        FilterRange goals;
        FilterRange difference;
    };
    int matches = 3;
    std::array<Match, 3> match;
    FilterRange rowGoals, homeWins, draws, awayWins;
    std::optional<double> chanceMin; // a probability, 0..1
    std::optional<double> valueMin;
    bool keep = true;
};

// What was wrong in the boxes: each box at fault by its objectName in the window, with why.
struct RowFilterFault
{
    QString box;
    QString message;
};

struct RowFilterInput
{
    std::optional<RowFilterConditions> conditions; // nothing when a box is at fault
    std::vector<RowFilterFault> faults;
};

namespace RowFilterLimits {
inline constexpr int MaxNumber = 99;
// The least chance a player can ask, in per cent: below it every row with any chance passes.
inline constexpr double MaxChancePercent = 100;
} // namespace RowFilterLimits

// Matches 1..matchCount are read; the chance box only when withChance, the value box only when
// withValue (a box not read is no condition, whatever it holds).
RowFilterInput readRowFilter(const RowFilterTexts& texts, int matchCount, bool withChance,
                             bool withValue, const QLocale& locale = QLocale());

class RowFilter
{
public:
    // chances and value are looked at only when the conditions use them, or when the figures of
    // what remains are counted; they must outlive the filter.
    RowFilter(const RowFilterConditions& conditions, const ScoreModel* chances = nullptr,
              const RowValue* value = nullptr);

    // Whether the row meets every condition.
    bool takes(ScoreRow row) const
    {
        const quint64 key = row.key();
        if (int((key >> 48) & 0xff) != m_matches)
            return false;
        quint32 sum = m_cells[cellOf(key, 0)] + m_cells[cellOf(key, 1)];
        if (m_matches == 3)
            sum += m_cells[cellOf(key, 2)];
        if ((sum & Refused) || !m_outcomeCounts[sum & CountsMask] ||
            !m_rowGoals[(sum >> GoalsShift) & GoalsMask])
            return false;
        return m_plain || takesByChance(row);
    }
    // Whether the row stays when the filter is applied.
    bool keeps(ScoreRow row) const { return takes(row) == m_keep; }

    // What would remain of rows: how many, and when chances (or a value) are given, the chance
    // of winning of the rows remaining (each different row once: firstCopy, when not empty,
    // marks each row's first copy in the list) and their mean value.
    struct Remaining
    {
        qint64 rows = 0;
        double chance = 0;
        std::optional<double> meanValue;
    };
    Remaining remaining(const ScoreRow* rows, size_t count,
                        const std::vector<bool>& firstCopy = {}) const;

    // The positions of rows to remove, and how many; nothing when stopped. progress gets
    // (done, total) now and then and stops the work by returning false.
    struct Marked
    {
        std::vector<bool> remove;
        size_t count = 0;
    };
    std::optional<Marked> mark(const ScoreRow* rows, size_t count,
                               const std::function<bool(qint64, qint64)>& progress = {}) const;

    // Removes the rows not kept from the list as one removal, each remaining row keeping its
    // tick; returns how many went, or nothing when stopped (the list then unchanged).
    std::optional<int> apply(RowListModel& list,
                             const std::function<bool(qint64, qint64)>& progress = {}) const;

private:
    // A cell of a match's table: the outcome counted in one of three nibbles, the goals above
    // them, and the match's own refusal bit when its conditions fail. A row's cells add up to
    // its outcome counts and goals in all, with no carry between the parts.
    static constexpr quint32 Refused = 0xe000'0000u; // one bit a match
    static constexpr int GoalsShift = 12;
    static constexpr quint32 CountsMask = 0xfff;
    static constexpr quint32 GoalsMask = 0x3ff;
    static constexpr int Goals = ScoreRow::MaxGoal + 1;

    static size_t cellOf(quint64 key, int match)
    {
        const unsigned pair = unsigned(key >> (16 * match));
        return size_t(match) * Goals * Goals + (pair & 0xff) * Goals + ((pair >> 8) & 0xff);
    }
    bool takesByChance(ScoreRow row) const;

    int m_matches = 3;
    bool m_keep = true;
    bool m_plain = true; // no chance or value condition
    std::optional<double> m_chanceMin;
    std::optional<double> m_valueMin;
    const ScoreModel* m_chances = nullptr;
    const RowValue* m_value = nullptr;
    std::vector<quint32> m_cells;        // the matches' tables one after another
    std::vector<quint8> m_outcomeCounts; // by the summed nibbles: whether the counts pass
    std::vector<quint8> m_rowGoals;      // by the goals in all: whether they pass
};

namespace RowFilterCopies {
// Each row's first copy marked; empty when no row is listed twice.
std::vector<bool> firstCopies(const std::vector<ScoreRow>& rows, size_t count);
} // namespace RowFilterCopies
