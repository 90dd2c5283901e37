#include "core/rowlistmodel.h"
#include <algorithm>

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
        m_indexStale = false;
    }
    return m_index;
}

bool RowListModel::contains(ScoreRow row) const
{
    return duplicateIndex().contains(m_rows, row);
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
    int added = 0;
    for (ScoreRow row : rows)
        added += stageIfNew(row) ? 1 : 0;
    announceStaged();
    return added;
}

bool RowListModel::stageIfNew(ScoreRow row)
{
    duplicateIndex();
    m_rows.push_back(row);
    if (m_index.insert(m_rows, quint32(m_rows.size() - 1)))
        return true;
    m_rows.pop_back();
    return false;
}

void RowListModel::announceStaged()
{
    if (m_rows.size() == m_shown)
        return;
    beginInsertRows(QModelIndex(), int(m_shown), int(m_rows.size()) - 1);
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
    const int first = count();
    beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
    m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    m_shown = m_rows.size();
    m_checked.resize(m_rows.size(), false);
    m_indexStale = true;
    endInsertRows();
    emit countChanged(count());
}

void RowListModel::clear()
{
    beginResetModel();
    std::vector<ScoreRow>().swap(m_rows);
    m_shown = 0;
    std::vector<bool>().swap(m_checked);
    m_index.clear();
    m_indexStale = false;
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
    const QModelIndex changed = index(position);
    emit dataChanged(changed, changed, {Qt::CheckStateRole});
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
    emit dataChanged(index(0), index(count() - 1), {Qt::CheckStateRole});
}

void RowListModel::checkPositions(const std::vector<int>& positions)
{
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
        emit dataChanged(index(first), index(last), {Qt::CheckStateRole});
}

int RowListModel::removeChecked()
{
    announceStaged();
    if (m_checkedCount == 0)
        return 0;
    const int removed = m_checkedCount;
    beginResetModel();
    size_t kept = 0;
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (!m_checked[i])
            m_rows[kept++] = m_rows[i];
    m_rows.resize(kept);
    m_rows.shrink_to_fit();
    m_shown = kept;
    m_checked.assign(kept, false);
    m_checkedCount = 0;
    m_indexStale = true;
    endResetModel();
    emit countChanged(count());
    return removed;
}
