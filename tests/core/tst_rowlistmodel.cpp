#include "core/rowlistmodel.h"
#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {
// Rows "n-0 0-0", named by n.
std::vector<ScoreRow> rows(const QList<int>& numbers)
{
    std::vector<ScoreRow> result;
    for (int n : numbers)
        result.push_back(ScoreRow(2, {n, 0, 0, 0, 0, 0}));
    return result;
}

// The list as a view sees it.
QList<int> numbers(const RowListModel& model)
{
    QList<int> result;
    for (int i = 0; i < model.rowCount(); ++i)
        result << ScoreRow::fromText(model.data(model.index(i)).toString())->goal(0);
    return result;
}
} // namespace

class TestRowListModel : public QObject
{
    Q_OBJECT
private slots:
    // A change of the list: appendNew skips rows listed before or earlier in the batch,
    // appendAll (systems) keeps them, removeChecked takes out the ticked positions.
    void change_data()
    {
        QTest::addColumn<QList<int>>("listed");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QList<int>>("argument"); // the rows added, or the positions ticked
        QTest::addColumn<QList<int>>("list");
        const QList<int> eight{1, 2, 3, 4, 5, 6, 7, 8};
        // clang-format off
        QTest::newRow("new within the batch") << QList<int>{} << "new" << QList<int>{1, 2, 1, 3, 2}
            << QList<int>{1, 2, 3};
        QTest::newRow("new against the list") << QList<int>{1, 2} << "new" << QList<int>{2, 3, 1}
            << QList<int>{1, 2, 3};
        QTest::newRow("all keeps duplicates") << QList<int>{1} << "all" << QList<int>{2, 1, 2}
            << QList<int>{1, 2, 1, 2};
        QTest::newRow("remove rows 2, 3, 7 of 8") << eight << "remove" << QList<int>{1, 2, 6}
            << QList<int>{1, 4, 5, 6, 8};
        QTest::newRow("remove nothing") << eight << "remove" << QList<int>{} << eight;
        // The index knew the first copy; the second stays and must still be found.
        QTest::newRow("remove first of a duplicate") << QList<int>{1, 2, 1} << "remove"
            << QList<int>{0} << QList<int>{2, 1};
        // clang-format on
    }

    void change()
    {
        QFETCH(QList<int>, listed);
        QFETCH(QString, change);
        QFETCH(QList<int>, argument);
        QFETCH(QList<int>, list);
        RowListModel model;
        // Fails the test on any mismatch between the model's signals and its contents.
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.appendAll(rows(listed));
        QVERIFY(listed.isEmpty() || model.contains(model.at(0))); // builds the duplicate index
        QSignalSpy counts(&model, &RowListModel::countChanged);
        if (change == "remove") {
            for (int position : argument)
                QVERIFY(model.setData(model.index(position), Qt::Checked, Qt::CheckStateRole));
            QCOMPARE(model.removeChecked(), int(argument.size()));
            QCOMPARE(model.checkedCount(), 0);
            // No tick stays on the positions the removed rows left.
            for (int i = 0; i < model.count(); ++i)
                QVERIFY(!model.isChecked(i));
        } else if (change == "all") {
            model.appendAll(rows(argument));
        } else {
            QCOMPARE(model.appendNew(rows(argument)), int(list.size() - listed.size()));
        }
        QCOMPARE(numbers(model), list);
        // One announcement for the whole change, none for no change.
        QCOMPARE(counts.size(), list == listed ? 0 : 1);
        if (list != listed)
            QCOMPARE(counts[0][0].toInt(), int(list.size()));
        // Listed rows are refused, removed ones come back.
        for (int n : listed + list) {
            QCOMPARE(model.appendIfNew(rows({n})[0]), !list.contains(n));
            list << n;
        }
    }
};

QTEST_GUILESS_MAIN(TestRowListModel)
#include "tst_rowlistmodel.moc"
