#pragma once
#include "core/rowindex.h"
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
    // True when the list is known to hold no row twice: rows added with the duplicate test and
    // removals keep it; rows listed without the test or put back by undo make it unknown (false)
    // until the next duplicate test has hashed the whole list.
    bool isDistinct() const { return m_distinct; }
    // The rows this list and other have in common, found through this list's index alone:
    // other's positions of its rows listed here, and the positions here of rows listed in other,
    // both ascending.
    struct Shared
    {
        std::vector<int> inOther;
        std::vector<int> here;
    };
    Shared sharedWith(const RowListModel& other) const;

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
    // Ticks the given positions (in any order, repeats allowed) with one change signal; returns
    // how many were not ticked before.
    int checkPositions(const std::vector<int>& positions);
    // Removes the ticked rows, keeping the order of the rest; returns how many went.
    int removeChecked();
    // Removes the rows at the positions (ascending, each listed once), ticked or not, keeping
    // the order of the rest and every tick with its row; returns how many went.
    int removeAt(std::vector<quint32>&& positions);
    // Keeps only the rows at the positions (ascending, each listed once), with their ticks;
    // returns how many went. The list's storage goes to the recorder whole, so cutting millions
    // of rows down to a few copies only the few.
    int keepOnly(std::vector<quint32>&& positions);

    // Rows with their ticks, taken out of the list or to be put back: a cleared list hands its
    // storage over in one.
    struct Slice
    {
        std::vector<ScoreRow> rows;
        std::vector<bool> checked;
    };
    // Rows removed from among others: where each stood (ascending) and, while removed, the
    // rows themselves with their ticks (none kept when every one was ticked). When most of a
    // list went, the other way round: where the rows kept stood, and the whole list as it was.
    struct Removed
    {
        std::vector<quint32> positions;
        std::vector<ScoreRow> rows;
        std::vector<bool> checked;
        bool kept = false; // positions are of the rows kept; rows and checked the whole list
    };

    // Told of every change of the rows as it happens (ticks alone are not), with what a
    // change needs to be taken back: appended rows by their range, cleared and removed rows
    // handed over.
    class Recorder
    {
    public:
        virtual void appended(size_t from, size_t count) = 0;
        virtual void cleared(Slice&& rows) = 0;
        virtual void removed(Removed&& rows) = 0;

    protected:
        ~Recorder() = default;
    };
    void recordInto(Recorder* recorder) { m_recorder = recorder; }
    Recorder* recorder() const { return m_recorder; }

    // What undo and redo do to the list: each brings back or takes again exactly what one
    // recorded change did, and tells the recorder nothing. The list must be as the change
    // left it (or as its undo did).
    class Replay
    {
    public:
        explicit Replay(RowListModel& list) : m_list(list) {}
        // An append: its rows from position from on are taken out, and put back.
        Slice takeTail(size_t from);
        void putBackTail(Slice&& rows);
        // A clear: every row taken out with its storage, and put back into the empty list.
        Slice takeAll();
        void putBackAll(Slice&& rows);
        // A removal: the rows put back at their places with their ticks, keeping the
        // positions; and
        // exactly the rows at those places taken again, whatever is ticked by then.
        void putBack(Removed& removed);
        void takeAgain(Removed& removed);

    private:
        RowListModel& m_list;
    };

signals:
    // Emitted after every change of the number of rows.
    void countChanged(int count);

private:
    void logAppended(size_t from, size_t count);
    Slice takeAllRows();
    // Removes the marked rows, every one ticked; with removed given, keeps them there with
    // their positions.
    void takeMarked(const std::vector<bool>& remove, size_t removing, Removed* removed);
    // The two halves of removeAt() and keepOnly(), also for the redo; removed gets what the
    // undo needs.
    void takeAt(std::vector<quint32>&& positions, Removed& removed);
    void takeAllBut(std::vector<quint32>&& positions, Removed& removed);
    void record(Removed&& removed);
    void appended(size_t first);
    void resetTo(std::vector<ScoreRow>&& rows, std::vector<bool>&& checked);

    Recorder* m_recorder = nullptr;
    std::vector<ScoreRow> m_rows; // shown rows, then any staged ones
    size_t m_shown = 0;
    std::vector<bool> m_checked;
    // Built when a duplicate test first needs it: listing a large system or removing rows
    // then costs no hashing until the next test.
    const RowIndex& duplicateIndex() const;
    mutable RowIndex m_index;
    mutable bool m_indexStale = false;
    mutable bool m_distinct = true;
    void indexRebuilt() const;
    int m_checkedCount = 0;
};
