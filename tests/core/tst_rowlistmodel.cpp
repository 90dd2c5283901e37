#include "core/rowlistmodel.h"
#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using Numbers = QList<int>;

// Rows "n-0 0-0", named by n.
static std::vector<ScoreRow> rows(const Numbers& numbers)
{
    std::vector<ScoreRow> result;
    for (int n : numbers)
        result.push_back(ScoreRow(2, {n, 0, 0, 0}));
    return result;
}

class TestRowListModel : public QObject
{
    Q_OBJECT
private slots:
    // Appending skips rows listed or earlier in the batch; removing takes the ticked positions.
    void change_data()
    {
        QTest::addColumn<Numbers>("listed");
        QTest::addColumn<bool>("remove");
        QTest::addColumn<Numbers>("argument"); // the rows appended, or the positions ticked
        QTest::addColumn<Numbers>("list");
        // clang-format off
        QTest::newRow("new within the batch") << Numbers{} << false << Numbers{1, 2, 1, 3, 2} << Numbers{1, 2, 3};
        QTest::newRow("new against the list") << Numbers{1, 2} << false << Numbers{2, 3, 1} << Numbers{1, 2, 3};
        QTest::newRow("remove rows 2, 3, 7 of 8") << Numbers{1, 2, 3, 4, 5, 6, 7, 8} << true << Numbers{1, 2, 6} << Numbers{1, 4, 5, 6, 8};
        // The index knew the first copy; the second stays and must still be found.
        QTest::newRow("remove first of a duplicate") << Numbers{1, 2, 1} << true << Numbers{0} << Numbers{2, 1};
        // clang-format on
    }
    void change()
    {
        QFETCH(Numbers, listed);
        QFETCH(bool, remove);
        QFETCH(Numbers, argument);
        QFETCH(Numbers, list);
        RowListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.appendAll(rows(listed));
        QVERIFY(listed.isEmpty() || model.contains(model.at(0))); // builds the duplicate index
        if (remove) {
            for (int position : argument)
                model.setData(model.index(position), Qt::Checked, Qt::CheckStateRole);
            QCOMPARE(model.removeChecked(), int(argument.size()));
            for (int i = 0; i < model.count(); ++i) // no tick stays where removed rows were
                QVERIFY(!model.isChecked(i));
        } else {
            QCOMPARE(model.appendNew(rows(argument)), int(list.size() - listed.size()));
        }
        Numbers shown; // as a view sees the list
        for (int i = 0; i < model.rowCount(); ++i)
            shown << ScoreRow::fromText(model.data(model.index(i)).toString())->goal(0);
        QCOMPARE(shown, list);
        for (int n : listed + list) { // listed rows are refused, removed ones come back
            QCOMPARE(model.appendIfNew(rows({n})[0]), !list.contains(n));
            list << n;
        }
    }

    // Rows listed as they are: into an empty list the caller's storage is taken over, into a
    // listed one the rows are added behind; the duplicate test then knows them all.
    void appendAll_data()
    {
        QTest::addColumn<Numbers>("listed");
        QTest::addColumn<Numbers>("appended");
        QTest::newRow("into an empty list") << Numbers{} << Numbers{3, 1, 3};
        QTest::newRow("behind listed rows") << Numbers{5, 6} << Numbers{1, 5};
    }
    void appendAll()
    {
        QFETCH(Numbers, listed);
        QFETCH(Numbers, appended);
        RowListModel model;
        model.appendAll(rows(listed));
        QVERIFY(listed.isEmpty() || model.contains(rows(listed)[0]));
        std::vector<ScoreRow> handed = rows(appended);
        const ScoreRow* storage = handed.data();
        QSignalSpy counts(&model, &RowListModel::countChanged);
        model.appendAll(std::move(handed));
        QCOMPARE(counts.size(), 1);
        QCOMPARE(model.rows() == rows(listed + appended), true);
        QCOMPARE(model.rows().data() == storage, listed.isEmpty());
        for (int n : listed + appended)
            QVERIFY(!model.appendIfNew(rows({n})[0]));
    }

