#include "core/systemdraw.h"
#include <QStringList>
#include <QTest>

namespace {
// Returns the numbers of a script such as "g3 t4": g3 draws goal 3 under the test's maximum,
// t4 draws team 4 (away 2). Past the script it returns `rest`, or `late` at index lateAt.
class ScriptedRandom : public RandomSource
{
public:
    ScriptedRandom(const QString& script, int maxGoal)
    {
        for (const QString& step : script.split(u' ', Qt::SkipEmptyParts)) {
            const double n = step.mid(1).toDouble();
            m_numbers << (step[0] == u't' ? (n - 0.5) / 6 : (n + 0.5) / (maxGoal + 1));
        }
    }
    double next() override
    {
        const int i = m_used++;
        if (i < m_numbers.size())
            return m_numbers[i];
        return i == lateAt ? late : rest;
    }
    bool allUsed() const { return m_used == m_numbers.size(); }

    double rest = 0;
    double late = 0;
    int lateAt = -1;

private:
    QList<double> m_numbers;
    int m_used = 0;
};

// "0,1|2||||": the ticked boxes of each team, home 1 .. away 3.
QString gridText(const GoalGrid& grid)
{
    QStringList teams;
    for (int team = 0; team < GoalGrid::Teams; ++team) {
        QStringList goals;
        for (int goal = 0; goal < GoalGrid::Goals; ++goal)
            if (grid.isTicked(team, goal))
                goals << QString::number(goal);
        teams << goals.join(u',');
    }
    return teams.join(u'|');
}

// Ticks the boxes of a grid text one by one as the player would.
void click(GridDraw& draw, const QString& ticks, int columns)
{
    const QStringList teams = ticks.split(u'|');
    for (int team = 0; team < teams.size(); ++team)
        for (const QString& goal : teams[team].split(u',', Qt::SkipEmptyParts))
            draw.setTicked(team, goal.toInt(), true, columns);
}
} // namespace

class TestSystemDraw : public QObject
{
    Q_OBJECT
private slots:
    void clicksRecount();
    void bulkChangesDoNotRecount();
    void arvo_data();
    void arvo();
    void wantedAttempts_data();
    void wantedAttempts();
    void cappedWanted_data();
    void cappedWanted();
    void fullSystemOfZerosAndOnes_data();
    void fullSystemOfZerosAndOnes();
    void maximumZeroTakesOneDraw_data();
    void maximumZeroTakesOneDraw();
    void unreachableGivesUp_data();
    void unreachableGivesUp();
    void lastAttemptIsClearedEvenOnTarget_data();
    void lastAttemptIsClearedEvenOnTarget();
    void nothingToDraw_data();
    void nothingToDraw();
};

void TestSystemDraw::clicksRecount()
{
    GeneratorRandom random(1);
    GridDraw draw(random);
    click(draw, "1,2|0|3|0,1,2||", 2);
    QCOMPARE(draw.shownSize(), qint64(6));
    QVERIFY(!draw.setTicked(3, 2, true, 2)); // no change, no count
    QVERIFY(draw.setTicked(1, 0, false, 2));
    QCOMPARE(draw.shownSize(), qint64(0));
    QVERIFY(draw.setTicked(1, 0, true, 3));
    QCOMPARE(draw.shownSize(), qint64(0)); // match 3 unticked
}

void TestSystemDraw::bulkChangesDoNotRecount()
{
    GeneratorRandom random(1);
    GridDraw draw(random);
    click(draw, "1,2|0|3|0,1,2||", 2);
    draw.fillAll();
    QCOMPARE(draw.shownSize(), qint64(6));
    QCOMPARE(draw.grid().size(3), GoalGrid::maxSize(3));
    draw.setTicked(5, 11, false, 3);
    QCOMPARE(draw.shownSize(), qint64(2737152));

    draw.drawOnce(9, false, 3);
    QVERIFY(draw.singleResultMode());
    draw.clearGrid();
    QCOMPARE(draw.shownSize(), qint64(0));
    QVERIFY(draw.grid().isEmpty());
    QVERIFY(!draw.singleResultMode());
    QCOMPARE(draw.drawTickCount(), 0);
    QVERIFY(!draw.isClearing() && !draw.isBulkFilling());
}

