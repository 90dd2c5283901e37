#include "core/scoremodel.h"
#include "core/poisson.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <utility>

namespace {
bool meanAllowed(double mean)
{
    return std::isfinite(mean) && mean >= OddsFit::MinGoals && mean <= OddsFit::MaxGoals;
}
} // namespace

bool MatchScores::rhoAllowed(ExpectedGoals goals, double rho)
{
    return DixonColes{goals.home, goals.away, rho}.allowed();
}

std::optional<MatchScores> MatchScores::make(ExpectedGoals goals, double rho)
{
    if (!meanAllowed(goals.home) || !meanAllowed(goals.away) || !rhoAllowed(goals, rho))
        return std::nullopt;
    const auto home = Poisson::table(goals.home);
    const auto away = Poisson::table(goals.away);
    MatchScores scores;
    scores.m_goals = goals;
    scores.m_rho = rho;
    scores.m_cells.resize(size_t(Goals * Goals));
    for (size_t h = 0; h < size_t(Goals); ++h)
        for (size_t a = 0; a < size_t(Goals); ++a)
            scores.m_cells[h * Goals + a] = home[h] * away[a];
    if (rho != 0) {
        const DixonColes tau{goals.home, goals.away, rho};
        scores.m_cells[0] *= tau.nilNil();
        scores.m_cells[1] *= tau.nilOne();
        scores.m_cells[Goals] *= tau.oneNil();
        scores.m_cells[Goals + 1] *= tau.oneOne();
    }
    return scores;
}

OutcomeProbabilities MatchScores::outcomes() const
{
    CompensatedSum home, draw, away;
    for (int h = 0; h < Goals; ++h)
        for (int a = 0; a < Goals; ++a)
            (h > a ? home : h == a ? draw : away).add(at(h, a));
    return {home.value(), draw.value(), away.value()};
}

std::pair<int, int> MatchScores::likeliest(int limit) const
{
    limit = std::clamp(limit, 0, ScoreRow::MaxGoal);
    std::pair<int, int> best{0, 0};
    for (int h = 0; h <= limit; ++h)
        for (int a = 0; a <= limit; ++a)
            if (at(h, a) > at(best.first, best.second))
                best = {h, a};
    return best;
}

ScoreModel::ScoreModel(std::vector<MatchScores> matches)
{
    if (matches.size() != 2 && matches.size() != 3)
        return;
    m_matches = std::move(matches);
    m_count = int(m_matches.size());
    for (const MatchScores& match : m_matches)
        m_cells.insert(m_cells.end(), match.cells().begin(), match.cells().end());
}

std::optional<ScoreModel> ScoreModel::make(const std::vector<ExpectedGoals>& matches, double rho,
                                           int* refusedMatch)
{
    if (matches.size() != 2 && matches.size() != 3)
        return std::nullopt;
    std::vector<MatchScores> tables;
    for (size_t m = 0; m < matches.size(); ++m) {
        auto table = MatchScores::make(matches[m], rho);
        if (!table) {
            if (refusedMatch)
                *refusedMatch = int(m);
            return std::nullopt;
        }
        tables.push_back(std::move(*table));
    }
    return ScoreModel(std::move(tables));
}

double ScoreModel::sum(const ScoreRow* rows, size_t count) const
{
    CompensatedSum total;
    for (size_t i = 0; i < count; ++i)
        total.add(probability(rows[i]));
    return total.value();
}

std::vector<int> ScoreModel::likeliestFirst(const ScoreRow* rows, size_t count) const
{
    std::vector<double> chances(count);
    for (size_t i = 0; i < count; ++i)
        chances[i] = probability(rows[i]);
    return highestFirst(chances);
}

std::vector<int> highestFirst(const std::vector<double>& keysIn)
{
    // The bits of a double of 0 or more order as the number does; inverted, the highest comes
    // first. A stable radix sort then keeps equal keys in their order, and takes a fraction of
    // a comparison sort's time over millions of rows.
    const size_t count = keysIn.size();
    std::vector<quint64> keys(count), keysOut(count);
    std::vector<int> order(count), orderOut(count);
    for (size_t i = 0; i < count; ++i) {
        quint64 bits;
        std::memcpy(&bits, &keysIn[i], sizeof bits);
        keys[i] = ~bits;
        order[i] = int(i);
    }
    constexpr int Digit = 8;
    constexpr quint64 Mask = (quint64(1) << Digit) - 1;
    std::vector<size_t> start(size_t(1) << Digit);
    for (int shift = 0; shift < 64; shift += Digit) {
        std::fill(start.begin(), start.end(), 0);
        for (quint64 key : keys)
            ++start[(key >> shift) & Mask];
        // A digit all keys share moves nothing.
        if (count == 0 || start[(keys[0] >> shift) & Mask] == count)
            continue;
        size_t sum = 0;
        for (size_t& s : start)
            sum += std::exchange(s, sum);
        for (size_t i = 0; i < count; ++i) {
            const size_t to = start[(keys[i] >> shift) & Mask]++;
            keysOut[to] = keys[i];
            orderOut[to] = order[i];
        }
        keys.swap(keysOut);
        order.swap(orderOut);
    }
    return order;
}
