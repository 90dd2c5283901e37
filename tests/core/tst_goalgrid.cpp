#include "core/systemdraw.h"
#include <QStringList>
#include <QTest>

namespace {
// Plays back numbers 0..5, each drawing that goal under maximum 5 or that team (0 = home 1,
// 5 = away 3). Past the script it draws 0.
struct ScriptedRandom : RandomSource
{
    explicit ScriptedRandom(const QString& text) : steps(text.split(' ', Qt::SkipEmptyParts)) {}
    double next() override
    {
        const int i = used++;
        return i < steps.size() ? (steps[i].toInt() + 0.5) / 6 : 0;
    }

    QStringList steps;
    int used = 0;
};

// Ticks the boxes of "0,1|2||||" (home 1 .. away 3) one by one as the player would.
void click(GridDraw& draw, const QString& ticks, int columns)
{
    const QStringList teams = ticks.split(u'|');
    for (int team = 0; team < teams.size(); ++team)
        for (const QString& goal : teams[team].split(u',', Qt::SkipEmptyParts))
            draw.setTicked(team, goal.toInt(), true, columns);
}

// The ticks in the form click() takes.
QString gridText(const GoalGrid& grid)
{
    QStringList teams(GoalGrid::Teams);
    for (int team = 0; team < GoalGrid::Teams; ++team)
        for (int goal = 0; goal < GoalGrid::Goals; ++goal)
            if (grid.isTicked(team, goal))
                teams[team] += (teams[team].isEmpty() ? "" : ",") + QString::number(goal);
    return teams.join(u'|');
}
} // namespace

class TestGoalGrid : public QObject
{
    Q_OBJECT
private slots:
    void rows_data()
    {
        QTest::addColumn<QString>("ticks");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("rows");
        // clang-format off
        QTest::newRow("nested order") << "0,1|2|1|0,3||" << 2
            << QStringList{"0-2 1-0", "0-2 1-3", "1-2 1-0", "1-2 1-3"};
        QTest::newRow("away 3 turns fastest") << "0|1|2|3|4,5|6,7" << 3
            << QStringList{"0-1 2-3 4-6", "0-1 2-3 4-7", "0-1 2-3 5-6", "0-1 2-3 5-7"};
        QTest::newRow("third grid ignored") << "3|4|5|6|0,1|0,1" << 2 << QStringList{"3-4 5-6"};
        QTest::newRow("two-digit goals") << "11|0|2|2||" << 2 << QStringList{"11-0 2-2"};
        QTest::newRow("team without a tick") << "0,1|2|1|||" << 2 << QStringList{};
        // clang-format on
    }

    void rows()
    {
        QFETCH(QString, ticks);
        QFETCH(int, columns);
        QFETCH(QStringList, rows);
        ScriptedRandom random({});
        GridDraw draw(random);
        click(draw, ticks, columns);
        QStringList texts;
        for (ScoreRow row : draw.grid().rows(columns))
            texts << row.text();
        QCOMPARE(texts, rows);
        QCOMPARE(draw.grid().size(columns), qint64(rows.size()));
        draw.fillAll(); // ticks every box, yet shows the old size until the next click
        QCOMPARE(draw.shownSize(), qint64(rows.size()));
    }

