#include "ui/rowlistview.h"
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <limits>

RowListView::RowListView(QWidget* parent) : QListView(parent)
{
    setVerticalScrollMode(ScrollPerItem);
}

int RowListView::rows() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int RowListView::firstRow() const
{
    return verticalScrollBar()->value();
}

QSize RowListView::itemSize() const
{
    if (m_itemSize.isValid())
        return m_itemSize;
    const int count = rows();
    if (count == 0)
        return QSize();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QSize size;
    for (int row : {0, count - 1}) {
        const QModelIndex index = indexOfRow(row);
        if (QAbstractItemDelegate* delegate = itemDelegateForIndex(index))
            size = size.expandedTo(delegate->sizeHint(option, index));
    }
    if (size.height() < 1)
        size.setHeight(1);
    m_itemSize = size;
    return m_itemSize;
}

int RowListView::rowsPerPage() const
{
    const int height = itemSize().height();
    return height > 0 ? qMax(1, viewport()->height() / height) : 1;
}

qint64 RowListView::rowAt(int y) const
{
    const int height = itemSize().height();
    if (height <= 0)
        return -1;
    // Rounded down, also above the viewport.
    const int step = y >= 0 ? y / height : -((-y + height - 1) / height);
    return qint64(firstRow()) + step;
}

QModelIndex RowListView::indexOfRow(int row) const
{
    return model() ? model()->index(row, modelColumn(), rootIndex()) : QModelIndex();
}

QRect RowListView::visualRect(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() ||
        index.row() >= rows())
        return QRect();
    const QSize size = itemSize();
    // Rows far off screen stay at the edge of the coordinate range instead of wrapping round.
    constexpr qint64 Far = std::numeric_limits<int>::max() / 2;
    const qint64 top = qBound(-Far, (qint64(index.row()) - firstRow()) * size.height(), Far);
    return QRect(-horizontalOffset(), int(top), qMax(size.width(), viewport()->width()),
                 size.height());
}

QModelIndex RowListView::indexAt(const QPoint& point) const
{
    const qint64 row = rowAt(point.y());
    if (row < 0 || row >= rows())
        return QModelIndex();
    const QModelIndex index = indexOfRow(int(row));
    return visualRect(index).contains(point) ? index : QModelIndex();
}

void RowListView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid() || index.row() >= rows())
        return;
    const int row = index.row();
    const int first = firstRow();
    const int page = rowsPerPage();
    int top = first;
    switch (hint) {
    case EnsureVisible:
        if (row < first)
            top = row;
        else if (row >= first + page)
            top = row - page + 1;
        break;
    case PositionAtTop:
        top = row;
        break;
    case PositionAtBottom:
        top = row - page + 1;
        break;
    case PositionAtCenter:
        top = row - page / 2;
        break;
    }
    verticalScrollBar()->setValue(top);
}

void RowListView::doItemsLayout()
{
    m_itemSize = QSize();
    // Skips the list view's own layout of every row.
    QAbstractItemView::doItemsLayout();
}

void RowListView::reset()
{
    m_itemSize = QSize();
    QAbstractItemView::reset();
}

void RowListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                              const QList<int>& roles)
{
    // Asking for the rectangle of every row of a range would walk millions of rows.
    if (topLeft == bottomRight)
        QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
    else
        viewport()->update();
}

void RowListView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    m_itemSize = QSize();
    scheduleDelayedItemsLayout();
    QAbstractItemView::rowsInserted(parent, start, end);
}

void RowListView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    m_itemSize = QSize();
    scheduleDelayedItemsLayout();
}

void RowListView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void RowListView::resizeEvent(QResizeEvent* event)
{
    QAbstractItemView::resizeEvent(event);
}

int RowListView::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int RowListView::verticalOffset() const
{
    const qint64 offset = qint64(firstRow()) * itemSize().height();
    return int(qMin<qint64>(offset, std::numeric_limits<int>::max()));
}

QModelIndex RowListView::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int count = rows();
    if (count == 0)
        return QModelIndex();
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return indexOfRow(0);
    int row = current.row();
    switch (action) {
    case MoveUp:
    case MovePrevious:
        --row;
        break;
    case MoveDown:
    case MoveNext:
        ++row;
        break;
    case MovePageUp:
        row -= qMax(1, rowsPerPage() - 1);
        break;
    case MovePageDown:
        row += qMax(1, rowsPerPage() - 1);
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = count - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return indexOfRow(qBound(0, row, count - 1));
}

void RowListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    if (!selectionModel())
        return;
    const qint64 last = qint64(rows()) - 1;
    const qint64 top = qMax<qint64>(0, rowAt(qMin(rect.top(), rect.bottom())));
    const qint64 bottom = qMin(last, rowAt(qMax(rect.top(), rect.bottom())));
    QItemSelection selection;
    if (top <= bottom)
        selection.select(indexOfRow(int(top)), indexOfRow(int(bottom)));
    selectionModel()->select(selection, command);
}

QRegion RowListView::visualRegionForSelection(const QItemSelection& selection) const
{
    // Only the rows on screen: a selection of millions needs no rectangle for each.
    const int first = firstRow();
    const int last = qMin(rows() - 1, first + rowsPerPage());
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() != rootIndex())
            continue;
        const int top = qMax(range.top(), first);
        const int bottom = qMin(range.bottom(), last);
        if (top <= bottom)
            region += visualRect(indexOfRow(top)).united(visualRect(indexOfRow(bottom)));
    }
    return region;
}

QModelIndexList RowListView::selectedIndexes() const
{
    return QAbstractItemView::selectedIndexes();
}

void RowListView::updateGeometries()
{
    const QSize size = itemSize();
    const int count = rows();
    QScrollBar* vertical = verticalScrollBar();
    const int page = rowsPerPage();
    vertical->setSingleStep(1);
    vertical->setPageStep(page);
    vertical->setRange(0, qMax(0, count - page));
    QScrollBar* horizontal = horizontalScrollBar();
    const int width = count > 0 ? size.width() : 0;
    horizontal->setSingleStep(qMax(1, size.height()));
    horizontal->setPageStep(viewport()->width());
    horizontal->setRange(0, qMax(0, width - viewport()->width()));
    QAbstractItemView::updateGeometries();
}

bool RowListView::isIndexHidden(const QModelIndex&) const
{
    return false;
}

QSize RowListView::viewportSizeHint() const
{
    return QAbstractItemView::viewportSizeHint();
}

void RowListView::paintEvent(QPaintEvent* event)
{
    const int count = rows();
    if (count == 0 || !model())
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State baseState = option.state;
    const bool enabled = baseState & QStyle::State_Enabled;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QPoint cursor = viewport()->mapFromGlobal(QCursor::pos());
    const QModelIndex hover = viewport()->underMouse() ? indexAt(cursor) : QModelIndex();
    QItemSelectionModel* selections = selectionModel();

    const QRect area = event->rect();
    const qint64 top = qMax<qint64>(0, rowAt(area.top()));
    const qint64 bottom = qMin<qint64>(count - 1, rowAt(area.bottom()));
    QPainter painter(viewport());
    for (qint64 row = top; row <= bottom; ++row) {
        const QModelIndex index = indexOfRow(int(row));
        option.rect = visualRect(index);
        option.state = baseState;
        if (selections && selections->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled) {
            const bool itemEnabled = model()->flags(index) & Qt::ItemIsEnabled;
            if (!itemEnabled)
                option.state &= ~QStyle::State_Enabled;
            option.palette.setCurrentColorGroup(itemEnabled ? QPalette::Normal
                                                            : QPalette::Disabled);
        }
        if (focus && index == current) {
            option.state |= QStyle::State_HasFocus;
            if (state() == EditingState)
                option.state |= QStyle::State_Editing;
        }
        if (index == hover)
            option.state |= QStyle::State_MouseOver;
        else
            option.state &= ~QStyle::State_MouseOver;
        if (alternatingRowColors()) {
            if (row % 2)
                option.features |= QStyleOptionViewItem::Alternate;
            else
                option.features &= ~QStyleOptionViewItem::Alternate;
            QStyleOptionViewItem background = option;
            background.state &= ~QStyle::State_Selected;
            style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &background, &painter, this);
        }
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

bool RowListView::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !m_rowToolTip)
        return QListView::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString text = index.isValid() ? m_rowToolTip(index.row()) : QString();
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
    return true;
}
