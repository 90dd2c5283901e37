#pragma once
// The goal grid: for each of the six teams the goal numbers 0..11 it may score. A system is
// every row that takes one ticked number from every team in use.

#include "core/scorerow.h"
#include <QtGlobal>
#include <array>
#include <vector>

class GoalGrid
{
public:
    static constexpr int Teams = 6;  // home 1, away 1, home 2, away 2, home 3, away 3
    static constexpr int Goals = 12; // boxes 0..11

    bool isTicked(int team, int goal) const;
    // Out-of-range boxes are ignored.
    void setTicked(int team, int goal, bool ticked);
    void clear();
    int tickCount(int team) const;

    // Product of the tick counts of the teams in use (4 with two matches, 6 with three);
    // 0 when any of them has no tick.
    qint64 size(int columnCount) const;
    // Every row of the system: home 1 outermost ... last team innermost, each ascending.
    std::vector<ScoreRow> rows(int columnCount) const;

    // The largest system there can be: every box of every team in use ticked.
    static qint64 maxSize(int columnCount);
    static int teamsInUse(int columnCount) { return columnCount == 2 ? 4 : 6; }

    friend bool operator==(const GoalGrid& a, const GoalGrid& b) { return a.m_ticks == b.m_ticks; }

private:
    std::array<quint16, Teams> m_ticks{}; // bit g = box g
};
