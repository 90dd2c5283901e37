#pragma once
#include "core/rowslots.h"
#include "core/scorerow.h"
#include <vector>

// Hash set over the rows of a list, so that the duplicate test of a new row never walks the
// list. It holds the packed rows themselves, 8 bytes a slot, so a test reads its slots and
// nothing else; 0 is the key of no valid row and marks an empty slot. Filled to at most three
// quarters: 3,000,000 rows take 4Mi slots, 32 MiB. A list may hold duplicates (systems are
// listed without the test); the index knows one of each.
class RowIndex
{
public:
    void clear();
    // Room for rowCount rows in all: inserting up to that many moves nothing.
    void reserve(size_t rowCount);
    // Knows every row of rows, with room for extraRows more; slotOfRow, if given, gets the slot
    // of each row (rows equal to each other share one).
    void rebuild(const std::vector<ScoreRow>& rows, size_t extraRows = 0,
                 std::vector<quint32>* slotOfRow = nullptr);
    size_t size() const { return m_used; }
    size_t slotCount() const { return m_slots.size(); }

    static constexpr size_t NoSlot = ~size_t(0);

    // The slot holding row, or NoSlot.
    size_t find(ScoreRow row) const
    {
        if (m_slots.empty())
            return NoSlot;
        const quint64 key = row.key();
        for (size_t slot = slotOf(key);; slot = (slot + 1) & m_mask) {
            if (m_slots[slot] == key)
                return slot;
            if (m_slots[slot] == 0)
                return NoSlot;
        }
    }
    bool contains(ScoreRow row) const { return find(row) != NoSlot; }

    // Returns false when an equal row was already known.
    bool insert(ScoreRow row)
    {
        bool added = false;
        place(row, added);
        return added;
    }
    // The slot of row, where it goes unless an equal row is known: added tells which.
    size_t place(ScoreRow row, bool& added)
    {
        if ((m_used + 1) * 4 > m_slots.size() * 3)
            grow(m_used + 1);
        const quint64 key = row.key();
        size_t slot = slotOf(key);
        while (m_slots[slot] != key) {
            if (m_slots[slot] == 0) {
                m_slots[slot] = key;
                ++m_used;
                added = true;
                return slot;
            }
            slot = (slot + 1) & m_mask;
        }
        added = false;
        return slot;
    }

    // Starts reading the row's slot ahead of its turn in a batch.
    void prefetch(ScoreRow row) const { RowSlots::prefetch(m_slots, row.key(), m_shift); }

private:
    size_t slotOf(quint64 key) const { return RowSlots::slotOf(key, m_shift); }
    void grow(size_t rowCount);
    void rehash(size_t slotCount);

    std::vector<quint64> m_slots;
    size_t m_mask = 0;
    int m_shift = 64;
    size_t m_used = 0;
};