void TestSystemDraw::arvo_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<bool>("wholeRow");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("maxGoal");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("after");
    QTest::addColumn<qint64>("shown");

    QTest::newRow("whole row, three matches") << 3 << true << "|||||" << 9 << "g1 g2 g3 g4 g5 g6"
                                              << "1|2|3|4|5|6" << qint64(1);
    QTest::newRow("whole row, two matches ticks hidden home 3")
        << 2 << true << "|||||" << 9 << "g1 g2 g3 g4 g5"
        << "1|2|3|4|5|" << qint64(1);
    QTest::newRow("whole row on 2 rows adds no extra")
        << 3 << true << "0,1|0|0|0|0|0" << 9 << "g1 g1 g1 g1 g1 g1"
        << "0,1|0,1|0,1|0,1|0,1|0,1" << qint64(64);
    QTest::newRow("goals above 11 tick nothing")
        << 3 << true << "|||||" << 20 << "g15 g3 g12 g0 g20 g11"
        << "|3||0||11" << qint64(0);
    QTest::newRow("single result, away 2") << 3 << false << "0|0|0|0|0|0" << 9 << "t4 g7"
                                           << "0|0|0|0,7|0|0" << qint64(2);
    QTest::newRow("single result, hidden away 3 with two matches")
        << 2 << false << "0|0|0|0||" << 9 << "t6 g3"
        << "0|0|0|0||3" << qint64(1);
    QTest::newRow("single result on a ticked box") << 3 << false << "0|0|0|0|0|0" << 9 << "t3 g0"
                                                   << "0|0|0|0|0|0" << qint64(1);
    QTest::newRow("single result, home 1 below 2 rows")
        << 3 << false << "0|0|0|0|0|0" << 9 << "t1 g5"
        << "0,5|0|0|0|0|0" << qint64(2);
    QTest::newRow("single result, home 1 on an empty grid") << 3 << false << "|||||" << 9 << "t1 g5"
                                                            << "5|||||" << qint64(0);
    QTest::newRow("single result, home 1 on 2 rows is a whole row")
        << 3 << false << "0|0,1|0|0|0|0" << 9 << "t1 g2 g2 g2 g2 g2 g2"
        << "0,2|0,1,2|0,2|0,2|0,2|0,2" << qint64(96);
    QTest::newRow("single result, home 1 on 2 rows, two matches")
        << 2 << false << "0|0,1|0|0||" << 9 << "t1 g2 g2 g2 g2 g2"
        << "0,2|0,1,2|0,2|0,2|2|" << qint64(24);
}

void TestSystemDraw::arvo()
{
    QFETCH(int, columns);
    QFETCH(bool, wholeRow);
    QFETCH(QString, before);
    QFETCH(int, maxGoal);
    QFETCH(QString, script);
    QFETCH(QString, after);
    QFETCH(qint64, shown);

    ScriptedRandom random(script, maxGoal);
    GridDraw draw(random);
    click(draw, before, columns);
    draw.drawOnce(maxGoal, wholeRow, columns);
    QCOMPARE(gridText(draw.grid()), after);
    QCOMPARE(draw.shownSize(), shown);
    QCOMPARE(draw.shownSize(), draw.grid().size(columns));
    QVERIFY(random.allUsed());
}

void TestSystemDraw::wantedAttempts_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<QString>("after");
    QTest::addColumn<qint64>("shown");

    const QString zeros = "g0 g0 g0 g0 g0 g0 ";
    QTest::newRow("extra tick for another team")
        << 3 << zeros + "t3 g1" << 1 << "0|0|0,1|0|0|0" << qint64(2);
    QTest::newRow("extra tick for home 1 below 2 rows")
        << 3 << zeros + "t1 g4" << 1 << "0,4|0|0|0|0|0" << qint64(2);
    QTest::newRow("extra tick on a ticked box")
        << 3 << zeros + "t2 g0" << 1 << "0|0|0|0|0|0" << qint64(1);
    QTest::newRow("no extra once the grid has 2 rows")
        << 3 << zeros + "t3 g1 g2 g2 g2 g2 g2 g2" << 2 << "0,2|0,2|0,1,2|0,2|0,2|0,2" << qint64(96);
    QTest::newRow("home 1 after the size reached 2 draws a further row")
        << 3 << zeros + "t2 g0 g1 g0 g0 g0 g0 g0 t1 g2 g3 g3 g3 g3 g3" << 2
        << "0,1,2|0,3|0,3|0,3|0,3|0,3" << qint64(96);
    // Away 1 changes during the skipped recounts and away 3 does not change: home 1 still
    // sees one row.
    QTest::newRow("skipped recounts hide the size from home 1")
        << 3 << zeros + "t2 g0 g0 g1 g0 g0 g0 g0 t1 g2" << 2 << "0,2|0,1|0|0|0|0" << qint64(4);
    QTest::newRow("a change of away 3 shows the size to home 1")
        << 3 << zeros + "t2 g0 g0 g1 g0 g0 g0 g1 t1 g2 g3 g3 g3 g3 g3" << 2
        << "0,2|0,1,3|0,3|0,3|0,3|0,1,3" << qint64(144);
    QTest::newRow("two matches: no extra tick")
        << 2 << "g0 g0 g0 g0 g5" << 1 << "0|0|0|0|5|" << qint64(1);
}

