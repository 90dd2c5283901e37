// The row list's view: clicks and keys land on the rows drawn, even among millions.
#include "core/rowlistmodel.h"
#include "ui/rowlistview.h"
#include <QScrollBar>
#include <QtTest>

using Keys = QList<int>;

// A shown view of count rows, 20 rows or so high.
struct ShownList
{
    explicit ShownList(int count)
    {
        std::vector<ScoreRow> rows;
        for (int n = 0; n < count; ++n) // goals counting through 0..12
            rows.push_back(ScoreRow(
                3, {n % 13, n / 13 % 13, n / 169 % 13, n / 2197 % 13, n / 28561 % 13, n / 371293}));
        model.appendAll(std::move(rows));
        view.setModel(&model);
        view.resize(220, 20 * view.fontMetrics().height());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.doItemsLayout();
    }
    int perPage() const { return view.verticalScrollBar()->pageStep(); }
    int first() const { return view.verticalScrollBar()->value(); }
    // Where the player clicks to tick a row: the middle of its tick box.
    QPoint tickBox(int row) const
    {
        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.rect = view.visualRect(model.index(row));
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        return view.style()
            ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &view)
            .center();
    }

    RowListModel model;
    RowListView view;
};

class TestRowListView : public QObject
{
    Q_OBJECT
private slots:
    // Scrolled anywhere, a click on a tick box ticks the row drawn there and no other.
    void clickTicksTheRowShown_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("scrolled"); // rows scrolled past; past the end stops at the end
        QTest::addColumn<int>("line");     // the line on screen clicked
        QTest::newRow("scrolled") << 100 << 30 << 4;
        QTest::newRow("last row of millions") << 3000000 << 3000000 << -1;
        QTest::newRow("shorter than the view") << 3 << 0 << 2;
    }
    void clickTicksTheRowShown()
    {
        QFETCH(int, count);
        QFETCH(int, scrolled);
        QFETCH(int, line);
        ShownList list(count);
        list.view.verticalScrollBar()->setValue(scrolled);
        QCOMPARE(list.first(), qMin(scrolled, qMax(0, count - list.perPage())));
        const int row = line < 0 ? count - 1 : list.first() + line;
        QCOMPARE(list.view.indexAt(list.tickBox(row)).row(), row);
        QTest::mouseClick(list.view.viewport(), Qt::LeftButton, {}, list.tickBox(row));
        QVERIFY(list.model.isChecked(row));
        QCOMPARE(list.model.checkedCount(), 1);
        QVERIFY(list.view.viewport()->rect().contains(list.view.visualRect(list.model.index(row))));
    }

    // The keys move the current row and keep it on screen; space ticks it.
    void keysMoveTheCurrentRow_data()
    {
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<int>("row");   // below 0 from the end: -1 the last
        QTest::addColumn<int>("pages"); // of a screen less one row
        QTest::newRow("page down") << Keys{Qt::Key_PageDown} << 0 << 1;
        QTest::newRow("down at the end") << Keys{Qt::Key_End, Qt::Key_Down} << -1 << 0;
        QTest::newRow("up above the screen")
            << Keys{Qt::Key_End, Qt::Key_PageUp, Qt::Key_Up} << -2 << -1;
        QTest::newRow("up at the top") << Keys{Qt::Key_Down, Qt::Key_Up, Qt::Key_Up} << 0 << 0;
        QTest::newRow("end, home") << Keys{Qt::Key_End, Qt::Key_Home} << 0 << 0;
        QTest::newRow("left stays") << Keys{Qt::Key_Down, Qt::Key_Left} << 1 << 0;
    }
    void keysMoveTheCurrentRow()
    {
        QFETCH(Keys, keys);
        QFETCH(int, row);
        QFETCH(int, pages);
        constexpr int Count = 1000;
        ShownList list(Count);
        list.view.setFocus();
        list.view.setCurrentIndex(list.model.index(0));
        for (int key : keys)
            QTest::keyClick(&list.view, Qt::Key(key));
        const int expected = (row < 0 ? Count + row : row) + pages * (list.perPage() - 1);
        QCOMPARE(list.view.currentIndex().row(), expected);
        QVERIFY(
            list.view.viewport()->rect().contains(list.view.visualRect(list.view.currentIndex())));
        QTest::keyClick(&list.view, Qt::Key_Space);
        QVERIFY(list.model.isChecked(expected));
    }
};

QTEST_MAIN(TestRowListView)
#include "tst_rowlistview.moc"
