#pragma once
#include "core/rowindex.h"
#include "core/rowlistchange.h"
#include "core/scorerow.h"
#include <QAbstractListModel>
#include <vector>

// The row list: compact rows with a tick each, shown by a list view. Bulk operations emit
// one model signal each, so that ticking or removing among millions of rows stays instant.
class RowListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit RowListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int count() const { return int(m_shown); }
    bool isEmpty() const { return m_shown == 0; }
    ScoreRow at(int position) const { return m_rows[size_t(position)]; }
    const std::vector<ScoreRow>& rows() const { return m_rows; }
    bool contains(ScoreRow row) const;
    // The positions (in rows) of the rows that are listed here, in ascending order.
    std::vector<int> positionsListed(const std::vector<ScoreRow>& rows) const;

    // Appends unless an equal row is listed; returns whether it was appended.
    bool appendIfNew(ScoreRow row);
    // Appends the rows not yet listed (nor earlier in the batch); returns how many were new.
    int appendNew(const std::vector<ScoreRow>& rows);
    // Appends every row, duplicates included. Into an empty list the rows are taken over
    // instead of copied.
    void appendAll(const std::vector<ScoreRow>& rows);
    void appendAll(std::vector<ScoreRow>&& rows);

    // Bulk appending without a batch copy: a new row goes straight into the list and its
    // duplicate index but stays unseen (not counted, not shown) until announceStaged(), so a
    // draw of millions needs no second copy and the view lays out only at each announcement.
    bool stageIfNew(ScoreRow row);
    // Stages the rows in order, each unless listed or staged before; returns how many were
    // new, and in lastWasNew (if given) whether the last one was.
    size_t stageNew(const ScoreRow* rows, size_t count, bool* lastWasNew = nullptr);
    // Makes room for extraRows more rows, in the list and in its duplicate index, so that a
    // batch of known size grows nothing while it runs.
    void reserveMore(size_t extraRows);
    void announceStaged();
    qint64 stagedCount() const { return qint64(m_rows.size() - m_shown); }

    void clear();

    bool isChecked(int position) const { return m_checked[size_t(position)]; }
    void setChecked(int position, bool checked);
    int checkedCount() const { return m_checkedCount; }
    // The ticked rows in list order.
    std::vector<ScoreRow> checkedRows() const;
    void checkAll();
    // Ticks the given positions (in any order, repeats allowed) with one change signal.
    void checkPositions(const std::vector<int>& positions);
    // Removes the ticked rows, keeping the order of the rest; returns how many went.
    int removeChecked();

    // While a change is set, every change of the rows is logged into it (ticks alone are not).
    void recordInto(RowListChange* change) { m_recording = change; }
    RowListChange* recording() const { return m_recording; }
    // Logs a switch of the match count at this point of the change.
    void markSwitch(int fromColumns, int toColumns);

signals:
    // Emitted after every change of the number of rows.
    void countChanged(int count);

private:
    friend class RowListChange;
    using Step = RowListChange::Step;
    void logAppended(size_t from, size_t count);
    // Undo and redo of logged steps; they log nothing themselves.
    void takeTail(Step& step);
    void putBackTail(Step& step);
    void takeAll(Step& step);
    void putBackAll(Step& step);
    void takeTicked(Step* step); // step null: nothing kept
    void takeMarked(const std::vector<bool>& remove, size_t removing, Step* step);
    void appended(size_t first);
    void retakeRemoved(Step& step);
    void putBackTicked(Step& step);
    void resetTo(std::vector<ScoreRow>&& rows, std::vector<bool>&& checked);

    RowListChange* m_recording = nullptr;
    std::vector<ScoreRow> m_rows; // shown rows, then any staged ones
    size_t m_shown = 0;
    std::vector<bool> m_checked;
    // Built when a duplicate test first needs it: listing a large system or removing rows
    // then costs no hashing until the next test.
    const RowIndex& duplicateIndex() const;
    mutable RowIndex m_index;
    mutable bool m_indexStale = false;
    int m_checkedCount = 0;
};
