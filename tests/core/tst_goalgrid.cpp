#include "core/goalgrid.h"
#include <QStringList>
#include <QTest>

namespace {
// "0,1|2|1|0,3||": the ticked boxes of each team, teams in order home 1 .. away 3.
GoalGrid gridOf(const QString& ticks)
{
    GoalGrid grid;
    const QStringList teams = ticks.split(u'|');
    for (int team = 0; team < teams.size(); ++team)
        for (const QString& goal : teams[team].split(u',', Qt::SkipEmptyParts))
            grid.setTicked(team, goal.toInt(), true);
    return grid;
}

QStringList textsOf(const std::vector<ScoreRow>& rows)
{
    QStringList texts;
    for (ScoreRow row : rows)
        texts << row.text();
    return texts;
}
} // namespace

class TestGoalGrid : public QObject
{
    Q_OBJECT
private slots:
    void size_data();
    void size();
    void rows_data();
    void rows();
    void setTickedIgnoresBoxesOffTheGrid();
    void maxSize_data();
    void maxSize();
    void fullSystemIsEveryRowOnce();
};

void TestGoalGrid::size_data()
{
    QTest::addColumn<QString>("ticks");
    QTest::addColumn<int>("columns");
    QTest::addColumn<qint64>("size");

    QTest::newRow("empty grid") << "|||||" << 3 << qint64(0);
    QTest::newRow("two matches") << "1,2|0|3|0,1,2||" << 2 << qint64(6);
    QTest::newRow("away 1 without a tick") << "1,2||3|0,1,2||" << 2 << qint64(0);
    QTest::newRow("third grid ignored with two") << "0|0|0|0|0,1,2|5" << 2 << qint64(1);
    QTest::newRow("third match unticked") << "1,2|0|3|0,1,2||" << 3 << qint64(0);
    QTest::newRow("away 3 unticked") << "1|1|1|1|1|" << 3 << qint64(0);
    QTest::newRow("three matches") << "0,1|2|1|0,3|4,5,6|7,11" << 3 << qint64(24);
    QTest::newRow("beyond 16 bits") << "0,1,2,3,4,5,6,7,8,9,10,11|0,1,2,3,4,5,6,7,8,9,10,11"
                                       "|0,1,2,3,4,5,6,7,8,9,10,11|0,1,2,3,4,5,6,7,8,9,10,11"
                                       "|0,1,2,3,4,5,6,7,8,9,10,11|0,1,2,3,4,5,6,7,8,9,10"
                                    << 3 << qint64(2737152);
}

void TestGoalGrid::size()
{
    QFETCH(QString, ticks);
    QFETCH(int, columns);
    QFETCH(qint64, size);
    const GoalGrid grid = gridOf(ticks);
    QCOMPARE(grid.size(columns), size);
    QCOMPARE(qint64(grid.rows(columns).size()), size);
}

void TestGoalGrid::rows_data()
{
    QTest::addColumn<QString>("ticks");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("nested order") << "0,1|2|1|0,3||" << 2
                                  << QStringList{"0-2 1-0", "0-2 1-3", "1-2 1-0", "1-2 1-3"};
    QTest::newRow("third grid not listed with two")
        << "3|4|5|6|0,1|0,1" << 2 << QStringList{"3-4 5-6"};
    QTest::newRow("away 3 turns fastest")
        << "0|1|2|3|4,5|6,7" << 3
        << QStringList{"0-1 2-3 4-6", "0-1 2-3 4-7", "0-1 2-3 5-6", "0-1 2-3 5-7"};
    QTest::newRow("two-digit goals") << "11|0|2|2||" << 2 << QStringList{"11-0 2-2"};
    QTest::newRow("boxes 10 and 11")
        << "10|2|11|0,10||" << 2 << QStringList{"10-2 11-0", "10-2 11-10"};
    QTest::newRow("empty system") << "0,1|2|1|||" << 2 << QStringList{};
}

void TestGoalGrid::rows()
{
    QFETCH(QString, ticks);
    QFETCH(int, columns);
    QFETCH(QStringList, rows);
    QCOMPARE(textsOf(gridOf(ticks).rows(columns)), rows);
}

void TestGoalGrid::setTickedIgnoresBoxesOffTheGrid()
{
    GoalGrid grid;
    grid.setTicked(0, 12, true);
    grid.setTicked(6, 0, true);
    grid.setTicked(-1, 0, true);
    grid.setTicked(0, -1, true);
    QVERIFY(grid.isEmpty());
    QVERIFY(!grid.isTicked(0, 12));

    grid.setTicked(2, 11, true);
    QVERIFY(grid.isTicked(2, 11));
    QCOMPARE(grid.tickCount(2), 1);
    grid.setTicked(2, 11, false);
    QVERIFY(grid.isEmpty());
}

void TestGoalGrid::maxSize_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<qint64>("size");
    QTest::newRow("two matches") << 2 << qint64(20736);
    QTest::newRow("three matches") << 3 << qint64(2985984);
}

void TestGoalGrid::maxSize()
{
    QFETCH(int, columns);
    QFETCH(qint64, size);
    QCOMPARE(GoalGrid::maxSize(columns), size);
    GoalGrid full;
    for (int team = 0; team < GoalGrid::Teams; ++team)
        for (int goal = 0; goal < GoalGrid::Goals; ++goal)
            full.setTicked(team, goal, true);
    QCOMPARE(full.size(columns), size);
}

void TestGoalGrid::fullSystemIsEveryRowOnce()
{
    GoalGrid full;
    for (int team = 0; team < GoalGrid::Teams; ++team)
        for (int goal = 0; goal < GoalGrid::Goals; ++goal)
            full.setTicked(team, goal, true);
    const std::vector<ScoreRow> rows = full.rows(3);
    QCOMPARE(qint64(rows.size()), GoalGrid::maxSize(3));
    QCOMPARE(rows.front().text(), QStringLiteral("0-0 0-0 0-0"));
    QCOMPARE(rows[12].text(), QStringLiteral("0-0 0-0 1-0"));
    QCOMPARE(rows.back().text(), QStringLiteral("11-11 11-11 11-11"));
    // Ascending nested order means strictly ascending keys read as base-12 numbers.
    auto rank = [](ScoreRow row) {
        qint64 r = 0;
        for (int team = 0; team < 6; ++team)
            r = r * 12 + row.goal(team);
        return r;
    };
    for (size_t i = 0; i < rows.size(); ++i)
        if (rank(rows[i]) != qint64(i))
            QFAIL(qPrintable(QStringLiteral("row %1 is %2").arg(i).arg(rows[i].text())));
}

QTEST_GUILESS_MAIN(TestGoalGrid)
#include "tst_goalgrid.moc"
