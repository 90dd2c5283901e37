// Undo and redo of the row list's recorded changes. The duplicate index is only marked stale
// here: a step of millions rows costs no hashing until the next duplicate test.
#include "core/rowlistmodel.h"
#include <algorithm>

RowListModel::Slice RowListModel::Replay::takeTail(size_t from)
{
    RowListModel& l = m_list;
    Q_ASSERT(from <= l.m_shown && l.m_rows.size() == l.m_shown);
    l.beginRemoveRows(QModelIndex(), int(from), int(l.m_shown) - 1);
    Slice taken;
    taken.rows.assign(l.m_rows.begin() + qsizetype(from), l.m_rows.end());
    taken.checked.assign(l.m_checked.begin() + qsizetype(from), l.m_checked.end());
    l.m_rows.resize(from);
    l.m_checked.resize(from);
    // The taken rows live on in the step; the list must not keep their room as well.
    l.m_rows.shrink_to_fit();
    l.m_checked.shrink_to_fit();
    l.m_shown = from;
    l.m_checkedCount = int(std::count(l.m_checked.begin(), l.m_checked.end(), true));
    l.m_index.clear();
    l.m_indexStale = true;
    l.endRemoveRows();
    emit l.countChanged(l.count());
    return taken;
}

void RowListModel::Replay::putBackTail(Slice&& rows)
{
    RowListModel& l = m_list;
    if (rows.rows.empty())
        return;
    l.beginInsertRows(QModelIndex(), int(l.m_shown), int(l.m_shown + rows.rows.size()) - 1);
    l.m_rows.insert(l.m_rows.end(), rows.rows.begin(), rows.rows.end());
    l.m_checked.insert(l.m_checked.end(), rows.checked.begin(), rows.checked.end());
    l.m_shown = l.m_rows.size();
    l.m_checkedCount = int(std::count(l.m_checked.begin(), l.m_checked.end(), true));
    l.m_indexStale = true;
    l.m_distinct = false; // rows put back are not tested again
    std::vector<ScoreRow>().swap(rows.rows);
    std::vector<bool>().swap(rows.checked);
    l.endInsertRows();
    emit l.countChanged(l.count());
}

RowListModel::Slice RowListModel::Replay::takeAll()
{
    return m_list.takeAllRows();
}

void RowListModel::Replay::putBackAll(Slice&& rows)
{
    Q_ASSERT(m_list.isEmpty());
    m_list.resetTo(std::move(rows.rows), std::move(rows.checked));
    rows.rows.clear();
    rows.checked.clear();
}

void RowListModel::Replay::putBack(Removed& removed)
{
    RowListModel& l = m_list;
    if (removed.kept) {
        // The whole list as it was, the rows kept bringing their ticks as they are now.
        std::vector<ScoreRow> rows = std::move(removed.rows);
        std::vector<bool> checked = std::move(removed.checked);
        removed.rows.clear();
        removed.checked.clear();
        for (size_t k = 0; k < removed.positions.size(); ++k)
            checked[removed.positions[k]] = l.m_checked[k];
        l.resetTo(std::move(rows), std::move(checked));
        return;
    }
    const size_t total = l.m_shown + removed.rows.size();
    std::vector<ScoreRow> rows;
    std::vector<bool> checked;
    rows.reserve(total);
    checked.reserve(total);
    size_t kept = 0;
    // Two loops, so that rows removed all ticked read no ticks.
    const auto merge = [&](auto tickOf) {
        for (size_t k = 0; k < removed.rows.size(); ++k) {
            while (rows.size() < removed.positions[k]) {
                rows.push_back(l.m_rows[kept]);
                checked.push_back(l.m_checked[kept++]);
            }
            rows.push_back(removed.rows[k]);
            checked.push_back(tickOf(k));
        }
    };
    if (removed.checked.empty())
        merge([](size_t) { return true; });
    else
        merge([&removed](size_t k) { return bool(removed.checked[k]); });
    for (; kept < l.m_shown; ++kept) {
        rows.push_back(l.m_rows[kept]);
        checked.push_back(l.m_checked[kept]);
    }
    std::vector<ScoreRow>().swap(removed.rows); // the positions stay for the redo
    std::vector<bool>().swap(removed.checked);
    l.resetTo(std::move(rows), std::move(checked));
}

void RowListModel::Replay::takeAgain(Removed& removed)
{
    RowListModel& l = m_list;
    if (removed.kept) {
        std::vector<quint32> positions = std::move(removed.positions);
        removed = Removed();
        l.takeAllBut(std::move(positions), removed);
        return;
    }
    // Exactly the rows the command removed, whatever has been ticked since.
    std::vector<quint32> positions = std::move(removed.positions);
    removed = Removed();
    if (!positions.empty())
        l.takeAt(std::move(positions), removed);
}
