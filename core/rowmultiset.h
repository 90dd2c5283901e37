#pragma once
#include "core/rowslots.h"
#include "core/scorerow.h"
#include <unordered_map>
#include <vector>

// How many times each row is listed, so that a list's copies of one row can be told from its
// different rows in constant time a row. Open addressing over 8-byte slots as in RowIndex: the
// row's key in the low 56 bits and its copies less one in the top 8; a row listed more than 256
// times keeps the rest in a side table. Filled to at most three quarters.
class RowMultiset
{
public:
    void clear();
    // Empty, with room for rowCount different rows: the table is kept when it is of about that
    // size, as zeroing it costs a fraction of new pages.
    void clearFor(size_t rowCount);
    // Room for rowCount different rows: adding up to that many moves nothing.
    void reserve(size_t rowCount);
    size_t distinctCount() const { return m_used; }

    // The row's copies after adding this one (1: a new row).
    quint64 add(ScoreRow row);
    // The row's copies left after taking one away (0: the last went, or it was not held).
    quint64 remove(ScoreRow row);
    quint64 count(ScoreRow row) const;

    // Adds every row and calls onNew(row) for each one not held before. For a large batch:
    // the rows are taken in the order of their slots, so the table fills region by region
    // from the cache instead of at random over all of it.
    template <typename OnNew> void addAll(const ScoreRow* rows, size_t count, OnNew&& onNew)
    {
        reserve(m_used + count);
        for (ScoreRow row : inSlotOrder(rows, count))
            if (add(row) == 1)
                onNew(row);
    }

    // Starts reading the row's slot ahead of its turn in a batch.
    void prefetch(ScoreRow row) const { RowSlots::prefetch(m_slots, row.key(), m_shift); }

private:
    static constexpr int CopyShift = 56;
    static constexpr quint64 KeyMask = (quint64(1) << CopyShift) - 1;
    static constexpr quint64 MostInSlot = 0xff;

    size_t slotOf(quint64 key) const { return RowSlots::slotOf(key, m_shift); }
    // The slot holding the key, or the empty slot where it would go.
    size_t find(quint64 key) const;
    std::vector<ScoreRow> inSlotOrder(const ScoreRow* rows, size_t count) const;
    void rehash(size_t slotCount);
    void erase(size_t slot);

    std::vector<quint64> m_slots;
    std::unordered_map<quint64, quint64> m_moreCopies; // copies past 256, by key
    size_t m_mask = 0;
    int m_shift = 64;
    size_t m_used = 0;
};