    void cappedWanted_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("maxGoal");
        QTest::addColumn<qint64>("wanted");
        QTest::addColumn<qint64>("capped");
        QTest::newRow("2: 0") << 2 << "0" << qint64(100) << qint64(1);
        QTest::newRow("2: 1 below cap") << 2 << "1" << qint64(10) << qint64(10);
        QTest::newRow("2: 10 not capped") << 2 << "10" << qint64(20000) << qint64(20000);
        QTest::newRow("3: 3") << 3 << "3" << qint64(5000) << qint64(4096);
        QTest::newRow("3: 4 not capped") << 3 << "4" << qint64(20000) << qint64(20000);
    }

    void cappedWanted()
    {
        QFETCH(int, columns);
        QFETCH(QString, maxGoal);
        QFETCH(qint64, wanted);
        QFETCH(qint64, capped);
        QCOMPARE(GridDraw::cappedWanted(wanted, maxGoal, columns), capped);
    }

    // Draws under maximum 5: a whole row, a single result, or the attempts of a wanted-size
    // system (wanted 1000) until the script runs out, seen after the last attempt.
    void draw_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("after");
        // clang-format off
        QTest::newRow("whole row") << 3 << "row" << "" << "1 2 3 4 5 0" << "1|2|3|4|5|0";
        QTest::newRow("whole row, 2 matches") << 2 << "row" << "" << "1 2 3 4 5" << "1|2|3|4|5|";
        QTest::newRow("away 2") << 3 << "single" << "0|0|0|0|0|0" << "3 5" << "0|0|0|0,5|0|0";
        QTest::newRow("hidden away 3") << 2 << "single" << "0|0|0|0" << "5 3" << "0|0|0|0||3";
        QTest::newRow("home 1 at 1") << 3 << "single" << "0|0|0|0|0|0" << "0 5" << "0,5|0|0|0|0|0";
        QTest::newRow("home 1 at 2: whole row") << 3 << "single" << "0|0,1|0|0|0|0"
            << "0 2 2 2 2 2 2" << "0,2|0,1,2|0,2|0,2|0,2|0,2";
        QTest::newRow("extra tick") << 3 << "system" << "" << "0 0 0 0 0 0 2 1" << "0|0|0,1|0|0|0";
        QTest::newRow("no extra at 2 rows") << 3 << "system" << ""
            << "0 0 0 0 0 0 2 1 2 2 2 2 2 2" << "0,2|0,2|0,1,2|0,2|0,2|0,2";
        // Away 1 and home 2 change while recounts are skipped and away 3 does not: home 1 still
        // sees 1 row.
        QTest::newRow("lagging size") << 3 << "system" << ""
            << "0 0 0 0 0 0 1 0 0 1 1 0 0 0 0 2" << "0,2|0,1|0,1|0|0|0";
        QTest::newRow("2 matches: no extra") << 2 << "system" << "" << "0 0 0 0 5" << "0|0|0|0|5|";
        // clang-format on
    }

    void draw()
    {
        QFETCH(int, columns);
        QFETCH(QString, kind);
        QFETCH(QString, before);
        QFETCH(QString, script);
        QFETCH(QString, after);
        ScriptedRandom random(script);
        GridDraw draw(random);
        click(draw, before, columns);
        GoalGrid seen;
        qint64 shown = -1;
        const auto look = [&](int) {
            seen = draw.grid();
            shown = draw.shownSize();
            return random.used != random.steps.size();
        };
        if (kind == "system") {
            draw.drawWanted(1000, u"5", columns, look);
            QVERIFY(draw.grid().isEmpty());
        } else {
            draw.drawOnce(5, kind == "row", columns);
            look(0);
        }
        QCOMPARE(gridText(seen), after);
        QCOMPARE(shown, seen.size(columns));
        QCOMPARE(random.used, random.steps.size());
    }

    // Maximum 1 allows at most 16 two-match rows: the search ends with every box 0 and 1.
    void fullSystemOfZerosAndOnes()
    {
        GeneratorRandom random(3);
        GridDraw draw(random);
        const auto result = draw.drawWanted(100, u"1", 2);
        QCOMPARE(result.wanted, qint64(16));
        QVERIFY(gridText(draw.grid()).startsWith("0,1|0,1|0,1|0,1|"));
    }

    // Every attempt of an all-zero script stays at one row; hitAt makes the last number of that
    // attempt a 1, which gives two rows.
    void wantedEnds_data()
    {
        QTest::addColumn<qint64>("wanted");
        QTest::addColumn<int>("hitAt");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<bool>("reached");
        QTest::newRow("reached on attempt 999") << qint64(2) << 999 << 999 << true;
        QTest::newRow("attempt 1000 cleared on target") << qint64(2) << 1000 << 1000 << false;
        QTest::newRow("unreachable gives up") << qint64(7) << 0 << 1000 << false;
        QTest::newRow("wanted 0") << qint64(0) << 0 << 0 << false;
    }

    void wantedEnds()
    {
        QFETCH(qint64, wanted);
        QFETCH(int, hitAt);
        QFETCH(int, attempts);
        QFETCH(bool, reached);
        ScriptedRandom random(hitAt ? QString("0 ").repeated(8 * hitAt - 1) + "1" : QString());
        GridDraw draw(random);
        click(draw, "1,2|1|1|1|1|1", 3); // cleared first, unless there is nothing to draw
        const auto result = draw.drawWanted(wanted, u"5", 3);
        QCOMPARE(result.attempts, attempts);
        QCOMPARE(result.reached, reached);
        QCOMPARE(draw.grid().isEmpty(), attempts > 0 && !reached);
    }
};

QTEST_GUILESS_MAIN(TestGoalGrid)
#include "tst_goalgrid.moc"
