#include "core/oddsfit.h"
#include "core/poisson.h"
#include <algorithm>
#include <array>
#include <cmath>

namespace OddsFit {

namespace {
constexpr size_t Goals = Poisson::Goals;

// When the search stops. The probabilities are near 1e-1, so a cost (half the squared
// residuals) of 1e-32 is a residual of about 1e-16: double rounding, nothing left to gain.
constexpr double ExactCost = 1e-32;
// A gradient this small moves the means by less than rounding.
constexpr double FlatGradient = 1e-18;
// A step shorter than this in the logarithms changes no mean's double.
constexpr double NoStep = 1e-15;
// Levenberg-Marquardt's damping: where it starts, its floor, and the ceiling at which no step
// in any direction lowers the cost any more (a minimum within rounding).
constexpr double FirstDamping = 1e-3;
constexpr double LeastDamping = 1e-15;
constexpr double MostDamping = 1e15;
// Keeps the normal equations solvable when a derivative vanishes (a mean at its bound).
constexpr double Ridge = 1e-30;
// The means converge in a few dozen steps from any start that leads anywhere.
constexpr int MostIterations = 500;
// 1X2 alone is two equations in two means: met to rounding (a residual of 1e-11 at most), or
// the start led elsewhere.
constexpr double SquareSystemCost = 1e-22;
// A fit this close to a bound lies on it: the best means are outside those a row can hold.
constexpr double OnBound = 1e-9;
// Probabilities read from odds sum to 1 but for the rounding of three divisions.
constexpr double SumTolerance = 1e-9;

// The model's probabilities and their derivatives by the logarithms of the two means, in the
// order 1, X, 2, over 2.5, under 2.5.
struct Evaluation
{
    std::array<double, 5> p{};
    std::array<double, 5> byHome{};
    std::array<double, 5> byAway{};
};

Evaluation evaluate(double home, double away, double rho)
{
    const auto ph = Poisson::table(home);
    const auto pa = Poisson::table(away);
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
    // Dixon-Coles moves c = home * away * rho * exp(-total) into each of 1-0 and 0-1 and out of
    // 0-0 and 1-1 twice over; by the logarithm of the home mean c changes by c * (1 - home).
    if (rho != 0) {
        const double c = home * away * rho * std::exp(-total);
        const std::array<double, 3> shift{c, -2 * c, c};
        for (size_t i = 0; i < 3; ++i) {
            e.p[i] += shift[i];
            e.byHome[i] += shift[i] * (1 - home);
            e.byAway[i] += shift[i] * (1 - away);
        }
    }
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
Solution solve(const std::array<double, 5>& target, int residuals, double rho, double logHome,
               double logAway)
{
    const double low = std::log(MinGoals), high = std::log(MaxGoals);
    auto costOf = [&](const Evaluation& e) {
        double c = 0;
        for (int i = 0; i < residuals; ++i)
            c += (e.p[size_t(i)] - target[size_t(i)]) * (e.p[size_t(i)] - target[size_t(i)]);
        return c / 2;
    };
    Evaluation e = evaluate(std::exp(logHome), std::exp(logAway), rho);
    double cost = costOf(e);
    double damping = FirstDamping;
    for (int iteration = 0; iteration < MostIterations; ++iteration) {
        double a11 = 0, a12 = 0, a22 = 0, g1 = 0, g2 = 0;
        for (size_t i = 0; i < size_t(residuals); ++i) {
            const double r = e.p[i] - target[i];
            a11 += e.byHome[i] * e.byHome[i];
            a12 += e.byHome[i] * e.byAway[i];
            a22 += e.byAway[i] * e.byAway[i];
            g1 += e.byHome[i] * r;
            g2 += e.byAway[i] * r;
        }
        if (cost < ExactCost || std::max(std::fabs(g1), std::fabs(g2)) < FlatGradient)
            return {logHome, logAway, cost, true};
        const double d11 = a11 * (1 + damping) + Ridge, d22 = a22 * (1 + damping) + Ridge;
        const double det = d11 * d22 - a12 * a12;
        if (!(std::fabs(det) > 0))
            break;
        const double stepHome = (-g1 * d22 + g2 * a12) / det;
        const double stepAway = (-g2 * d11 + g1 * a12) / det;
        const double newHome = std::clamp(logHome + stepHome, low, high);
        const double newAway = std::clamp(logAway + stepAway, low, high);
        const Evaluation trial = evaluate(std::exp(newHome), std::exp(newAway), rho);
        const double trialCost = costOf(trial);
        if (trialCost < cost) {
            const bool tiny = std::fabs(newHome - logHome) + std::fabs(newAway - logAway) < NoStep;
            logHome = newHome;
            logAway = newAway;
            e = trial;
            cost = trialCost;
            damping = std::max(damping / 3, LeastDamping);
            if (tiny)
                return {logHome, logAway, cost, true};
        } else {
            damping *= 4;
            if (damping > MostDamping)
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

OutcomeProbabilities poissonOutcomes(ExpectedGoals goals, double rho)
{
    const Evaluation e = evaluate(goals.home, goals.away, rho);
    return {e.p[0], e.p[1], e.p[2]};
}

double poissonOver(ExpectedGoals goals)
{
    return evaluate(goals.home, goals.away, 0).p[3];
}

std::optional<ExpectedGoals> fit(const OutcomeProbabilities& outcomes, std::optional<double> over,
                                 double rho)
{
    if (!isProbability(outcomes.home) || !isProbability(outcomes.draw) ||
        !isProbability(outcomes.away) ||
        std::fabs(outcomes.home + outcomes.draw + outcomes.away - 1) > SumTolerance)
        return std::nullopt;
    if ((over && !isProbability(*over)) || !std::isfinite(rho))
        return std::nullopt;
    const std::array<double, 5> target{outcomes.home, outcomes.draw, outcomes.away,
                                       over.value_or(0), 1 - over.value_or(0)};
    const int residuals = over ? 5 : 2;
    const double low = std::log(MinGoals) + OnBound, high = std::log(MaxGoals) - OnBound;
    // Most matches converge from the first start; the others cover a long way from it.
    static const std::array<std::array<double, 2>, 6> starts{
        {{1.4, 1.1}, {0.3, 0.3}, {3, 3}, {4, 0.5}, {0.5, 4}, {12, 12}}};
    for (const auto& start : starts) {
        const Solution s = solve(target, residuals, rho, std::log(start[0]), std::log(start[1]));
        // On a bound the best fit lies outside the means a row can hold.
        if (!s.converged || s.logHome < low || s.logHome > high || s.logAway < low ||
            s.logAway > high)
            continue;
        // 1X2 alone must be met exactly; a least-squares fit need only be a minimum.
        if (!over && s.cost > SquareSystemCost)
            continue;
        return ExpectedGoals{std::exp(s.logHome), std::exp(s.logAway)};
    }
    return std::nullopt;
}

} // namespace OddsFit
