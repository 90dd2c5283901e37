#include "compare/comparison.h"
#include <QtTest>

namespace {
void fill(RowListModel& model, const QStringList& texts)
{
    std::vector<ScoreRow> rows;
    for (const QString& text : texts)
        rows.push_back(ScoreRow::fromText(text).value());
    model.appendAll(rows);
}

// One character per row: 'x' ticked, '.' not.
QString ticks(const RowListModel& model)
{
    QString marks;
    for (int i = 0; i < model.count(); ++i)
        marks += model.isChecked(i) ? 'x' : '.';
    return marks;
}

void setTicks(RowListModel& model, const QString& marks)
{
    for (int i = 0; i < marks.size(); ++i)
        model.setChecked(i, marks[i] == 'x');
}

QStringList texts(const RowListModel& model)
{
    QStringList result;
    for (ScoreRow row : model.rows())
        result << row.text();
    return result;
}
} // namespace

class ComparisonTest : public QObject
{
    Q_OBJECT

private slots:
    void tickShared_data()
    {
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<QString>("ticksBefore1");
        QTest::addColumn<QString>("ticksBefore2");
        QTest::addColumn<QString>("ticks1");
        QTest::addColumn<QString>("ticks2");

        QTest::newRow("nothing shared")
            << QStringList{"1-0 0-0", "2-0 0-0"} << QStringList{"0-1 0-0"} << ".."
            << "."
            << ".."
            << ".";
        QTest::newRow("duplicates on both sides")
            << QStringList{"1-1 1-1", "2-2 2-2", "1-1 1-1", "3-3 3-3"}
            << QStringList{"3-3 3-3", "1-1 1-1", "4-4 4-4", "1-1 1-1", "1-1 1-1"} << "...."
            << "....."
            << "x.xx"
            << "xx.xx";
        QTest::newRow("equal only within one list")
            << QStringList{"5-5 5-5", "5-5 5-5"} << QStringList{"6-6 6-6", "6-6 6-6"} << ".."
            << ".."
            << ".."
            << "..";
        QTest::newRow("same rows both sides") << QStringList{"1-0 2-0 3-0", "0-1 0-2 0-3"}
                                              << QStringList{"0-1 0-2 0-3", "1-0 2-0 3-0"} << ".."
                                              << ".."
                                              << "xx"
                                              << "xx";
        QTest::newRow("earlier ticks stay") << QStringList{"1-0 0-0", "2-0 0-0", "3-0 0-0"}
                                            << QStringList{"2-0 0-0", "9-9 9-9"} << "x.."
                                            << ".x"
                                            << "xx."
                                            << "xx";
        QTest::newRow("widths never match")
            << QStringList{"1-1 1-1"} << QStringList{"1-1 1-1 0-0"} << "."
            << "."
            << "."
            << ".";
        QTest::newRow("two-digit goals are not their digits")
            << QStringList{"11-1 1-1", "1-11 1-1"} << QStringList{"1-11 1-1"} << ".."
            << "."
            << ".x"
            << "x";
        QTest::newRow("one side empty") << QStringList{"1-1 1-1"} << QStringList{} << "."
                                        << ""
                                        << "."
                                        << "";
    }
    void tickShared()
    {
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(QString, ticksBefore1);
        QFETCH(QString, ticksBefore2);
        QFETCH(QString, ticks1);
        QFETCH(QString, ticks2);

        RowListModel list1, list2;
        fill(list1, first);
        fill(list2, second);
        setTicks(list1, ticksBefore1);
        setTicks(list2, ticksBefore2);
        QSignalSpy changed1(&list1, &RowListModel::dataChanged);
        QSignalSpy changed2(&list2, &RowListModel::dataChanged);

        Comparison::tickShared(list1, list2);

        QCOMPARE(ticks(list1), ticks1);
        QCOMPARE(ticks(list2), ticks2);
        QCOMPARE(list1.checkedCount(), int(ticks1.count('x')));
        QCOMPARE(list2.checkedCount(), int(ticks2.count('x')));
        // One signal per list, however many rows it ticks.
        QVERIFY(changed1.count() <= 1);
        QVERIFY(changed2.count() <= 1);
        QCOMPARE(texts(list1), first);
        QCOMPARE(texts(list2), second);
    }

    void appendMissing_data()
    {
        QTest::addColumn<QStringList>("main");
        QTest::addColumn<QStringList>("source");
        QTest::addColumn<int>("mainColumns");
        QTest::addColumn<QStringList>("mainAfter");
        QTest::addColumn<int>("moved");
        QTest::addColumn<int>("leftOut");

        QTest::newRow("into an empty list") << QStringList{} << QStringList{"1-1 1-1", "2-2 2-2"}
                                            << 2 << QStringList{"1-1 1-1", "2-2 2-2"} << 2 << 0;
        QTest::newRow("rows already listed are skipped")
            << QStringList{"2-2 2-2", "3-3 3-3"} << QStringList{"1-1 1-1", "2-2 2-2", "4-4 4-4"}
            << 2 << QStringList{"2-2 2-2", "3-3 3-3", "1-1 1-1", "4-4 4-4"} << 2 << 0;
        QTest::newRow("repeated source rows move once")
            << QStringList{"9-9 9-9"} << QStringList{"1-1 1-1", "1-1 1-1", "9-9 9-9", "1-1 1-1"}
            << 2 << QStringList{"9-9 9-9", "1-1 1-1"} << 1 << 0;
        QTest::newRow("other widths left out")
            << QStringList{"1-1 1-1 1-1"} << QStringList{"1-1 1-1", "2-2 2-2 2-2", "3-3 3-3"} << 3
            << QStringList{"1-1 1-1 1-1", "2-2 2-2 2-2"} << 1 << 2;
        QTest::newRow("left out duplicates counted each")
            << QStringList{} << QStringList{"1-1 1-1 1-1", "1-1 1-1 1-1", "1-1 1-1"} << 2
            << QStringList{"1-1 1-1"} << 1 << 2;
        QTest::newRow("nothing to move")
            << QStringList{"1-1 1-1"} << QStringList{} << 2 << QStringList{"1-1 1-1"} << 0 << 0;
    }
    void appendMissing()
    {
        QFETCH(QStringList, main);
        QFETCH(QStringList, source);
        QFETCH(int, mainColumns);
        QFETCH(QStringList, mainAfter);
        QFETCH(int, moved);
        QFETCH(int, leftOut);

        RowListModel mainList, sourceList;
        fill(mainList, main);
        fill(sourceList, source);
        QSignalSpy counted(&mainList, &RowListModel::countChanged);

        const Comparison::MoveResult result =
            Comparison::appendMissing(sourceList.rows(), mainList, mainColumns);

        QCOMPARE(result.moved, moved);
        QCOMPARE(result.leftOutForWidth, leftOut);
        QCOMPARE(texts(mainList), mainAfter);
        QCOMPARE(texts(sourceList), source);
        QCOMPARE(counted.count(), moved > 0 ? 1 : 0);
        // Moving again finds everything listed.
        QCOMPARE(Comparison::appendMissing(sourceList.rows(), mainList, mainColumns).moved, 0);
    }
};

QTEST_GUILESS_MAIN(ComparisonTest)
#include "tst_comparison.moc"
