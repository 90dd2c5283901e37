#include "core/systemdraw.h"

namespace {
int normalColumns(int columnCount)
{
    return columnCount == 2 ? 2 : 3;
}
} // namespace

bool GridDraw::recount(int columnCount)
{
    if (m_bulkFilling || m_clearing)
        return false;
    m_columnCount = normalColumns(columnCount);
    // A running draw skips the counts between its first and its last ticks.
    const int n = m_drawTickCount;
    if (n == 2 || (m_columnCount == 2 && n == 3) || (m_columnCount == 3 && n >= 2 && n <= 5))
        return false;
    m_shownSize = m_grid.size(m_columnCount);
    return true;
}

bool GridDraw::setTicked(int team, int goal, bool ticked, int columnCount)
{
    if (team < 0 || team >= GoalGrid::Teams || goal < 0 || goal >= GoalGrid::Goals ||
        m_grid.isTicked(team, goal) == ticked)
        return false;
    m_grid.setTicked(team, goal, ticked);
    return recount(columnCount);
}

void GridDraw::clearGrid()
{
    m_clearing = true;
    m_shownSize = 0;
    m_singleResultMode = false;
    m_grid.clear();
    m_drawTickCount = 0;
    m_clearing = false;
}

bool GridDraw::Saved::operator==(const Saved& other) const
{
    return grid == other.grid && shownSize == other.shownSize && columnCount == other.columnCount &&
           drawTickCount == other.drawTickCount && drawStep == other.drawStep &&
           singleResultMode == other.singleResultMode && wantedMode == other.wantedMode;
}

GridDraw::Saved GridDraw::saved() const
{
    return {m_grid,     m_shownSize,        m_columnCount, m_drawTickCount,
            m_drawStep, m_singleResultMode, m_wantedMode};
}

void GridDraw::restore(const Saved& saved)
{
    m_grid = saved.grid;
    m_shownSize = saved.shownSize;
    m_columnCount = saved.columnCount;
    m_drawTickCount = saved.drawTickCount;
    m_drawStep = saved.drawStep;
    m_singleResultMode = saved.singleResultMode;
    m_wantedMode = saved.wantedMode;
}

void GridDraw::fillAll()
{
    m_bulkFilling = true;
    for (int goal = 0; goal < GoalGrid::Goals; ++goal)
        for (int team = 0; team < GoalGrid::Teams; ++team)
            m_grid.setTicked(team, goal, true);
    m_bulkFilling = false;
}

void GridDraw::drawOnce(int maxGoal, bool wholeRow, int columnCount)
{
    m_wantedMode = false;
    draw(maxGoal, wholeRow, columnCount);
}

int GridDraw::randomTeam()
{
    const int team = m_random.oneTo(GoalGrid::Teams) - 1;
    ++m_drawStep;
    return team;
}

void GridDraw::tickDrawn(int team, int maxGoal)
{
    const int goal = m_random.upTo(maxGoal);
    ++m_drawTickCount;
    // Like a check box, a box that is already ticked (or absent) raises no click.
    setTicked(team, goal, true, m_columnCount);
}

void GridDraw::draw(int maxGoal, bool wholeRow, int columnCount)
{
    m_singleResultMode = !wholeRow;
    m_columnCount = normalColumns(columnCount);
    m_drawTickCount = 0;
    m_drawStep = 0;

    // DrawStep 2 ends the draw after the current tick. A single result starts at the random
    // team; a team drawn as home 1 on a grid of 2 or more rows turns into a whole row.
    int team = 0;
    if (m_singleResultMode) {
        m_drawStep = 1;
        team = randomTeam();
    }
    for (;;) {
        if (team == 0 && m_shownSize >= 2)
            m_drawStep = 1;
        tickDrawn(team, maxGoal);
        if (m_drawStep == 2)
            break;
        if (team == 4 && m_columnCount != 3) {
            recount(m_columnCount);
            break;
        }
        if (team == 5) {
            if (!m_wantedMode && wholeRow)
                break;
            // The wanted-size search adds one random tick to a grid that had fewer than 2 rows.
            if (++m_drawStep == 1) {
                team = randomTeam();
                continue;
            }
            break;
        }
        ++team;
    }
    recount(m_columnCount);
}

qint64 GridDraw::cappedWanted(qint64 wanted, QStringView maxGoalText, int columnCount)
{
    if (maxGoalText == u"0")
        return 1;
    if (maxGoalText.size() != 1 || maxGoalText[0] < u'1' || maxGoalText[0] > u'9')
        return wanted;
    const qint64 values = maxGoalText[0].unicode() - u'0' + 1;
    qint64 limit = values * values * values * values;
    if (normalColumns(columnCount) == 3) {
        // Only the maxima 1 to 3 limit a three-match system.
        if (values > 4)
            return wanted;
        limit *= values * values;
    }
    return qMin(wanted, limit);
}

std::optional<int> GridDraw::readMaxGoal(QStringView text)
{
    constexpr int Ceiling = 1'000'000'000;
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = qMin<qint64>(value * 10 + (c.unicode() - u'0'), Ceiling);
    }
    return int(value);
}

GridDraw::WantedResult GridDraw::drawWanted(qint64 wanted, QStringView maxGoalText, int columnCount,
                                            const std::function<bool(int)>& progress)
{
    WantedResult result;
    result.wanted = wanted;
    const std::optional<int> maxGoal = readMaxGoal(maxGoalText);
    if (wanted < 1 || !maxGoal)
        return result;
    columnCount = normalColumns(columnCount);
    m_wantedMode = true;
    if (m_shownSize > 0)
        clearGrid();
    result.wanted = cappedWanted(wanted, maxGoalText, columnCount);

    bool stopped = false;
    for (;;) {
        if (m_shownSize == result.wanted) {
            result.reached = true;
            break;
        }
        if (stopped) {
            clearGrid();
            break;
        }
        draw(*maxGoal, true, columnCount);
        ++result.attempts;
        stopped = progress && !progress(result.attempts);
        // The limit counts only attempts that do not overshoot; an attempt that lands on the
        // wanted size as the last allowed one is cleared all the same.
        if (m_shownSize > result.wanted) {
            clearGrid();
            continue;
        }
        if (result.attempts >= MaxAttempts) {
            clearGrid();
            break;
        }
    }
    return result;
}
