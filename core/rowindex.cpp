#include "core/rowindex.h"
#include <algorithm>

using RowSlots::slotsFor;

void RowIndex::clear()
{
    std::vector<quint64>().swap(m_slots);
    m_mask = 0;
    m_shift = 64;
    m_used = 0;
}

void RowIndex::rehash(size_t slotCount)
{
    std::vector<quint64> old(slotCount, 0);
    old.swap(m_slots);
    m_mask = slotCount - 1;
    m_shift = RowSlots::shiftFor(slotCount);
    for (quint64 key : old) {
        if (key == 0)
            continue;
        size_t slot = slotOf(key);
        while (m_slots[slot] != 0)
            slot = (slot + 1) & m_mask;
        m_slots[slot] = key;
    }
}

void RowIndex::grow(size_t rowCount)
{
    rehash(std::max(slotsFor(rowCount), 2 * m_slots.size()));
}

void RowIndex::reserve(size_t rowCount)
{
    const size_t size = slotsFor(rowCount);
    if (size > m_slots.size())
        rehash(size);
}

void RowIndex::rebuild(const std::vector<ScoreRow>& rows, size_t extraRows,
                       std::vector<quint32>* slotOfRow)
{
    clear();
    reserve(rows.size() + extraRows);
    if (slotOfRow) {
        slotOfRow->clear();
        slotOfRow->reserve(rows.size());
    }
    constexpr size_t Ahead = 8;
    const size_t count = rows.size();
    for (size_t i = 0; i < count; ++i) {
        if (i + Ahead < count)
            prefetch(rows[i + Ahead]);
        bool added = false;
        const size_t slot = place(rows[i], added);
        if (slotOfRow)
            slotOfRow->push_back(quint32(slot));
    }
}
