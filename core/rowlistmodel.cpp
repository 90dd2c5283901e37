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
    const int first = count();
    beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
    logAppended(size_t(first), rows.size());
    m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    m_shown = m_rows.size();
    m_checked.resize(m_rows.size(), false);
    m_indexStale = true;
    endInsertRows();
    emit countChanged(count());
}

void RowListModel::clear()
{
    announceStaged();
    if (m_recording && !isEmpty()) {
        // The rows go to the log as they are: no copy of a list of millions.
        m_recording->m_steps.push_back(Step{RowListChange::Kind::Cleared});
        takeAll(m_recording->m_steps.back());
        return;
    }
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
    if (m_recording) {
        m_recording->m_steps.push_back(Step{RowListChange::Kind::RemovedTicked});
        takeTicked(&m_recording->m_steps.back());
    } else {
        takeTicked(nullptr);
    }
    return removed;
}

void RowListModel::markSwitch(int fromColumns, int toColumns)
{
    if (!m_recording)
        return;
    Step mark{RowListChange::Kind::Mark};
    mark.from = size_t(fromColumns);
    mark.count = size_t(toColumns);
    m_recording->m_steps.push_back(std::move(mark));
}

void RowListModel::logAppended(size_t from, size_t count)
{
    if (!m_recording || count == 0)
        return;
    auto& steps = m_recording->m_steps;
    // A long draw announces its rows in several steps; they are one append.
    if (!steps.empty() && steps.back().kind == RowListChange::Kind::Appended &&
        steps.back().from + steps.back().count == from) {
        steps.back().count += count;
        return;
    }
    Step step{RowListChange::Kind::Appended};
    step.from = from;
    step.count = count;
    steps.push_back(std::move(step));
}

void RowListModel::takeTail(Step& step)
{
    beginRemoveRows(QModelIndex(), int(step.from), int(m_shown) - 1);
    step.rows.assign(m_rows.begin() + qsizetype(step.from), m_rows.begin() + qsizetype(m_shown));
    step.checked.assign(m_checked.begin() + qsizetype(step.from), m_checked.end());
    m_rows.resize(step.from);
    m_checked.resize(step.from);
    // The taken rows live on in the step; the list must not keep their room as well.
    m_rows.shrink_to_fit();
    m_checked.shrink_to_fit();
    m_shown = step.from;
    m_checkedCount = int(std::count(m_checked.begin(), m_checked.end(), true));
    m_index.clear();
    m_indexStale = true;
    endRemoveRows();
    emit countChanged(count());
}

void RowListModel::putBackTail(Step& step)
{
    beginInsertRows(QModelIndex(), int(m_shown), int(m_shown + step.rows.size()) - 1);
    m_rows.insert(m_rows.end(), step.rows.begin(), step.rows.end());
    m_checked.insert(m_checked.end(), step.checked.begin(), step.checked.end());
    m_shown = m_rows.size();
    m_checkedCount = int(std::count(m_checked.begin(), m_checked.end(), true));
    m_indexStale = true;
    std::vector<ScoreRow>().swap(step.rows);
    std::vector<bool>().swap(step.checked);
    endInsertRows();
    emit countChanged(count());
}

void RowListModel::takeAll(Step& step)
{
    beginResetModel();
    step.rows = std::move(m_rows);
    step.checked = std::move(m_checked);
    m_rows.clear();
    m_checked.clear();
    m_shown = 0;
    m_index.clear();
    m_indexStale = false;
    m_checkedCount = 0;
    endResetModel();
    emit countChanged(0);
}

void RowListModel::putBackAll(Step& step)
{
    resetTo(std::move(step.rows), std::move(step.checked));
    step.rows.clear();
    step.checked.clear();
}

void RowListModel::takeTicked(Step* step)
{
    takeMarked(std::vector<bool>(m_checked), step);
}

void RowListModel::takeMarked(const std::vector<bool>& remove, Step* step)
{
    beginResetModel();
    size_t kept = 0;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (!remove[i]) {
            m_rows[kept] = m_rows[i];
            m_checked[kept++] = m_checked[i];
        } else if (step) {
            step->positions.push_back(i);
            step->rows.push_back(m_rows[i]);
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

void RowListModel::retakeRemoved(Step& step)
{
    // Exactly the rows the command removed, whatever has been ticked since.
    std::vector<bool> remove(m_shown, false);
    for (size_t position : step.positions)
        remove[position] = true;
    step.positions.clear();
    step.rows.clear();
    takeMarked(remove, &step);
}

void RowListModel::putBackTicked(Step& step)
{
    std::vector<ScoreRow> rows;
    std::vector<bool> checked;
    rows.reserve(m_shown + step.rows.size());
    checked.reserve(m_shown + step.rows.size());
    size_t kept = 0;
    for (size_t k = 0; k < step.rows.size(); ++k) {
        while (rows.size() < step.positions[k]) {
            rows.push_back(m_rows[kept]);
            checked.push_back(m_checked[kept++]);
        }
        rows.push_back(step.rows[k]);
        checked.push_back(true);
    }
    for (; kept < m_shown; ++kept) {
        rows.push_back(m_rows[kept]);
        checked.push_back(m_checked[kept]);
    }
    step.rows.clear(); // the positions stay for the redo
    resetTo(std::move(rows), std::move(checked));
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
    endResetModel();
    emit countChanged(count());
}
