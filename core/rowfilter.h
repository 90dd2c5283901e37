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
#include <type_traits>
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
        return m_matches == 2 ? m_judge.takes<2>(row) : m_judge.takes<3>(row);
    }
    // Whether the row stays when the filter is applied.
    bool keeps(ScoreRow row) const { return takes(row) == m_judge.keep; }

    // What would remain of rows: how many, and when chances (or a value) are given, the chance
    // of winning of the rows remaining and their mean value. A copy of a row is no second
    // chance: firstCopy marks each row's first copy in the list (empty: no row is listed
    // twice); without it the rows remaining are checked for copies among themselves, up to
    // mostChecked of them; past that the chance is left uncounted.
    struct Remaining
    {
        qint64 rows = 0;
        double chance = 0;
        bool chanceCounted = true;
        std::optional<double> meanValue;
    };
    Remaining remaining(const ScoreRow* rows, size_t count,
                        const std::vector<bool>* firstCopy = nullptr,
                        size_t mostChecked = size_t(-1)) const;

    // Removes the rows not kept from the list as one removal, each remaining row keeping its
    // tick; returns how many went, or nothing when stopped (the list then unchanged). progress
    // gets (done, total) now and then and stops the work by returning false; the list must not
    // change meanwhile (if it does, the work stops).
    std::optional<int> apply(RowListModel& list,
                             const std::function<bool(qint64, qint64)>& progress = {}) const;

private:
    // A cell of a match's table: the outcome counted in one of three two-bit fields, the goals
    // above them, and a refusal above those when the match's own conditions fail. A row's
    // cells add up, with no carry between the parts, to one index of a table of whether the
    // row passes: its outcome counts, goals in all and whether any match refused.
    static constexpr int Goals = ScoreRow::MaxGoal + 1;
    static constexpr int GoalsShift = 6;
    static constexpr quint32 RefusedCell = 1u << 16;
    static constexpr size_t RowTable = size_t(1) << 18;
    // A match's cells by its 16 bits of the key (home goals low, away high): no multiplying.
    static constexpr size_t MatchCells = size_t(1) << 16;

    static size_t cellOf(quint64 key, int match)
    {
        return size_t(match) * MatchCells + size_t((key >> (16 * match)) & 0xffff);
    }

    // What judging a row reads, copied out of the filter so that a loop over millions of rows
    // keeps it in registers; the match count is the loop's own constant.
    struct Judge
    {
        const quint32* cells = nullptr;
        const quint8* rowPasses = nullptr;
        const double* chanceCells = nullptr; // null without a chance condition
        double chanceMin = 0;
        const RowValue* value = nullptr; // null without a value condition
        double valueMin = 0;
        bool keep = true;

        template <int Matches> bool takes(ScoreRow row) const
        {
            const quint64 key = row.key();
            quint32 sum = cells[cellOf(key, 0)] + cells[cellOf(key, 1)];
            if constexpr (Matches == 3)
                sum += cells[cellOf(key, 2)];
            // One branch for all: which condition fails is no pattern a processor can guess.
            if (!((int((key >> 48) & 0xff) == Matches) & bool(rowPasses[sum])))
                return false;
            if (chanceCells) {
                // In the order of ScoreModel::probability(), so that the same double results.
                double p = chanceCells[cellOf(key, 0)] * chanceCells[cellOf(key, 1)];
                if constexpr (Matches == 3)
                    p *= chanceCells[cellOf(key, 2)];
                if (!(p >= chanceMin))
                    return false;
            }
            return !value || valueOf(row) >= valueMin;
        }
        double valueOf(ScoreRow row) const;
    };

    // Runs loop(Judge, std::integral_constant<int, matches>).
    template <typename Loop> auto withJudge(Loop loop) const
    {
        return m_matches == 2 ? loop(m_judge, std::integral_constant<int, 2>())
                              : loop(m_judge, std::integral_constant<int, 3>());
    }

    int m_matches = 3;
    const ScoreModel* m_chances = nullptr;
    const RowValue* m_value = nullptr;
    std::vector<quint32> m_cells;      // the matches' tables one after another
    std::vector<quint8> m_rowPasses;   // by a row's summed cells
    std::vector<double> m_chanceCells; // the chances' tables, for a chance condition
    Judge m_judge;
};

namespace RowFilterCopies {
// Each row's first copy marked; empty when no row is listed twice.
std::vector<bool> firstCopies(const std::vector<ScoreRow>& rows, size_t count);
} // namespace RowFilterCopies
