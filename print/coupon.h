#pragma once
// Where the marks of one paper coupon go. A coupon carries one bet, a single row or the whole
// goal grid, with the stake boxes and the game number; every mark is an "X" whose top-left
// corner sits at a fixed position in millimetres from the top-left of the printable area.
// Pure geometry: offsets are added by whoever paints the marks.

#include "core/scorerow.h"
#include <array>
#include <vector>

struct Mark
{
    double x = 0; // mm to the right
    double y = 0; // mm down
    friend bool operator==(Mark a, Mark b) { return a.x == b.x && a.y == b.y; }
};

// Stake boxes in the order Chk1Markka, Chk2Markka, Chk3Markka, Chk5Markka, Chk10markka,
// Chk20Markka, Chk30Markka, Chk50Markka, Chk100Markka, Chk200Markka, Chk300Markka,
// Chk500Markka (0,2 to 100 euros, as Money::StakeBoxCents).
using StakeBoxes = std::array<bool, 12>;
// Goal-grid ticks: home 1, away 1, home 2, away 2, home 3, away 3; boxes 0..11.
using GridTicks = std::array<std::array<bool, 12>, 6>;

struct CouponBet
{
    StakeBoxes stakeBoxes{};
    int gameNumber = 0;  // 1..6; anything else marks no game
    int columnCount = 3; // matches printed: 2 or 3
};

namespace Coupon {

inline constexpr Mark FixedMark{8, 20};
inline constexpr std::array<double, 6> GameX = {28, 32, 38, 42, 48, 53};
inline constexpr double GameY = 66;
// Goal lines in team order, and the goal columns 0..11.
inline constexpr std::array<double, 6> LineY = {52, 48, 38, 34, 25, 20};
inline constexpr std::array<double, 12> GoalX = {17, 22, 27, 32, 37, 42, 48, 52, 58, 63, 68, 73};
// Goals a row coupon has boxes for.
inline constexpr int RowCouponMaxGoal = 9;

Mark stakeMark(int box);

// Whether every goal the coupon would print has a box; a row with a goal above 9 has none.
bool rowFits(ScoreRow row, int columnCount);

// The marks in print order: fixed mark, stakes, game number, goals. A row that does not fit
// gets no goal marks at all, never a mark for a wrong goal.
std::vector<Mark> rowCoupon(const CouponBet& bet, ScoreRow row);
std::vector<Mark> systemCoupon(const CouponBet& bet, const GridTicks& ticks);

// Every position a mark can take on a coupon with this many matches.
std::vector<Mark> allPositions(int columnCount = 3);

// An X covers at most the em square of its 10-point font, right and down from its corner.
inline constexpr double MarkSize = 10 * 25.4 / 72;
// Whether every mark, shifted by (dx, dy), lies wholly on a printable area of this size: a
// mark off it would not be printed, and the coupon would go out without it.
bool onArea(const std::vector<Mark>& marks, double dx, double dy, double width, double height);

} // namespace Coupon
