#pragma once
// The lotto machine: draws many Lotto or Viking Lotto rows, keeps only how often each number
// came up, and ranks the numbers by that count. Its table is the 48 positions the window
// shows, each a ball number and a count; a count stays empty until its number comes up or it
// moves in a ranking (a moved empty count becomes 0).
#include "games/lottery.h"
#include <array>
#include <functional>
#include <optional>

class LottoMachine
{
public:
    static constexpr int Positions = 48;
    // Rows between two questions whether to go on.
    static constexpr int RowsPerCheck = 100;

    struct Position
    {
        int ball = 0;
        std::optional<qint64> count;
    };

    // Asked after every RowsPerCheck rows with the rows drawn so far; false ends the run.
    using KeepGoing = std::function<bool(qint64 drawn)>;

    // The ranking range starts as that of the game selected when the machine is set up.
    explicit LottoMachine(LottoGame game = LottoGame::Lotto);

    // Position k holds ball k with an empty count.
    void reset();
    // Resets, then draws up to rows rows of the game and counts their numbers. Returns the
    // rows drawn; none when rows is 0 or below.
    qint64 run(RandomSource& random, LottoGame game, qint64 rows, const KeepGoing& keepGoing = {});
    void rankMostFirst();
    void rankLeastFirst();

    const std::array<Position, Positions>& table() const { return m_table; }
    // Positions 1 to this take part in a ranking: 39 or 48, from the game last drawn.
    int rankingRange() const { return m_range; }
    // The ball numbers of the first n positions, in position order.
    std::vector<int> leaders(int n) const;

private:
    template <typename Swap> void rank(Swap swapWhen);

    std::array<Position, Positions> m_table;
    int m_range;
};
