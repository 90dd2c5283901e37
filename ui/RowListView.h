#pragma once
// The list view of the row list. A list view lays out all its rows again on every change of
// data, which with millions of rows makes one tick take a tenth of a second. A tick changes
// no row's size, so tick changes only repaint.
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
            QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
            return;
        }
        QListView::dataChanged(topLeft, bottomRight, roles);
    }
};
