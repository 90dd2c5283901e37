#include "core/goalgrid.h"
#include <QtAlgorithms>

namespace {
bool inRange(int team, int goal)
{
    return team >= 0 && team < GoalGrid::Teams && goal >= 0 && goal < GoalGrid::Goals;
}
} // namespace

bool GoalGrid::isTicked(int team, int goal) const
{
    return inRange(team, goal) && (m_ticks[size_t(team)] >> goal) & 1u;
}

void GoalGrid::setTicked(int team, int goal, bool ticked)
{
    if (!inRange(team, goal))
        return;
    const quint16 bit = quint16(1u << goal);
    if (ticked)
        m_ticks[size_t(team)] |= bit;
    else
        m_ticks[size_t(team)] &= quint16(~bit);
}

void GoalGrid::clear()
{
    m_ticks.fill(0);
}

int GoalGrid::tickCount(int team) const
{
    if (team < 0 || team >= Teams)
        return 0;
    return int(qPopulationCount(m_ticks[size_t(team)]));
}

qint64 GoalGrid::size(int columnCount) const
{
    qint64 product = 1;
    for (int team = 0; team < teamsInUse(columnCount); ++team)
        product *= tickCount(team);
    return product;
}

qint64 GoalGrid::maxSize(int columnCount)
{
    qint64 product = 1;
    for (int team = 0; team < teamsInUse(columnCount); ++team)
        product *= Goals;
    return product;
}

std::vector<ScoreRow> GoalGrid::rows(int columnCount) const
{
    std::vector<ScoreRow> result;
    const qint64 total = size(columnCount);
    if (total == 0)
        return result;
    result.reserve(size_t(total));

    const int teams = teamsInUse(columnCount);
    const int matches = teams / 2;
    std::array<std::array<int, Goals>, Teams> ticked{};
    std::array<int, Teams> counts{};
    for (int team = 0; team < teams; ++team)
        for (int goal = 0; goal < Goals; ++goal)
            if (isTicked(team, goal))
                ticked[size_t(team)][size_t(counts[size_t(team)]++)] = goal;

    // An odometer over the teams, the last team turning fastest; its turns only change the
    // last goal of a row made once per turn of the others.
    std::array<int, Teams> position{};
    std::array<int, ScoreRow::MaxTeams> goals{};
    for (int team = 0; team < teams; ++team)
        goals[size_t(team)] = ticked[size_t(team)][0];
    const int last = teams - 1;
    const std::array<int, Goals>& lastGoals = ticked[size_t(last)];
    const int lastCount = counts[size_t(last)];
    for (;;) {
        const ScoreRow first(matches, goals);
        for (int k = 0; k < lastCount; ++k)
            result.push_back(first.withGoal(last, lastGoals[size_t(k)]));
        int team = last - 1;
        while (team >= 0 && ++position[size_t(team)] == counts[size_t(team)]) {
            position[size_t(team)] = 0;
            goals[size_t(team)] = ticked[size_t(team)][0];
            --team;
        }
        if (team < 0)
            break;
        goals[size_t(team)] = ticked[size_t(team)][size_t(position[size_t(team)])];
    }
    return result;
}