void TestSystemDraw::wantedAttempts()
{
    QFETCH(int, columns);
    QFETCH(QString, script);
    QFETCH(int, attempts);
    QFETCH(QString, after);
    QFETCH(qint64, shown);

    ScriptedRandom random(script, 9);
    GridDraw draw(random);
    QString grid;
    qint64 size = -1;
    int calls = 0;
    const auto result = draw.drawWanted(1000, u"9", columns, [&](int n) {
        if (n != ++calls)
            return false;
        grid = gridText(draw.grid());
        size = draw.shownSize();
        return n < attempts;
    });
    QCOMPARE(calls, attempts);
    QCOMPARE(result.attempts, attempts);
    QCOMPARE(grid, after);
    QCOMPARE(size, shown);
    QVERIFY(random.allUsed());
    QVERIFY(!result.reached);
    QVERIFY(draw.grid().isEmpty());
}

void TestSystemDraw::cappedWanted_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("maxGoal");
    QTest::addColumn<qint64>("wanted");
    QTest::addColumn<qint64>("capped");

    QTest::newRow("2: 0") << 2 << "0" << qint64(100) << qint64(1);
    QTest::newRow("2: 1") << 2 << "1" << qint64(100) << qint64(16);
    QTest::newRow("2: 1 below cap") << 2 << "1" << qint64(10) << qint64(10);
    QTest::newRow("2: 4") << 2 << "4" << qint64(1000) << qint64(625);
    QTest::newRow("2: 5 below cap") << 2 << "5" << qint64(1000) << qint64(1000);
    QTest::newRow("2: 9") << 2 << "9" << qint64(20000) << qint64(10000);
    QTest::newRow("2: 10 not capped") << 2 << "10" << qint64(20000) << qint64(20000);
    QTest::newRow("2: 00 read as text") << 2 << "00" << qint64(100) << qint64(100);
    QTest::newRow("3: 0") << 3 << "0" << qint64(500) << qint64(1);
    QTest::newRow("3: 1") << 3 << "1" << qint64(100) << qint64(64);
    QTest::newRow("3: 2") << 3 << "2" << qint64(1000) << qint64(729);
    QTest::newRow("3: 3") << 3 << "3" << qint64(5000) << qint64(4096);
    QTest::newRow("3: 3 below cap") << 3 << "3" << qint64(100) << qint64(100);
    QTest::newRow("3: 4 not capped") << 3 << "4" << qint64(20000) << qint64(20000);
    QTest::newRow("3: 9 not capped") << 3 << "9" << qint64(3000000) << qint64(3000000);
}

void TestSystemDraw::cappedWanted()
{
    QFETCH(int, columns);
    QFETCH(QString, maxGoal);
    QFETCH(qint64, wanted);
    QFETCH(qint64, capped);
    QCOMPARE(GridDraw::cappedWanted(wanted, maxGoal, columns), capped);
}

void TestSystemDraw::fullSystemOfZerosAndOnes_data()
{
    QTest::addColumn<quint64>("seed");
    for (quint64 seed : {1, 2, 3, 4})
        QTest::addRow("seed %llu", seed) << seed;
}

void TestSystemDraw::fullSystemOfZerosAndOnes()
{
    QFETCH(quint64, seed);
    GeneratorRandom random(seed);
    GridDraw draw(random);
    const auto result = draw.drawWanted(100, u"1", 2);
    QCOMPARE(result.wanted, qint64(16));
    QVERIFY(result.reached);
    QCOMPARE(draw.shownSize(), qint64(16));
    QVERIFY(gridText(draw.grid()).startsWith("0,1|0,1|0,1|0,1|"));
}

