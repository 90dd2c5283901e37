#pragma once
#include "core/random.h"
#include "core/rowlistmodel.h"
#include "core/scorerow.h"
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

// Random final scores within goal limits. Each team (home 1, away 1, ..., away 3) draws within
// its own minimum and maximum when it has a maximum, else between 0 and the overall maximum.
struct GoalLimitTexts
{
    QString overallMax;             // "Max Maalimäärä"
    std::array<QString, 6> teamMax; // "Enint."
    std::array<QString, 6> teamMin; // "Vähint."
};

enum class LimitCheck
{
    Ok,
    TeamError,  // a team's maximum below its minimum, or a minimum without a maximum
    MissingMax, // no overall maximum and some team in use without its own
    NotANumber, // a box holds something that is not a whole number
};

struct LimitCheckResult
{
    LimitCheck status = LimitCheck::Ok;
    int team = -1; // the failing team for TeamError
};

struct DrawOutcome
{
    std::array<std::optional<int>, 6> lastGoals; // for the result labels
    bool lastWasNew = true;                      // the last row drawn went into the list
    qint64 drawn = 0;                            // fewer than asked when stopped
};

namespace DrawSteps {
// How often a draw reports its progress, and how many staged rows it shows at a time.
constexpr qint64 ReportEvery = 20000;
constexpr qint64 AnnounceEvery = 1000000;
// After rows were staged: shows them once there are enough, and asks whether to go on (at
// every ReportEvery draws short of the count).
bool announceAndGoOn(RowListModel& list, qint64 drawn, qint64 count,
                     const std::function<bool(qint64, qint64)>& progress);
} // namespace DrawSteps

class ResultDrawer
{
public:
    ResultDrawer(const GoalLimitTexts& limits, int columnCount);

    // Missing overall maximum is checked first, then every team in order, all six as the
    // hidden boxes of match 3 are empty after a mode switch.
    LimitCheckResult check() const;

    // One draw; only valid after check() returned Ok. Teams without any limit and no overall
    // maximum (the hidden match 3) get no value.
    std::array<std::optional<int>, 6> draw(RandomSource& random) const;
    ScoreRow rowOf(const std::array<std::optional<int>, 6>& goals) const;
    // Called every few thousand draws with the draws done so far; false stops the draw.
    using Progress = std::function<bool(qint64 done, qint64 total)>;
    // Draws count rows into list, leaving out rows already listed. A stopped draw keeps the
    // rows drawn so far.
    DrawOutcome drawInto(RowListModel& list, qint64 count, RandomSource& random,
                         const Progress& progress = {}) const;

private:
    // How many different rows the limits allow.
    qint64 distinctRows() const;

    struct Team
    {
        std::optional<int> max;
        std::optional<int> min;
    };
    std::array<Team, 6> m_teams;
    std::optional<int> m_overallMax;
    int m_columnCount;
    bool m_unreadable = false;
    int m_firstBadTeam = -1;
    bool m_missingMax = false;
};

// The text shown in the error label for a limit error: 0..5 a team, 6 the missing maximum.
QString limitErrorText(int limitError);
