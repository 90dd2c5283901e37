#include "core/oddsfit.h"
#include <algorithm>
#include <array>
#include <cmath>

namespace OddsFit {

namespace {
constexpr int Goals = 100;

// Poisson probabilities of 0..99 goals.
std::array<double, Goals> poisson(double mean)
{
    std::array<double, Goals> p{};
    p[0] = std::exp(-mean);
    for (int k = 1; k < Goals; ++k)
        p[size_t(k)] = p[size_t(k - 1)] * mean / k;
    return p;
}

// The model's probabilities and their derivatives by the logarithms of the two means, in the
// order 1, X, 2, over 2.5, under 2.5.
struct Evaluation
{
    std::array<double, 5> p{};
    std::array<double, 5> byHome{};
    std::array<double, 5> byAway{};
};

Evaluation evaluate(double home, double away)
{
    const auto ph = poisson(home);
    const auto pa = poisson(away);
    double homeWin = 0, draw = 0, awayWin = 0;
    double homeByOne = 0;                // P(home = away + 1)
    double awayByOne = 0;                // P(away = home + 1)
    double homeBelow = 0, awayBelow = 0; // P(home < k), P(away < k)
    for (size_t k = 0; k < Goals; ++k) {
        homeWin += ph[k] * awayBelow;
        awayWin += pa[k] * homeBelow;
        draw += ph[k] * pa[k];
        if (k + 1 < Goals) {
            homeByOne += ph[k + 1] * pa[k];
            awayByOne += ph[k] * pa[k + 1];
        }
        homeBelow += ph[k];
        awayBelow += pa[k];
    }
    const double total = home + away;
    const double twoGoals = std::exp(-total) * total * total / 2; // d over / d total
    const double under = std::exp(-total) * (1 + total + total * total / 2);

    Evaluation e;
    e.p = {homeWin, draw, awayWin, 1 - under, under};
    // The derivative of P(home > k) by the home mean is P(home = k), and so on; by the
    // logarithm of a mean each is multiplied by the mean.
    e.byHome = {draw, awayByOne - draw, -awayByOne, twoGoals, -twoGoals};
    e.byAway = {-homeByOne, homeByOne - draw, draw, twoGoals, -twoGoals};
    for (double& d : e.byHome)
        d *= home;
    for (double& d : e.byAway)
        d *= away;
    return e;
}

struct Solution
{
    double logHome;
    double logAway;
    double cost; // half the sum of squared residuals
    bool converged;
};

// Levenberg-Marquardt over the logarithms of the means, kept within the bounds. With only the
// 1 and X residuals the system is square and the steps become Newton's as the damping fades.
Solution solve(const std::array<double, 5>& target, int residuals, double logHome, double logAway)
{
    const double low = std::log(MinGoals), high = std::log(MaxGoals);
    auto costOf = [&](const Evaluation& e) {
        double c = 0;
        for (int i = 0; i < residuals; ++i)
            c += (e.p[size_t(i)] - target[size_t(i)]) * (e.p[size_t(i)] - target[size_t(i)]);
        return c / 2;
    };
    Evaluation e = evaluate(std::exp(logHome), std::exp(logAway));
    double cost = costOf(e);
    double damping = 1e-3;
    for (int iteration = 0; iteration < 500; ++iteration) {
        double a11 = 0, a12 = 0, a22 = 0, g1 = 0, g2 = 0;
        for (size_t i = 0; i < size_t(residuals); ++i) {
            const double r = e.p[i] - target[i];
            a11 += e.byHome[i] * e.byHome[i];
            a12 += e.byHome[i] * e.byAway[i];
            a22 += e.byAway[i] * e.byAway[i];
            g1 += e.byHome[i] * r;
            g2 += e.byAway[i] * r;
        }
        if (cost < 1e-32 || std::max(std::fabs(g1), std::fabs(g2)) < 1e-18)
            return {logHome, logAway, cost, true};
        const double d11 = a11 * (1 + damping) + 1e-30, d22 = a22 * (1 + damping) + 1e-30;
        const double det = d11 * d22 - a12 * a12;
        if (!(std::fabs(det) > 0))
            break;
        const double stepHome = (-g1 * d22 + g2 * a12) / det;
        const double stepAway = (-g2 * d11 + g1 * a12) / det;
        const double newHome = std::clamp(logHome + stepHome, low, high);
        const double newAway = std::clamp(logAway + stepAway, low, high);
        const Evaluation trial = evaluate(std::exp(newHome), std::exp(newAway));
        const double trialCost = costOf(trial);
        if (trialCost < cost) {
            const bool tiny = std::fabs(newHome - logHome) + std::fabs(newAway - logAway) < 1e-15;
            logHome = newHome;
            logAway = newAway;
            e = trial;
            cost = trialCost;
            damping = std::max(damping / 3, 1e-15);
            if (tiny)
                return {logHome, logAway, cost, true};
        } else {
            damping *= 4;
            if (damping > 1e15) // no step lowers the cost: a minimum within rounding
                return {logHome, logAway, cost, true};
        }
    }
    return {logHome, logAway, cost, false};
}

bool isProbability(double p)
{
    return std::isfinite(p) && p > 0 && p < 1;
}
} // namespace

OutcomeProbabilities outcomesFromOdds(double home, double draw, double away)
{
    const double sum = 1 / home + 1 / draw + 1 / away;
    return {1 / home / sum, 1 / draw / sum, 1 / away / sum};
}

double overFromOdds(double over, double under)
{
    return 1 / over / (1 / over + 1 / under);
}

OutcomeProbabilities poissonOutcomes(ExpectedGoals goals)
{
    const Evaluation e = evaluate(goals.home, goals.away);
    return {e.p[0], e.p[1], e.p[2]};
}

double poissonOver(ExpectedGoals goals)
{
    return evaluate(goals.home, goals.away).p[3];
}

std::optional<ExpectedGoals> fit(const OutcomeProbabilities& outcomes, std::optional<double> over)
{
    if (!isProbability(outcomes.home) || !isProbability(outcomes.draw) ||
        !isProbability(outcomes.away) ||
        std::fabs(outcomes.home + outcomes.draw + outcomes.away - 1) > 1e-9)
        return std::nullopt;
    if (over && !isProbability(*over))
        return std::nullopt;
    const std::array<double, 5> target{outcomes.home, outcomes.draw, outcomes.away,
                                       over.value_or(0), 1 - over.value_or(0)};
    const int residuals = over ? 5 : 2;
    const double low = std::log(MinGoals) + 1e-9, high = std::log(MaxGoals) - 1e-9;
    // Most matches converge from the first start; the others cover a long way from it.
    static const std::array<std::array<double, 2>, 6> starts{
        {{1.4, 1.1}, {0.3, 0.3}, {3, 3}, {4, 0.5}, {0.5, 4}, {12, 12}}};
    for (const auto& start : starts) {
        const Solution s = solve(target, residuals, std::log(start[0]), std::log(start[1]));
        // On a bound the best fit lies outside the means a row can hold.
        if (!s.converged || s.logHome < low || s.logHome > high || s.logAway < low ||
            s.logAway > high)
            continue;
        // 1X2 alone must be met exactly; a least-squares fit need only be a minimum.
        if (!over && s.cost > 1e-22)
            continue;
        return ExpectedGoals{std::exp(s.logHome), std::exp(s.logAway)};
    }
    return std::nullopt;
}

} // namespace OddsFit
