#pragma once
// The list view of a row list. A plain list view keeps two layout numbers for every row (its
// position and its scroll step, about 13 bytes a row with their growth: 38 MB for 3,000,000
// rows) and computes them all again after every change of the rows. Every row here is one line
// of the same height, so this view works out where a row stands from its number and keeps
// nothing per row; it scrolls a row at a time like a list view. Ticks change no row's size, so
// they only repaint: one row its own rectangle, a range (ticking all) the visible rows.
#include <QListView>
#include <functional>

class RowListView : public QListView
{
    Q_OBJECT
public:
    explicit RowListView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void doItemsLayout() override;
    void reset() override;
    // What a row's tooltip says; no tooltip while unset or when it gives "".
    void setRowToolTip(std::function<QString(int row)> text) { m_rowToolTip = std::move(text); }

protected:
    bool viewportEvent(QEvent* event) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    QModelIndexList selectedIndexes() const override;
    void updateGeometries() override;
    bool isIndexHidden(const QModelIndex& index) const override;
    QSize viewportSizeHint() const override;

private:
    int rows() const;
    int firstRow() const;
    // Rows that fit wholly into the viewport, at least 1.
    int rowsPerPage() const;
    // The size of every row: the larger of the first and the last row's, as the delegate
    // measures them.
    QSize itemSize() const;
    // The row under viewport height y (rows above the first or below the last included).
    qint64 rowAt(int y) const;
    QModelIndex indexOfRow(int row) const;

    mutable QSize m_itemSize;
    std::function<QString(int row)> m_rowToolTip;
};
