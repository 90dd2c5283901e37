#pragma once
// Probabilities of final scores. Each match has a table of its scores 0..99 - 0..99 from the
// expected goals of home and away (independent Poisson counts, optionally with the Dixon-Coles
// correction of the scores 0-0, 1-0, 0-1 and 1-1); matches are independent, so a row's
// probability is the product of its matches' entries, and a list's chance of winning is the
// sum over its rows, as different rows are exclusive outcomes.

#include "core/compensatedsum.h"
#include "core/oddsfit.h"
#include "core/poisson.h"
#include "core/scorerow.h"
#include <utility>
#include <vector>

class MatchScores
{
public:
    static constexpr int Goals = Poisson::Goals;

    // Whether rho keeps the four corrected scores from going below zero.
    static bool rhoAllowed(ExpectedGoals goals, double rho);
    // The table of one match; rho 0 is plain Poisson. Nothing when rho is not allowed or the
    // means are outside OddsFit::MinGoals..MaxGoals.
    static std::optional<MatchScores> make(ExpectedGoals goals, double rho = 0);

    double at(int home, int away) const { return m_cells[size_t(home * Goals + away)]; }
    // Goals * Goals entries, home goals major.
    const std::vector<double>& cells() const { return m_cells; }
    ExpectedGoals expectedGoals() const { return m_goals; }
    double rho() const { return m_rho; }
    // The model's own 1/X/2, to set beside the odds' own.
    OutcomeProbabilities outcomes() const;
    // The likeliest score within 0..limit for both teams (the first one on a tie).
    std::pair<int, int> likeliest(int limit = ScoreRow::MaxGoal) const;

private:
    MatchScores() = default;
    std::vector<double> m_cells;
    ExpectedGoals m_goals;
    double m_rho = 0;
};

class ScoreModel
{
public:
    ScoreModel() = default; // no model: every row 0
    // 2 or 3 matches; any other count makes an empty model.
    explicit ScoreModel(std::vector<MatchScores> matches);
    // The model of 2 or 3 matches with one rho for all; nothing when a match's table cannot be
    // made, and then refusedMatch (if given) tells the first such match, 0-based.
    static std::optional<ScoreModel> make(const std::vector<ExpectedGoals>& matches, double rho,
                                          int* refusedMatch = nullptr);

    bool isEmpty() const { return m_matches.empty(); }
    int matchCount() const { return int(m_matches.size()); }
    const MatchScores& match(int index) const { return m_matches[size_t(index)]; }

    // The product of the row's matches in match order; 0 for a row of another match count.
    double probability(ScoreRow row) const
    {
        const quint64 key = row.key();
        if (int((key >> 48) & 0xff) != m_count) // also every row of an empty model
            return 0;
        double p = m_cells[cellOf(key, 0)] * m_cells[cellOf(key, 1)];
        if (m_count == 3)
            p *= m_cells[cellOf(key, 2)];
        return p;
    }
    // Compensated sum over rows (duplicates count each time).
    double sum(const ScoreRow* rows, size_t count) const;
    double sum(const std::vector<ScoreRow>& rows) const { return sum(rows.data(), rows.size()); }

    // The positions 0..count-1 of the rows, most likely first; equal probabilities keep their
    // order.
    std::vector<int> likeliestFirst(const ScoreRow* rows, size_t count) const;

private:
    static size_t cellOf(quint64 key, int match)
    {
        const unsigned pair = unsigned(key >> (16 * match));
        return size_t(match) * MatchScores::Goals * MatchScores::Goals +
               (pair & 0xff) * MatchScores::Goals + ((pair >> 8) & 0xff);
    }

    std::vector<MatchScores> m_matches;
    std::vector<double> m_cells; // the matches' tables one after another
    int m_count = -1;
};

// The positions 0..size-1 of the keys (each 0 or more), highest first; equal keys keep their
// order.
std::vector<int> highestFirst(const std::vector<double>& keys);
