#pragma once
// What the row hash tables (the list's duplicate index, the chance's copies table) share: tables
// of a power of two of 8-byte slots, at most three quarters full, and a row's first slot taken
// from the top bits of its key times the golden ratio, which spreads rows that differ in one goal.
#include <QtGlobal>
#include <cstddef>
#include <vector>

namespace RowSlots {

constexpr size_t Fewest = 64;

// The fewest slots that keep rowCount rows at most three quarters full.
inline size_t slotsFor(size_t rowCount)
{
    size_t size = Fewest;
    while (size / 4 * 3 < rowCount)
        size *= 2;
    return size;
}

// The shift that leaves as many top bits as a table of slotCount slots needs.
inline int shiftFor(size_t slotCount)
{
    int shift = 64;
    for (size_t s = slotCount; s > 1; s /= 2)
        --shift;
    return shift;
}

inline size_t slotOf(quint64 key, int shift)
{
    return size_t((key * 0x9e3779b97f4a7c15ULL) >> shift);
}

// Starts reading the slot of a row that is inserted or looked up a few rows later, so that the
// waits of a batch overlap instead of following one another.
inline void prefetch(const std::vector<quint64>& table, quint64 key, int shift)
{
#if defined(__GNUC__)
    if (!table.empty())
        __builtin_prefetch(table.data() + slotOf(key, shift));
#else
    (void)table, (void)key, (void)shift;
#endif
}

} // namespace RowSlots
