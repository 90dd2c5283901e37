#include "core/resultdraw.h"
#include "core/numbers.h"
#include <algorithm>

namespace {
// Empty boxes are "no limit"; a box that does not read as a whole number from 0 makes the
// whole input unreadable.
bool readBox(const QString& text, std::optional<int>& value)
{
    if (text.trimmed().isEmpty())
        return true;
    const auto number = parseWholeNumber(text, ScoreRow::MaxGoal);
    if (!number || *number < 0)
        return false;
    value = int(*number);
    return true;
}
} // namespace

ResultDrawer::ResultDrawer(const GoalLimitTexts& limits, int columnCount)
    : m_columnCount(columnCount)
{
    bool readable = readBox(limits.overallMax, m_overallMax);
    int withoutMax = 0;
    for (size_t k = 0; k < 6; ++k) {
        Team& team = m_teams[k];
        readable = readBox(limits.teamMax[k], team.max) && readable;
        readable = readBox(limits.teamMin[k], team.min) && readable;
        if (int(k) < 2 * columnCount && !team.max)
            ++withoutMax;
        if (m_firstBadTeam < 0 && team.min && (!team.max || *team.max < *team.min))
            m_firstBadTeam = int(k);
    }
    m_unreadable = !readable;
    m_missingMax = !m_overallMax && withoutMax > 0;
}

LimitCheckResult ResultDrawer::check() const
{
    if (m_unreadable)
        return {LimitCheck::NotANumber, -1};
    if (m_missingMax)
        return {LimitCheck::MissingMax, 6};
    if (m_firstBadTeam >= 0)
        return {LimitCheck::TeamError, m_firstBadTeam};
    return {};
}

std::array<std::optional<int>, 6> ResultDrawer::draw(RandomSource& random) const
{
    std::array<std::optional<int>, 6> goals;
    for (size_t k = 0; k < 6; ++k) {
        const Team& team = m_teams[k];
        if (team.max) {
            // Uniform over min..max: the same spread as drawing 0..max until it reaches min.
            const int min = team.min.value_or(0);
            goals[k] = min + random.upTo(*team.max - min);
        } else if (m_overallMax) {
            goals[k] = random.upTo(*m_overallMax);
        }
    }
    return goals;
}

ScoreRow ResultDrawer::rowOf(const std::array<std::optional<int>, 6>& goals) const
{
    std::array<int, 6> values{};
    for (size_t k = 0; k < 6; ++k)
        values[k] = goals[k].value_or(0);
    return ScoreRow(m_columnCount, values);
}

qint64 ResultDrawer::distinctRows() const
{
    // Past a million million the product says nothing more to a reservation.
    constexpr qint64 Plenty = qint64(1) << 40;
    qint64 product = 1;
    for (size_t k = 0; k < size_t(2 * m_columnCount) && k < m_teams.size(); ++k) {
        const Team& team = m_teams[k];
        qint64 values = 1;
        if (team.max)
            values = *team.max - team.min.value_or(0) + 1;
        else if (m_overallMax)
            values = *m_overallMax + 1;
        product = std::min(Plenty, product * std::max<qint64>(values, 1));
    }
    return product;
}

DrawOutcome ResultDrawer::drawInto(RowListModel& list, qint64 count, RandomSource& random,
                                   const Progress& progress) const
{
    // Rows become visible in few large steps: each one makes the view lay out the list anew.
    using DrawSteps::AnnounceEvery;
    using DrawSteps::ReportEvery;
    // Rows are drawn a block at a time and then tested and staged back to back: with nothing
    // else between them, the duplicate index's waits for memory overlap.
    constexpr qint64 Block = 1024;
    // Room for the rows up front, but no more than an index of 32 MiB holds: a larger draw
    // may well be stopped, or run into its own duplicates.
    constexpr qint64 MostReserved = 3 << 20;
    DrawOutcome outcome;
    if (count > 0)
        list.reserveMore(size_t(std::min({count, distinctRows(), MostReserved})));

    // The teams that draw a number, in the order draw() takes them, each as its lowest goal
    // and its count of values: the goal is the lowest plus the integer part of count times r.
    struct Drawing
    {
        size_t team;
        int lowest;
        int values;
    };
    std::array<Drawing, 6> drawing{};
    size_t drawingTeams = 0;
    for (size_t k = 0; k < m_teams.size(); ++k) {
        const Team& team = m_teams[k];
        if (team.max)
            drawing[drawingTeams++] = {k, team.min.value_or(0),
                                       *team.max - team.min.value_or(0) + 1};
        else if (m_overallMax)
            drawing[drawingTeams++] = {k, 0, *m_overallMax + 1};
    }
    std::array<ScoreRow, Block> block;
    std::array<double, Block * 6> numbers;
    std::array<int, ScoreRow::MaxTeams> goals{};
    while (outcome.drawn < count) {
        // A block ends where a row by row draw would announce its rows or report its progress,
        // so that both happen after the same rows.
        const qint64 toReport = ReportEvery - outcome.drawn % ReportEvery;
        const qint64 toAnnounce = std::max<qint64>(1, AnnounceEvery - list.stagedCount());
        const qint64 rows = std::min({Block, count - outcome.drawn, toReport, toAnnounce});
        random.fill(numbers.data(), size_t(rows) * drawingTeams);
        const double* r = numbers.data();
        for (qint64 i = 0; i < rows; ++i) {
            for (size_t d = 0; d < drawingTeams; ++d)
                goals[drawing[d].team] = drawing[d].lowest + int(drawing[d].values * *r++);
            block[size_t(i)] = ScoreRow(m_columnCount, goals);
        }
        for (size_t d = 0; d < drawingTeams; ++d)
            outcome.lastGoals[drawing[d].team] = goals[drawing[d].team];
        list.stageNew(block.data(), size_t(rows), &outcome.lastWasNew);
        outcome.drawn += rows;
        if (!DrawSteps::announceAndGoOn(list, outcome.drawn, count, progress))
            break;
    }
    list.announceStaged();
    return outcome;
}

bool DrawSteps::announceAndGoOn(RowListModel& list, qint64 drawn, qint64 count,
                                const std::function<bool(qint64, qint64)>& progress)
{
    if (list.stagedCount() >= AnnounceEvery)
        list.announceStaged();
    return !(progress && drawn % ReportEvery == 0 && drawn < count && !progress(drawn, count));
}

QString limitErrorText(int limitError)
{
    static const char* const texts[] = {
        "Kohde 1; koti", "Kohde 1; vieras", "Kohde 2; koti",          "Kohde 2; vieras",
        "Kohde 3; koti", "Kohde 3; vieras", "Max. maalimäärä puuttuu"};
    if (limitError < 0 || limitError > 6)
        return QString();
    return QString::fromUtf8(texts[limitError]);
}
