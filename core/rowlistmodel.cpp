#include "core/rowlistmodel.h"
#include <algorithm>

namespace {
// The roles of a tick change, shared: ticking a row allocates nothing.
const QList<int>& checkRole()
{
    static const QList<int> roles{Qt::CheckStateRole};
    return roles;
}
} // namespace

RowListModel::RowListModel(QObject* parent) : QAbstractListModel(parent) {}

int RowListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant RowListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole)
        return at(index.row()).text();
    if (role == Qt::CheckStateRole)
        return isChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool RowListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || index.row() >= count())
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags RowListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
           Qt::ItemNeverHasChildren;
}

const RowIndex& RowListModel::duplicateIndex() const
{
    if (m_indexStale) {
        m_index.rebuild(m_rows);
        indexRebuilt();
    }
    return m_index;
}

void RowListModel::indexRebuilt() const
{
    m_indexStale = false;
    // A full index knows each different row once: as many as the list holds, no copies.
    m_distinct = m_index.size() == m_rows.size();
}

bool RowListModel::contains(ScoreRow row) const
{
    return duplicateIndex().contains(row);
}

RowListModel::Shared RowListModel::sharedWith(const RowListModel& other) const
{
    // Where each row here sits in the index: a rebuild tells it on the way, a fresh index is asked.
    std::vector<quint32> slotHere;
    constexpr size_t Ahead = 8;
    if (m_indexStale) {
        m_index.rebuild(m_rows, 0, &slotHere);
        indexRebuilt();
    } else {
        slotHere.reserve(m_shown);
        for (size_t i = 0; i < m_shown; ++i) {
            if (i + Ahead < m_shown)
                m_index.prefetch(m_rows[i + Ahead]);
            slotHere.push_back(quint32(m_index.find(m_rows[i])));
        }
    }
    // Other's rows mark the slots they find, so the rows here need no second hashing: each
    // reads the mark on its own slot.
    std::vector<bool> marked(m_index.slotCount(), false);
    Shared shared;
    const std::vector<ScoreRow>& rows = other.m_rows;
    const size_t count = other.m_shown;
    for (size_t i = 0; i < count; ++i) {
        if (i + Ahead < count)
            m_index.prefetch(rows[i + Ahead]);
        const size_t slot = m_index.find(rows[i]);
        if (slot != RowIndex::NoSlot) {
            shared.inOther.push_back(int(i));
            marked[slot] = true;
        }
    }
    if (!shared.inOther.empty())
        for (size_t i = 0; i < m_shown; ++i)
            if (marked[slotHere[i]])
                shared.here.push_back(int(i));
    return shared;
}

bool RowListModel::appendIfNew(ScoreRow row)
{
    const bool added = stageIfNew(row);
    announceStaged();
    return added;
}

int RowListModel::appendNew(const std::vector<ScoreRow>& rows)
{
    announceStaged();
    reserveMore(rows.size());
    const size_t added = stageNew(rows.data(), rows.size());
    announceStaged();
    return int(added);
}

bool RowListModel::stageIfNew(ScoreRow row)
{
    duplicateIndex();
    if (!m_index.insert(row))
        return false;
    m_rows.push_back(row);
    return true;
}

size_t RowListModel::stageNew(const ScoreRow* rows, size_t count, bool* lastWasNew)
{
    duplicateIndex();
    // A few rows ahead, so that the index's cache misses overlap.
    constexpr size_t Ahead = 8;
    size_t added = 0;
    for (size_t i = 0; i < count; ++i) {
        if (i + Ahead < count)
            m_index.prefetch(rows[i + Ahead]);
        const bool isNew = m_index.insert(rows[i]);
        if (isNew) {
            m_rows.push_back(rows[i]);
            ++added;
        }
        if (lastWasNew && i + 1 == count)
            *lastWasNew = isNew;
    }
    return added;
}

void RowListModel::reserveMore(size_t extraRows)
{
    // Batches one after another still grow the list geometrically.
    const size_t wanted = m_rows.size() + extraRows;
    if (wanted > m_rows.capacity())
        m_rows.reserve(std::max(wanted, m_rows.size() + m_rows.size() / 2));
    if (m_indexStale) {
        m_index.rebuild(m_rows, extraRows);
        indexRebuilt();
    } else {
        m_index.reserve(m_index.size() + extraRows);
    }
}

