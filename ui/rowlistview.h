#pragma once
// The list view of the row list. A list view lays out all its rows again on every change of
// data, which with millions of rows makes one tick take a tenth of a second. A tick changes
// no row's size, so tick changes only repaint: one row its own rectangle, a range (ticking
// all) the visible rows, without asking for the rectangle of every row in it.
#include <QListView>

class RowListView : public QListView
{
    Q_OBJECT
public:
    using QListView::QListView;

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles) override
    {
        if (roles.size() == 1 && roles.first() == Qt::CheckStateRole) {
            if (topLeft == bottomRight)
                QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
            else
                viewport()->update();
            return;
        }
        QListView::dataChanged(topLeft, bottomRight, roles);
    }
};