void TestSystemDraw::maximumZeroTakesOneDraw_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("attempts");
    QTest::newRow("empty grid") << "|||||" << 1;
    QTest::newRow("grid of one row is cleared first") << "5|5|5|5|5|5" << 1;
    // A grid counted as 0 is not cleared: the first attempt overshoots to 2.
    QTest::newRow("grid of size 0 is kept") << "5|||||" << 2;
}

void TestSystemDraw::maximumZeroTakesOneDraw()
{
    QFETCH(QString, before);
    QFETCH(int, attempts);
    GeneratorRandom random(7);
    GridDraw draw(random);
    click(draw, before, 3);
    const auto result = draw.drawWanted(500, u"0", 3);
    QCOMPARE(result.wanted, qint64(1));
    QVERIFY(result.reached);
    QCOMPARE(result.attempts, attempts);
    QCOMPARE(gridText(draw.grid()), QStringLiteral("0|0|0|0|0|0"));
    QCOMPARE(draw.shownSize(), qint64(1));
}

void TestSystemDraw::unreachableGivesUp_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("maxGoal");
    QTest::addColumn<qint64>("wanted");
    QTest::addColumn<bool>("canOvershoot");
    QTest::newRow("prime above 6") << 3 << "5" << qint64(7) << true;
    QTest::newRow("prime above 4, two matches") << 2 << "3" << qint64(5) << true;
    QTest::newRow("above 6^6") << 3 << "5" << qint64(50000) << false;
    QTest::newRow("above the largest system") << 3 << "11" << qint64(3000000) << false;
}

void TestSystemDraw::unreachableGivesUp()
{
    QFETCH(int, columns);
    QFETCH(QString, maxGoal);
    QFETCH(qint64, wanted);
    QFETCH(bool, canOvershoot);
    GeneratorRandom random(11);
    GridDraw draw(random);
    int calls = 0;
    const auto result = draw.drawWanted(wanted, maxGoal, columns, [&](int n) {
        calls = n == calls + 1 ? n : -1;
        return true;
    });
    QVERIFY(!result.reached);
    QCOMPARE(calls, result.attempts);
    if (canOvershoot)
        QVERIFY(result.attempts >= GridDraw::MaxAttempts);
    else
        QCOMPARE(result.attempts, GridDraw::MaxAttempts);
    QVERIFY(draw.grid().isEmpty());
    QCOMPARE(draw.shownSize(), qint64(0));
}

void TestSystemDraw::lastAttemptIsClearedEvenOnTarget_data()
{
    QTest::addColumn<int>("hitAt");
    QTest::addColumn<bool>("reached");
    QTest::newRow("attempt 999") << 999 << true;
    QTest::newRow("attempt 1000") << 1000 << false;
}

void TestSystemDraw::lastAttemptIsClearedEvenOnTarget()
{
    QFETCH(int, hitAt);
    QFETCH(bool, reached);
    // Every attempt draws six zeros, team home 1 and goal 0 (8 numbers) and stays at size 1,
    // until the last goal of attempt hitAt is a 1.
    ScriptedRandom random(QString(), 1);
    random.lateAt = 8 * hitAt - 1;
    random.late = 0.99;
    GridDraw draw(random);
    const auto result = draw.drawWanted(2, u"1", 3);
    QCOMPARE(result.reached, reached);
    QCOMPARE(result.attempts, hitAt);
    QCOMPARE(draw.shownSize(), reached ? qint64(2) : qint64(0));
    QCOMPARE(draw.grid().isEmpty(), !reached);
}

void TestSystemDraw::nothingToDraw_data()
{
    QTest::addColumn<qint64>("wanted");
    QTest::addColumn<QString>("maxGoal");
    QTest::newRow("wanted 0") << qint64(0) << "3";
    QTest::newRow("wanted negative") << qint64(-4) << "3";
    QTest::newRow("no maximum") << qint64(16) << "";
    QTest::newRow("maximum not a number") << qint64(16) << "3a";
}

void TestSystemDraw::nothingToDraw()
{
    QFETCH(qint64, wanted);
    QFETCH(QString, maxGoal);
    ScriptedRandom random(QString(), 3);
    GridDraw draw(random);
    click(draw, "1|1|1|1|1|1", 3);
    const auto result = draw.drawWanted(wanted, maxGoal, 3);
    QCOMPARE(result.attempts, 0);
    QVERIFY(!result.reached);
    QCOMPARE(gridText(draw.grid()), QStringLiteral("1|1|1|1|1|1"));
    QVERIFY(random.allUsed());
}

QTEST_GUILESS_MAIN(TestSystemDraw)
#include "tst_systemdraw.moc"
