#pragma once
// The bets of one net-play session: either the listed rows, played one after another, or the
// goal system as a single bet. Accepted and skipped rows are treated alike: both move on.

#include "net/orderaddress.h"
#include <QString>
#include <QUrl>
#include <optional>
#include <vector>

class NetPlayQueue
{
public:
    struct Taken
    {
        int queued = 0;
        int refused = 0; // rows whose match count is not the game's
    };

    // Replaces whatever was in play with the rows the address accepts, the first one current.
    Taken takeRows(const std::vector<ScoreRow>& rows, const OrderAddress& address);
    // Replaces whatever was in play with the system as one bet; false, changing nothing, when
    // matches 1 and 2 have no tick.
    bool takeSystem(const GoalGrid& grid, const OrderAddress& address);
    // The current bet is done (played or skipped); the next row, if any, becomes current.
    void advance();

    bool isPlaying() const { return m_mode != Mode::Idle; }
    // Empty when nothing is in play.
    QUrl currentAddress() const;
    // "2/5   (1-2 0-1 2-0)" for a row, "( 0,1-2   1-0 )" for the system, empty when idle.
    QString progressText() const;

private:
    enum class Mode
    {
        Idle,
        Rows,
        System
    };

    Mode m_mode = Mode::Idle;
    std::optional<OrderAddress> m_address;
    std::vector<ScoreRow> m_rows;
    size_t m_position = 0; // the current row; skipped rows count too
    QUrl m_systemAddress;
    QString m_systemText;
};
