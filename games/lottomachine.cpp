#include "games/lottomachine.h"
#include <algorithm>
#include <utility>

LottoMachine::LottoMachine(LottoGame game) : m_range(lottoRules(game).highest)
{
    reset();
}

void LottoMachine::reset()
{
    for (int k = 0; k < Positions; ++k)
        m_table[size_t(k)] = Position{k + 1, std::nullopt};
}

qint64 LottoMachine::run(RandomSource& random, LottoGame game, qint64 rows,
                         const KeepGoing& keepGoing)
{
    reset();
    const LottoRules rules = lottoRules(game);
    const double highest = rules.highest;
    std::array<qint64, Positions + 1> counts{};
    // Numbers come from the generator many at a time, but never one that drawing them one by
    // one would not have taken: each fill asks for at most as many as the rows up to the next
    // check still have empty slots, and every empty slot takes at least one more number.
    std::array<double, 1024> numbers;
    size_t filled = 0;
    size_t used = 0;
    qint64 drawn = 0;
    while (drawn < rows) {
        const qint64 periodEnd = std::min(rows, (drawn / RowsPerCheck + 1) * RowsPerCheck);
        // One bit per number: ball 48 still fits a 64-bit word.
        quint64 taken = 0;
        for (int accepted = 0; accepted < rules.plainSize;) {
            if (used == filled) {
                const qint64 emptySlots = (periodEnd - drawn) * rules.plainSize - accepted;
                filled = size_t(std::min<qint64>(emptySlots, qint64(numbers.size())));
                random.fill(numbers.data(), filled);
                used = 0;
            }
            const int n = int(numbers[used++] * highest + 1);
            const quint64 bit = quint64(1) << n;
            if (taken & bit)
                continue;
            taken |= bit;
            ++counts[size_t(n)];
            ++accepted;
        }
        ++drawn;
        if (drawn % RowsPerCheck == 0 && keepGoing && !keepGoing(drawn))
            break;
    }
    if (drawn > 0)
        m_range = rules.highest;
    // The table is in reset order, so position n - 1 is ball n.
    for (int n = 1; n <= Positions; ++n) {
        if (counts[size_t(n)] > 0)
            m_table[size_t(n - 1)].count = counts[size_t(n)];
    }
    return drawn;
}

// The exchange sort the ranking has always used: position i is compared with every later one
// in turn and swapped when the pair is out of order, so equal counts keep an order that
// depends on the earlier swaps. Players compare best rows, so that order must not change.
template <typename Swap> void LottoMachine::rank(Swap swapWhen)
{
    for (int i = 0; i < m_range; ++i) {
        for (int j = i + 1; j < m_range; ++j) {
            Position& a = m_table[size_t(i)];
            Position& b = m_table[size_t(j)];
            if (!swapWhen(a.count.value_or(0), b.count.value_or(0)))
                continue;
            std::swap(a, b);
            a.count = a.count.value_or(0);
            b.count = b.count.value_or(0);
        }
    }
}

void LottoMachine::rankMostFirst()
{
    rank([](qint64 a, qint64 b) { return a < b; });
}

void LottoMachine::rankLeastFirst()
{
    rank([](qint64 a, qint64 b) { return a > b; });
}

std::vector<int> LottoMachine::leaders(int n) const
{
    std::vector<int> balls;
    for (int k = 0; k < n && k < Positions; ++k)
        balls.push_back(m_table[size_t(k)].ball);
    return balls;
}