void RowListModel::announceStaged()
{
    if (m_rows.size() == m_shown)
        return;
    beginInsertRows(QModelIndex(), int(m_shown), int(m_rows.size()) - 1);
    logAppended(m_shown, m_rows.size() - m_shown);
    m_shown = m_rows.size();
    m_checked.resize(m_shown, false);
    endInsertRows();
    emit countChanged(count());
}

void RowListModel::appendAll(const std::vector<ScoreRow>& rows)
{
    announceStaged();
    if (rows.empty())
        return;
    const size_t first = m_rows.size();
    beginInsertRows(QModelIndex(), int(first), int(first + rows.size()) - 1);
    m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    appended(first);
}

void RowListModel::appendAll(std::vector<ScoreRow>&& rows)
{
    announceStaged();
    if (!m_rows.empty() || rows.empty()) {
        appendAll(static_cast<const std::vector<ScoreRow>&>(rows));
        return;
    }
    beginInsertRows(QModelIndex(), 0, int(rows.size()) - 1);
    m_rows = std::move(rows);
    appended(0);
}

void RowListModel::appended(size_t first)
{
    logAppended(first, m_rows.size() - first);
    m_shown = m_rows.size();
    m_checked.resize(m_shown, false);
    // Rows listed without the duplicate test are hashed only when a test needs them, and may
    // copy each other or the list until then.
    m_indexStale = true;
    m_distinct = false;
    endInsertRows();
    emit countChanged(count());
}

void RowListModel::clear()
{
    announceStaged();
    if (m_recorder && !isEmpty()) {
        // The rows go to the recorder as they are: no copy of a list of millions.
        m_recorder->cleared(takeAllRows());
        return;
    }
    beginResetModel();
    std::vector<ScoreRow>().swap(m_rows);
    m_shown = 0;
    std::vector<bool>().swap(m_checked);
    m_index.clear();
    m_indexStale = false;
    m_distinct = true;
    m_checkedCount = 0;
    endResetModel();
    emit countChanged(0);
}

void RowListModel::setChecked(int position, bool checked)
{
    if (m_checked[size_t(position)] == checked)
        return;
    m_checked[size_t(position)] = checked;
    m_checkedCount += checked ? 1 : -1;
    // The position is known to be listed, so the index needs no range check.
    const QModelIndex changed = createIndex(position, 0);
    emit dataChanged(changed, changed, checkRole());
}

std::vector<ScoreRow> RowListModel::checkedRows() const
{
    std::vector<ScoreRow> ticked;
    ticked.reserve(size_t(m_checkedCount));
    for (size_t i = 0; i < m_shown; ++i)
        if (m_checked[i])
            ticked.push_back(m_rows[i]);
    return ticked;
}

void RowListModel::checkAll()
{
    if (isEmpty())
        return;
    m_checked.assign(m_shown, true);
    m_checkedCount = count();
    emit dataChanged(createIndex(0, 0), createIndex(count() - 1, 0), checkRole());
}

int RowListModel::checkPositions(const std::vector<int>& positions)
{
    const int before = m_checkedCount;
    int first = count();
    int last = -1;
    for (int position : positions) {
        if (m_checked[size_t(position)])
            continue;
        m_checked[size_t(position)] = true;
        ++m_checkedCount;
        first = std::min(first, position);
        last = std::max(last, position);
    }
    if (last >= 0)
        emit dataChanged(createIndex(first, 0), createIndex(last, 0), checkRole());
    return m_checkedCount - before;
}

void RowListModel::logAppended(size_t from, size_t count)
{
    if (m_recorder && count > 0)
        m_recorder->appended(from, count);
}

RowListModel::Slice RowListModel::takeAllRows()
{
    beginResetModel();
    Slice taken{std::move(m_rows), std::move(m_checked)};
    m_rows.clear();
    m_checked.clear();
    m_shown = 0;
    m_index.clear();
    m_indexStale = false;
    m_distinct = true;
    m_checkedCount = 0;
    endResetModel();
    emit countChanged(0);
    return taken;
}

void RowListModel::resetTo(std::vector<ScoreRow>&& rows, std::vector<bool>&& checked)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_checked = std::move(checked);
    m_shown = m_rows.size();
    m_checkedCount = int(std::count(m_checked.begin(), m_checked.end(), true));
    m_index.clear();
    m_indexStale = true;
    m_distinct = false; // rows put back are not tested again
    endResetModel();
    emit countChanged(count());
}