    // Staged rows go in order, each unless listed or staged before; the answer for the last
    // row says whether it went in, also when an earlier one of the block did not.
    void stageNew_data()
    {
        QTest::addColumn<Numbers>("listed");
        QTest::addColumn<Numbers>("staged");
        QTest::addColumn<Numbers>("list");
        QTest::addColumn<bool>("lastWasNew");
        // clang-format off
        QTest::newRow("last new") << Numbers{1} << Numbers{2, 1, 2, 3} << Numbers{1, 2, 3} << true;
        QTest::newRow("last listed") << Numbers{1} << Numbers{2, 1} << Numbers{1, 2} << false;
        QTest::newRow("last staged before") << Numbers{} << Numbers{4, 5, 4} << Numbers{4, 5} << false;
        // clang-format on
    }
    void stageNew()
    {
        QFETCH(Numbers, listed);
        QFETCH(Numbers, staged);
        QFETCH(Numbers, list);
        QFETCH(bool, lastWasNew);
        RowListModel model;
        model.appendAll(rows(listed));
        const std::vector<ScoreRow> block = rows(staged);
        bool wasNew = !lastWasNew;
        QCOMPARE(model.stageNew(block.data(), block.size(), &wasNew),
                 size_t(list.size() - listed.size()));
        QCOMPARE(wasNew, lastWasNew);
        QCOMPARE(model.count(), int(listed.size())); // unseen until announced
        model.announceStaged();
        QCOMPARE(model.rows() == rows(list), true);
    }

    // A batch of known size makes room once; batches one after another still grow the list by
    // half at a time instead of by each batch.
    void reserveMore()
    {
        RowListModel model;
        model.reserveMore(1000);
        QCOMPARE(model.rows().capacity(), size_t(1000));
        std::vector<ScoreRow> batch = rows(Numbers{1});
        for (int n = 0; n < 1000; ++n) {
            batch[0] = ScoreRow(3, {n % 13, n / 13, 0, 0, 0, 0});
            model.appendNew(batch);
        }
        QCOMPARE(model.rows().capacity(), size_t(1000));
        model.appendNew(rows(Numbers{1}));
        QVERIFY(model.rows().capacity() >= 1500);
    }

    // Removing ticked rows under a recorded change, taking that back and doing it again: the
    // rows, their places and their ticks come back exactly, whatever was ticked in between.
    void removalUndoRedo_data()
    {
        QTest::addColumn<Numbers>("listed");
        QTest::addColumn<Numbers>("ticked");
        QTest::addColumn<Numbers>("tickedBetween");
        // clang-format off
        QTest::newRow("first and last") << Numbers{1, 2, 3, 4} << Numbers{0, 3} << Numbers{};
        QTest::newRow("ticked again before the redo") << Numbers{1, 2, 3, 4, 5} << Numbers{1, 2} << Numbers{0, 4};
        QTest::newRow("all") << Numbers{7, 8} << Numbers{0, 1} << Numbers{};
        // clang-format on
    }
    void removalUndoRedo()
    {
        QFETCH(Numbers, listed);
        QFETCH(Numbers, ticked);
        QFETCH(Numbers, tickedBetween);
        RowListModel model;
        model.appendAll(rows(listed));
        for (int position : ticked)
            model.setChecked(position, true);
        RowListChange change;
        model.recordInto(&change);
        QCOMPARE(model.removeChecked(), int(ticked.size()));
        Numbers kept;
        for (int i = 0; i < listed.size(); ++i)
            if (!ticked.contains(i))
                kept << listed[i];
        QCOMPARE(model.rows() == rows(kept), true);
        change.undo(model, [](int) {});
        QCOMPARE(model.rows() == rows(listed), true);
        for (int i = 0; i < listed.size(); ++i)
            QCOMPARE(model.isChecked(i), ticked.contains(i));
        for (int i = 0; i < listed.size(); ++i)
            model.setChecked(i, tickedBetween.contains(i));
        change.redo(model, [](int) {});
        QCOMPARE(model.rows() == rows(kept), true);
        for (int n : kept)
            QVERIFY(!model.appendIfNew(rows({n})[0]));
        for (int position : ticked)
            QVERIFY(model.appendIfNew(rows({listed[position]})[0]));
    }

    // A tick changes one row: the view hears of exactly that row and role.
    void tickSignalsOneRow()
    {
        RowListModel model;
        model.appendAll(rows({1, 2, 3}));
        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
        model.setChecked(1, true);
        model.setChecked(1, true);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes[0][0].value<QModelIndex>(), model.index(1));
        QCOMPARE(changes[0][1].value<QModelIndex>(), model.index(1));
        QCOMPARE(changes[0][2].value<QList<int>>(), QList<int>{Qt::CheckStateRole});
        QCOMPARE(model.checkedCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRowListModel)
#include "tst_rowlistmodel.moc"
