#pragma once
// What the player types for one match: the decimal odds 1, X and 2 (and optionally over and
// under 2.5 goals), or the expected goals of home and away. Reading it is a pure function, so
// the window only shows the outcome: the fitted means, or the one error in a Finnish message.

#include "core/oddsfit.h"
#include <QLocale>
#include <QString>
#include <optional>

struct MatchInputTexts
{
    QString home, draw, away; // odds 1, X, 2
    QString over, under;      // odds of over and under 2.5 goals; both or neither
    QString homeGoals, awayGoals;
};

enum class MatchField
{
    Home,
    Draw,
    Away,
    Over,
    Under,
    HomeGoals,
    AwayGoals,
};

enum class MatchInputError
{
    None,
    Empty,      // nothing typed for the match
    Missing,    // the field is empty while the others of its kind are not
    NotANumber, // the field holds something else than a decimal number
    TooSmall,   // odds of 1 or below, or expected goals of 0 or below
    TooLarge,   // expected goals above OddsFit::MaxGoals
    CannotFit,  // no expected goals reproduce these odds
};

struct MatchInput
{
    // A bookmaker's 1/odds add up to a little over 1, their margin; outside this range (an
    // arbitrage below, a margin no bookmaker asks above) the odds are most likely mistyped.
    static constexpr double LeastBook = 0.995;
    static constexpr double MostBook = 1.30;
    // A fit that misses one of the odds' own outcomes by more than this (3 points) tells that
    // the 1X2 and over/under odds describe different matches.
    static constexpr double MostMiss = 0.03;

    MatchInputError error = MatchInputError::None;
    MatchField field = MatchField::Home; // the field at fault
    ExpectedGoals goals;                 // typed or fitted
    bool fromOdds = false;
    OutcomeProbabilities oddsOutcomes;   // the odds' own 1/X/2 without the margin
    std::optional<double> oddsOver;      // the odds' own chance of over 2.5 goals
    double book = 0;                     // the sum of 1/odds of 1, X and 2
    std::optional<double> overUnderBook; // the same of over and under
    double largestMiss = 0;              // the fitted model's largest miss of the odds' outcomes

    bool ok() const { return error == MatchInputError::None; }
    // Taken, but odds that the player may have mistyped: see LeastBook, MostBook.
    bool bookImplausible() const;
    bool oddsDisagree() const { return ok() && fromOdds && largestMiss > MostMiss; }
};

// The odds are used when any odds box holds text, the expected goals otherwise. Fields are
// checked in their order 1, X, 2, over, under (or home, away) and the first fault is told. The
// odds are fitted under the model with the Dixon-Coles rho given.
MatchInput readMatchInput(const MatchInputTexts& texts, const QLocale& locale = QLocale(),
                          double rho = 0);

// The expected goals as the window shows them beside the odds, "1,45 - 0,98".
QString expectedGoalsText(ExpectedGoals goals, const QLocale& locale = QLocale());

// The message for a faulty input of match 1..3.
QString matchInputErrorText(int match, const MatchInput& input);

// The Dixon-Coles rho as typed; empty is 0 (plain Poisson). Nothing when it is not a number.
std::optional<double> readRho(const QString& text, const QLocale& locale = QLocale());
// The message when rho cannot be used: match 1..3 whose low scores it would make negative, with
// the rho values that match allows; match 0 when it is not a number.
QString rhoErrorText(int match, double lowest = 0, double highest = 0,
                     const QLocale& locale = QLocale());
