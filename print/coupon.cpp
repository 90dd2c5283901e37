#include "print/coupon.h"
#include <algorithm>

namespace Coupon {
namespace {
// The stake marks are laid out in two rows: the boxes 0,2 0,5 2 5 20 50 on the lower
// line, 0,3 1 3 10 30 100 above them; the 100 euro box alone excludes the others.
constexpr int HundredBox = 11;
constexpr std::array<int, 11> StakeOrder = {0, 2, 4, 6, 8, 10, 1, 3, 5, 7, 9};

void addHeader(std::vector<Mark>& marks, const CouponBet& bet)
{
    marks.push_back(FixedMark);
    if (bet.stakeBoxes[HundredBox]) {
        marks.push_back(stakeMark(HundredBox));
    } else {
        for (int box : StakeOrder)
            if (bet.stakeBoxes[size_t(box)])
                marks.push_back(stakeMark(box));
    }
    if (bet.gameNumber >= 1 && bet.gameNumber <= 6)
        marks.push_back({GameX[size_t(bet.gameNumber - 1)], GameY});
}

int teamsPrinted(int columnCount)
{
    return columnCount == 2 ? 4 : 6;
}
} // namespace

Mark stakeMark(int box)
{
    return {68.0 + 5 * (box / 2), box % 2 == 0 ? 66.0 : 61.0};
}

bool rowFits(ScoreRow row, int columnCount)
{
    const int teams = std::min(teamsPrinted(columnCount), 2 * row.matchCount());
    for (int team = 0; team < teams; ++team)
        if (row.goal(team) > RowCouponMaxGoal)
            return false;
    return true;
}

std::vector<Mark> rowCoupon(const CouponBet& bet, ScoreRow row)
{
    std::vector<Mark> marks;
    addHeader(marks, bet);
    if (!rowFits(row, bet.columnCount))
        return marks;
    // A row of fewer matches than the coupon prints leaves the last lines empty.
    const int teams = std::min(teamsPrinted(bet.columnCount), 2 * row.matchCount());
    for (int team = 0; team < teams; ++team)
        marks.push_back({GoalX[size_t(row.goal(team))], LineY[size_t(team)]});
    return marks;
}

std::vector<Mark> systemCoupon(const CouponBet& bet, const GridTicks& ticks)
{
    std::vector<Mark> marks;
    addHeader(marks, bet);
    for (int team = 0; team < teamsPrinted(bet.columnCount); ++team)
        for (size_t goal = 0; goal < GoalX.size(); ++goal)
            if (ticks[size_t(team)][goal])
                marks.push_back({GoalX[goal], LineY[size_t(team)]});
    return marks;
}

std::vector<Mark> allPositions(int columnCount)
{
    std::vector<Mark> marks{FixedMark};
    for (int box = 0; box < 12; ++box)
        marks.push_back(stakeMark(box));
    for (double x : GameX)
        marks.push_back({x, GameY});
    for (int team = 0; team < teamsPrinted(columnCount); ++team)
        for (double x : GoalX)
            marks.push_back({x, LineY[size_t(team)]});
    return marks;
}

bool onArea(const std::vector<Mark>& marks, double dx, double dy, double width, double height)
{
    return std::all_of(marks.begin(), marks.end(), [&](Mark mark) {
        const double x = mark.x + dx;
        const double y = mark.y + dy;
        return x >= 0 && y >= 0 && x + MarkSize <= width && y + MarkSize <= height;
    });
}

} // namespace Coupon
