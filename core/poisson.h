#pragma once
// The goal counts of one team as a Poisson count, over the goals a row can hold, and the
// Dixon-Coles correction of the low scores. Shared by the odds fit and the score tables, so the
// means fitted to the odds are those of the tables the rows are priced by.

#include "core/scorerow.h"
#include <algorithm>
#include <array>
#include <cmath>

namespace Poisson {

// 0..99 goals, as a row holds. For the means allowed (up to 25) the tail past 99 is below
// 1e-20, so a table sums to 1 as it stands.
constexpr int Goals = ScoreRow::MaxGoal + 1;

using Table = std::array<double, Goals>;

// P(0), P(1), ... by the recurrence P(k) = P(k-1) * mean / k.
inline Table table(double mean)
{
    Table p{};
    p[0] = std::exp(-mean);
    for (size_t k = 1; k < p.size(); ++k)
        p[k] = p[k - 1] * mean / double(k);
    return p;
}

} // namespace Poisson

// The factors of the scores 0-0, 0-1, 1-0 and 1-1 (home-away): tau of Dixon and Coles,
// "Modelling association football scores and inefficiencies in the football betting market"
// (1997). They move as much chance into the low scores as out of them, so a table still sums
// to 1; every other score keeps its Poisson product.
struct DixonColes
{
    double homeMean;
    double awayMean;
    double rho;

    double nilNil() const { return 1 - homeMean * awayMean * rho; }
    double nilOne() const { return 1 + homeMean * rho; }
    double oneNil() const { return 1 + awayMean * rho; }
    double oneOne() const { return 1 - rho; }
    // Whether every factor keeps its score at zero or above.
    bool allowed() const
    {
        return std::isfinite(rho) && nilNil() >= 0 && nilOne() >= 0 && oneNil() >= 0 &&
               oneOne() >= 0;
    }
    // The rho values allowed for these means: [low, high].
    double lowestRho() const { return std::max(-1 / homeMean, -1 / awayMean); }
    double highestRho() const { return std::min(1.0, 1 / (homeMean * awayMean)); }
};
