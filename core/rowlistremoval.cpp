// Removing rows from among others: ticked rows, rows at given places, or all but given ones.
// Each removal is told to the recorder with what it needs to be put back.
#include "core/rowlistmodel.h"
#include <algorithm>

int RowListModel::removeChecked()
{
    announceStaged();
    if (m_checkedCount == 0)
        return 0;
    const int removed = m_checkedCount;
    const std::vector<bool> ticked(m_checked);
    if (m_recorder) {
        Removed taken;
        takeMarked(ticked, size_t(removed), &taken);
        m_recorder->removed(std::move(taken));
    } else {
        takeMarked(ticked, size_t(removed), nullptr);
    }
    return removed;
}

int RowListModel::removeAt(std::vector<quint32>&& positions)
{
    announceStaged();
    if (positions.empty())
        return 0;
    const int removing = int(positions.size());
    Removed removed;
    takeAt(std::move(positions), removed);
    record(std::move(removed));
    return removing;
}

int RowListModel::keepOnly(std::vector<quint32>&& positions)
{
    announceStaged();
    const int removing = count() - int(positions.size());
    if (removing == 0)
        return 0;
    Removed removed;
    takeAllBut(std::move(positions), removed);
    record(std::move(removed));
    return removing;
}

void RowListModel::record(Removed&& removed)
{
    if (m_recorder)
        m_recorder->removed(std::move(removed));
}

void RowListModel::takeAt(std::vector<quint32>&& positions, Removed& removed)
{
    beginResetModel();
    removed.kept = false;
    removed.rows.reserve(positions.size());
    removed.checked.reserve(positions.size());
    for (quint32 position : positions) {
        removed.rows.push_back(m_rows[position]);
        removed.checked.push_back(m_checked[position]);
    }
    size_t to = positions.front();
    const size_t total = m_shown;
    const bool ticks = m_checkedCount > 0;
    if (positions.size() * 16 < total) {
        // Long stretches between removed rows move down whole.
        for (size_t k = 0; k < positions.size(); ++k) {
            const size_t from = size_t(positions[k]) + 1;
            const size_t end = k + 1 < positions.size() ? size_t(positions[k + 1]) : total;
            std::copy(m_rows.begin() + qsizetype(from), m_rows.begin() + qsizetype(end),
                      m_rows.begin() + qsizetype(to));
            if (ticks)
                std::copy(m_checked.begin() + qsizetype(from), m_checked.begin() + qsizetype(end),
                          m_checked.begin() + qsizetype(to));
            to += end - from;
        }
    } else {
        size_t k = 0;
        for (size_t i = to; i < total; ++i) {
            if (k < positions.size() && positions[k] == i) {
                ++k;
                continue;
            }
            m_rows[to] = m_rows[i];
            if (ticks)
                m_checked[to] = m_checked[i];
            ++to;
        }
    }
    m_rows.resize(to);
    m_checked.resize(to);
    // A list that lost a quarter or more gives the room back; a few rows less keep it.
    if (m_rows.capacity() / 4 * 3 > to) {
        m_rows.shrink_to_fit();
        m_checked.shrink_to_fit();
    }
    m_shown = to;
    m_checkedCount -= int(std::count(removed.checked.begin(), removed.checked.end(), true));
    removed.positions = std::move(positions);
    m_indexStale = true;
    endResetModel();
    emit countChanged(count());
}

void RowListModel::takeAllBut(std::vector<quint32>&& positions, Removed& removed)
{
    beginResetModel();
    std::vector<ScoreRow> rows;
    std::vector<bool> checked;
    rows.reserve(positions.size());
    checked.reserve(positions.size());
    for (quint32 position : positions) {
        rows.push_back(m_rows[position]);
        checked.push_back(m_checked[position]);
    }
    removed.kept = true;
    removed.rows = std::move(m_rows);
    removed.checked = std::move(m_checked);
    removed.positions = std::move(positions);
    m_rows = std::move(rows);
    m_checked = std::move(checked);
    m_shown = m_rows.size();
    m_checkedCount = int(std::count(m_checked.begin(), m_checked.end(), true)); // the few kept
    m_indexStale = true;
    endResetModel();
    emit countChanged(count());
}

void RowListModel::takeMarked(const std::vector<bool>& remove, size_t removing, Removed* removed)
{
    beginResetModel();
    if (removed) {
        removed->positions.reserve(removing);
        removed->rows.reserve(removing);
    }
    size_t kept = 0;
    const size_t total = m_rows.size();
    for (size_t i = 0; i < total; ++i) {
        if (!remove[i]) {
            m_rows[kept] = m_rows[i];
            m_checked[kept++] = m_checked[i];
        } else if (removed) {
            removed->positions.push_back(quint32(i));
            removed->rows.push_back(m_rows[i]);
        }
    }
    m_rows.resize(kept);
    m_rows.shrink_to_fit();
    m_checked.resize(kept);
    m_shown = kept;
    m_checkedCount = int(std::count(m_checked.begin(), m_checked.end(), true));
    m_indexStale = true;
    endResetModel();
    emit countChanged(count());
}
