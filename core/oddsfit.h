#pragma once
// Expected goals from a bookmaker's odds. Home and away goals are taken as independent Poisson
// counts, with the Dixon-Coles correction of the low scores when rho is not 0; the two means are
// fitted so that the model, correction included, gives the probabilities the odds imply.
// 1X2 alone fixes both means; with over/under 2.5 as well the five probabilities are fitted
// by least squares.

#include <optional>

struct ExpectedGoals
{
    double home = 0;
    double away = 0;
};

// The three outcomes of a match: 1 home win, X draw, 2 away win.
struct OutcomeProbabilities
{
    double home = 0;
    double draw = 0;
    double away = 0;
};

namespace OddsFit {

// Means beyond these are refused: with a mean of 25 the chance of more goals than a row can
// hold (99) is below 1e-20, so the score tables stay complete.
constexpr double MinGoals = 1e-3;
constexpr double MaxGoals = 25;

// Odds turned into probabilities without the bookmaker's margin: each 1/odds divided by the
// sum of them all. Odds must be above 1.
OutcomeProbabilities outcomesFromOdds(double home, double draw, double away);
// The probability of more than 2.5 goals from the over and under odds, margin removed.
double overFromOdds(double over, double under);

// The model's outcomes and its chance of more than 2.5 goals, over the goals 0..99 that a row
// can hold. The correction moves no score across 2.5 goals, so the over chance needs no rho.
OutcomeProbabilities poissonOutcomes(ExpectedGoals goals, double rho = 0);
double poissonOver(ExpectedGoals goals);

// The means that reproduce the outcomes (and the over 2.5 chance, when given) under the model
// with this rho; nothing when no means within MinGoals..MaxGoals do: the probabilities must be
// positive and sum to 1.
std::optional<ExpectedGoals> fit(const OutcomeProbabilities& outcomes,
                                 std::optional<double> over = std::nullopt, double rho = 0);

} // namespace OddsFit
