#include "core/rowmultiset.h"
#include <algorithm>

using RowSlots::slotsFor;

void RowMultiset::clear()
{
    std::vector<quint64>().swap(m_slots);
    m_moreCopies.clear();
    m_mask = 0;
    m_shift = 64;
    m_used = 0;
}

void RowMultiset::clearFor(size_t rowCount)
{
    const size_t size = slotsFor(rowCount);
    if (size > m_slots.size() || size * 4 < m_slots.size()) {
        clear();
        reserve(rowCount);
        return;
    }
    std::fill(m_slots.begin(), m_slots.end(), 0);
    m_moreCopies.clear();
    m_used = 0;
}

void RowMultiset::reserve(size_t rowCount)
{
    const size_t size = slotsFor(rowCount);
    if (size > m_slots.size())
        rehash(size);
}

void RowMultiset::rehash(size_t slotCount)
{
    std::vector<quint64> old(slotCount, 0);
    old.swap(m_slots);
    m_mask = slotCount - 1;
    m_shift = RowSlots::shiftFor(slotCount);
    for (quint64 slot : old)
        if (slot != 0)
            m_slots[find(slot & KeyMask)] = slot;
}

size_t RowMultiset::find(quint64 key) const
{
    size_t slot = slotOf(key);
    while (m_slots[slot] != 0 && (m_slots[slot] & KeyMask) != key)
        slot = (slot + 1) & m_mask;
    return slot;
}

quint64 RowMultiset::add(ScoreRow row)
{
    if ((m_used + 1) * 4 > m_slots.size() * 3)
        rehash(std::max(slotsFor(m_used + 1), 2 * m_slots.size()));
    const quint64 key = row.key();
    const size_t slot = find(key);
    if (m_slots[slot] == 0) {
        m_slots[slot] = key;
        ++m_used;
        return 1;
    }
    const quint64 inSlot = m_slots[slot] >> CopyShift;
    if (inSlot < MostInSlot) {
        m_slots[slot] += quint64(1) << CopyShift;
        return inSlot + 2;
    }
    return MostInSlot + 2 + m_moreCopies[key]++;
}

quint64 RowMultiset::count(ScoreRow row) const
{
    if (m_slots.empty())
        return 0;
    const quint64 key = row.key();
    const quint64 slot = m_slots[find(key)];
    if (slot == 0)
        return 0;
    const quint64 inSlot = slot >> CopyShift;
    if (inSlot < MostInSlot)
        return inSlot + 1;
    const auto more = m_moreCopies.find(key);
    return MostInSlot + 1 + (more == m_moreCopies.end() ? 0 : more->second);
}

quint64 RowMultiset::remove(ScoreRow row)
{
    if (m_slots.empty())
        return 0;
    const quint64 key = row.key();
    const size_t slot = find(key);
    if (m_slots[slot] == 0)
        return 0;
    const quint64 inSlot = m_slots[slot] >> CopyShift;
    if (inSlot == MostInSlot) {
        const auto more = m_moreCopies.find(key);
        if (more != m_moreCopies.end()) {
            const quint64 left = MostInSlot + 1 + --more->second;
            if (more->second == 0)
                m_moreCopies.erase(more);
            return left;
        }
    }
    if (inSlot > 0) {
        m_slots[slot] -= quint64(1) << CopyShift;
        return inSlot;
    }
    erase(slot);
    return 0;
}

void RowMultiset::erase(size_t slot)
{
    // Backward shift: a row further along its probe run moves into the hole unless its own
    // slot lies after the hole (cyclically), so every probe run stays unbroken.
    --m_used;
    size_t hole = slot;
    for (size_t next = (hole + 1) & m_mask; m_slots[next] != 0; next = (next + 1) & m_mask) {
        const size_t home = slotOf(m_slots[next] & KeyMask);
        const bool stays =
            hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
        if (stays)
            continue;
        m_slots[hole] = m_slots[next];
        hole = next;
    }
    m_slots[hole] = 0;
}

std::vector<ScoreRow> RowMultiset::inSlotOrder(const ScoreRow* rows, size_t count) const
{
    // One counting pass by the top bits of the slot: regions of about 32,768 slots (256 KiB),
    // at most 4,096 of them.
    int bits = 0;
    while (bits < 12 && (m_slots.size() >> bits) > 32768)
        ++bits;
    const int shift = 64 - bits;
    auto regionOf = [&](ScoreRow row) {
        return bits == 0 ? size_t(0) : RowSlots::slotOf(row.key(), shift);
    };
    std::vector<size_t> start((size_t(1) << bits) + 1, 0);
    for (size_t i = 0; i < count; ++i)
        ++start[regionOf(rows[i]) + 1];
    for (size_t r = 1; r < start.size(); ++r)
        start[r] += start[r - 1];
    std::vector<ScoreRow> ordered(count);
    for (size_t i = 0; i < count; ++i)
        ordered[start[regionOf(rows[i])]++] = rows[i];
    return ordered;
}
