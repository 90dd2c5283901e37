#pragma once
// The operator's order address: one bet (a row, or a goal system as a whole) with game and
// stake, as an https address on the configured host. Goals come from parsed rows or from the
// grid's ticks, never from row text pasted in, so nothing but numbers reaches the query.

#include "core/goalgrid.h"
#include "core/scorerow.h"
#include <QLatin1String>
#include <QLocale>
#include <QString>
#include <QUrl>
#include <optional>

class OrderAddress
{
public:
    // Used while the settings name no host of their own.
    static constexpr QLatin1String DefaultHost{"www.example.com"};

    // nullopt unless host is a plain host name (no scheme, port, path or user, and no control
    // or invisible character), the game is 1..6 and the column count 2 or 3.
    static std::optional<OrderAddress> make(const QString& host, int game, qint64 stakeCents,
                                            int columnCount, const QLocale& locale = QLocale());

    QString host() const { return m_host; }
    int columnCount() const { return m_columnCount; }
    // The stake as the player reads it: "0,5", "3".
    QString stakeText() const { return m_stakeText; }

    // Whether the row can be played in this game: its match count is the game's.
    bool accepts(ScoreRow row) const;
    // nullopt when the row is not accepted.
    std::optional<QUrl> forRow(ScoreRow row) const;
    std::optional<QUrl> forRowText(QStringView text) const;
    // The whole system as one bet: per team the ticked goals ascending, "0,1,10".
    QUrl forSystem(const GoalGrid& grid) const;

    // Only an https order address on the given host may be handed to the browser.
    static bool mayOpen(const QUrl& url, const QString& host);

private:
    OrderAddress() = default;
    QUrl build(const QString (&goals)[GoalGrid::Teams]) const;

    QString m_host;
    int m_game = 1;
    int m_columnCount = 3;
    QString m_stakeText;
};

namespace SystemText {
// The goals ticked for one team, ascending, joined by ",": "0,1,10"; empty without ticks.
QString teamGoals(const GoalGrid& grid, int team);
// Whether matches 1 and 2 have any tick at all: without one there is no system to play.
bool hasTicks(const GoalGrid& grid);
// The system as the window shows it: "0,1-2   1-0,1,2".
QString describe(const GoalGrid& grid, int columnCount);
} // namespace SystemText
