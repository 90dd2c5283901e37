#include "core/resultdraw.h"
#include "core/numbers.h"

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

DrawOutcome ResultDrawer::drawInto(RowListModel& list, qint64 count, RandomSource& random,
                                   const Progress& progress) const
{
    // Rows become visible in few large steps: each one makes the view lay out the list anew.
    constexpr qint64 ReportEvery = 20000;
    constexpr qint64 AnnounceEvery = 1000000;
    DrawOutcome outcome;
    while (outcome.drawn < count) {
        outcome.lastGoals = draw(random);
        outcome.lastWasNew = list.stageIfNew(rowOf(outcome.lastGoals));
        ++outcome.drawn;
        if (list.stagedCount() >= AnnounceEvery)
            list.announceStaged();
        if (progress && outcome.drawn % ReportEvery == 0 && outcome.drawn < count &&
            !progress(outcome.drawn, count))
            break;
    }
    list.announceStaged();
    return outcome;
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
