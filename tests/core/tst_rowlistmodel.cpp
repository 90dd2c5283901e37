#include "core/rowlistmodel.h"
#include <QAbstractItemModelTester>
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
};

QTEST_GUILESS_MAIN(TestRowListModel)
#include "tst_rowlistmodel.moc"
