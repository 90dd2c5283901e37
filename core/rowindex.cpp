#include "core/rowindex.h"

namespace {
inline size_t mix(quint64 x)
{
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    return size_t(x);
}
} // namespace

void RowIndex::clear()
{
    std::vector<quint32>().swap(m_slots);
    m_used = 0;
}

size_t RowIndex::findSlot(const std::vector<ScoreRow>& rows, ScoreRow row) const
{
    const size_t mask = m_slots.size() - 1;
    size_t slot = mix(row.key()) & mask;
    while (m_slots[slot] != 0 && rows[m_slots[slot] - 1] != row)
        slot = (slot + 1) & mask;
    return slot;
}

bool RowIndex::contains(const std::vector<ScoreRow>& rows, ScoreRow row) const
{
    return !m_slots.empty() && m_slots[findSlot(rows, row)] != 0;
}

void RowIndex::grow(const std::vector<ScoreRow>& rows, size_t minimumSlots)
{
    size_t size = 64;
    while (size < minimumSlots)
        size *= 2;
    if (size <= m_slots.size())
        return;
    std::vector<quint32> old;
    old.swap(m_slots);
    m_slots.assign(size, 0);
    for (quint32 entry : old)
        if (entry != 0)
            m_slots[findSlot(rows, rows[entry - 1])] = entry;
}

void RowIndex::reserve(size_t rowCount)
{
    // Reserving needs no rows: only empty tables are sized up front.
    if (m_used == 0 && rowCount * 2 > m_slots.size()) {
        size_t size = 64;
        while (size < rowCount * 2)
            size *= 2;
        m_slots.assign(size, 0);
    }
}

bool RowIndex::insert(const std::vector<ScoreRow>& rows, quint32 position)
{
    if ((m_used + 1) * 2 > m_slots.size())
        grow(rows, (m_used + 1) * 2);
    const size_t slot = findSlot(rows, rows[position]);
    if (m_slots[slot] != 0)
        return false;
    m_slots[slot] = position + 1;
    ++m_used;
    return true;
}

void RowIndex::rebuild(const std::vector<ScoreRow>& rows)
{
    clear();
    reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        insert(rows, quint32(i));
}
