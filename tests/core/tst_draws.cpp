#include "core/resultdraw.h"
#include "core/systemdraw.h"
#include "core/weighteddraw.h"
#include <QTest>
#include <map>

namespace {
// The overall maximum, then "max/min" of each team.
GoalLimitTexts limitTexts(const QStringList& limits)
{
    GoalLimitTexts texts{limits[0], {}, {}};
    for (int k = 1; k < limits.size(); ++k) {
        texts.teamMax[size_t(k - 1)] = limits[k].section(u'/', 0, 0);
        texts.teamMin[size_t(k - 1)] = limits[k].section(u'/', 1, 1);
    }
    return texts;
}
} // namespace

class TestDraws : public QObject
{
    Q_OBJECT
private slots:
    // The limits' check and the goals the weighted draw takes from them; a long draw gives
    // exactly the rows, last result and stop of drawing one row at a time.
    void limitsAndDraw_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("limits");
        QTest::addColumn<QString>("error"); // the check's finding
        QTest::addColumn<QString>("ranges");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("reports"); // progress reports answered before the stop
        // clang-format off
        QTest::newRow("few rows, most duplicates") << 2 << QStringList{"1"} << "" << "0..1 0..1 0..1 0..1" << 3000 << -1;
        QTest::newRow("own limits, hidden teams drawn too") << 2 << QStringList{"2", "3/1", "", "", "5/5", "1"} << "" << "1..3 0..2 0..2 5..5" << 5000 << -1;
        QTest::newRow("own limits win, stopped at the third report") << 3 << QStringList{"9", "3/1", "", "2", "", "", "0/0"} << "" << "1..3 0..9 0..2 0..9 0..9 0..0" << 70000 << 2;
        QTest::newRow("own maxima, two matches") << 2 << QStringList{"", "1", "2", "3/1", "4"} << "" << "0..1 0..2 1..3 0..4" << 1000 << -1;
        QTest::newRow("1 max, 2 min") << 3 << QStringList{"5", "", "", "", "1/2"} << "team 3" << "" << 0 << -1;
        QTest::newRow("min without max") << 3 << QStringList{"5", "", "/2"} << "team 1" << "" << 0 << -1;
        QTest::newRow("missing max before team error") << 2 << QStringList{"", "1/2"} << "missing" << "" << 0 << -1;
        QTest::newRow("not a number") << 3 << QStringList{"abc"} << "unreadable" << "" << 0 << -1;
        // clang-format on
    }
    void limitsAndDraw()
    {
        QFETCH(int, columns);
        QFETCH(QStringList, limits);
        QFETCH(int, count);
        QFETCH(int, reports);
        const LimitCheckResult check = ResultDrawer(limitTexts(limits), columns).check();
        const QStringList errors{"", "team " + QString::number(check.team), "missing",
                                 "unreadable"};
        QTEST(errors[int(check.status)], "error");
        const auto read = GoalRanges::fromLimits(limitTexts(limits), columns);
        QStringList teams;
        for (int k = 0; read && k < 2 * read->matches; ++k)
            teams << QString::number(read->teams[size_t(k)].min) + ".." +
                         QString::number(read->teams[size_t(k)].max);
        QTEST(teams.join(u' '), "ranges");
        if (!read)
            return;

        const ResultDrawer drawer(limitTexts(limits), columns);
        const ScoreRow listed = drawer.rowOf({0, 1, 0, 1, 0, 1});
        RowListModel list, expected;
        list.appendIfNew(listed);
        expected.appendIfNew(listed);
        GeneratorRandom random(11), same(11);
        QList<qint64> asked;
        ResultDrawer::Progress progress;
        if (reports >= 0)
            progress = [&](qint64 done, qint64) { return (asked << done).size() <= reports; };
        const DrawOutcome outcome = drawer.drawInto(list, count, random, progress);

        const qint64 drawn = reports >= 0 ? qint64(reports + 1) * 20000 : count;
        DrawOutcome oneByOne;
        for (; oneByOne.drawn < drawn; ++oneByOne.drawn) {
            oneByOne.lastGoals = drawer.draw(same);
            oneByOne.lastWasNew = expected.appendIfNew(drawer.rowOf(oneByOne.lastGoals));
        }
        QCOMPARE(outcome.drawn, oneByOne.drawn);
        QCOMPARE(outcome.lastGoals, oneByOne.lastGoals);
        QCOMPARE(outcome.lastWasNew, oneByOne.lastWasNew);
        QVERIFY(list.rows() == expected.rows());
        QCOMPARE(random.next(), same.next()); // no number drawn beyond the last row
        QCOMPARE(asked, reports < 0 ? QList<qint64>() : (QList<qint64>{20000, 40000, 60000}));
    }

    // Chi-square over 36 rows: a bound that plain Poisson marginals, a uniform draw or the
    // whole table far exceed. Into the list, the draw reports its blocks and stops when told.
    void weighted()
    {
        const ScoreModel scores = *ScoreModel::make({{1.6, 0.9}, {0.7, 1.2}}, -0.15);
        GoalRanges ranges = GoalRanges::upTo(2, 0);
        ranges.teams = {GoalRange{0, 2}, {0, 1}, {1, 2}, {0, 2}};
        const WeightedDrawer drawer(scores, ranges);
        std::map<quint64, qint64> seen;
        GeneratorRandom random(20240601);
        constexpr qint64 draws = 200000;
        for (qint64 i = 0; i < draws; ++i)
            ++seen[drawer.rowOf(drawer.draw(random)).key()];
        double within = 0, chiSquare = 0;
        std::vector<ScoreRow> rows;
        for (int g = 0; g < 36; ++g) {
            rows.push_back(ScoreRow(2, {g % 3, g / 3 % 2, 1 + g / 6 % 2, g / 12, 0, 0}));
            within += scores.probability(rows.back());
        }
        for (ScoreRow row : rows) {
            const double expected = draws * scores.probability(row) / within;
            const double observed = double(seen[row.key()]);
            chiSquare += (observed - expected) * (observed - expected) / expected;
        }
        QCOMPARE(seen.size(), size_t(36)); // nothing outside the limits
        QVERIFY2(chiSquare < 80, qPrintable(QString::number(chiSquare)));

        RowListModel list;
        list.appendIfNew(rows[7]);
        QList<qint64> reports;
        const DrawOutcome outcome =
            drawer.drawInto(list, 50000, random, [&](qint64 done, qint64 total) {
                reports << done << total;
                return reports.size() < 4;
            });
        QCOMPARE(reports, (QList<qint64>{20000, 50000, 40000, 50000}));
        QCOMPARE(outcome.drawn, qint64(40000));
        QCOMPARE(list.count(), 36); // every row, the one listed before only once

        // Limits holding no chance, or for another match count, would never end a draw.
        const ScoreModel scarce = *ScoreModel::make({{1, 1}, {0.001, 1}}, 0);
        ranges = GoalRanges::upTo(2, 9);
        ranges.teams[2] = {90, 99}; // a mean of 0.001 never reaches 90 goals in a double
        QCOMPARE(WeightedDrawer(scarce, ranges).blockedMatch(), 1);
        QVERIFY(!WeightedDrawer(scarce, ranges).isDrawable());
        QVERIFY(!WeightedDrawer(scarce, GoalRanges::upTo(3, 9)).isDrawable());
    }

    // The goal system: ticks "0,1|2||||" (home 1 .. away 3), clicked one by one; the size a
    // wanted system is capped to by the maximum goal (reading it is the fuzz replay's).
    void system_data()
    {
        QTest::addColumn<QString>("ticks");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("maxGoal"); // and the size 5000 wanted rows are capped to
        QTest::addColumn<qint64>("capped");
        // clang-format off
        QTest::newRow("last team turns fastest") << "0,1|2|1|0,3||" << 2 << QStringList{"0-2 1-0", "0-2 1-3", "1-2 1-0", "1-2 1-3"} << "2" << qint64(81);
        QTest::newRow("third grid ignored") << "3|4|5|6|0,1|0,1" << 2 << QStringList{"3-4 5-6"} << "12" << qint64(5000);
        QTest::newRow("three matches") << "11|0|2|2|1|4,5" << 3 << QStringList{"11-0 2-2 1-4", "11-0 2-2 1-5"} << "0" << qint64(1);
        // clang-format on
    }
    void system()
    {
        QFETCH(QString, ticks);
        QFETCH(int, columns);
        GeneratorRandom random(1);
        GridDraw draw(random);
        const QStringList teams = ticks.split(u'|');
        for (int team = 0; team < teams.size(); ++team)
            for (const QString& goal : teams[team].split(u',', Qt::SkipEmptyParts))
                draw.setTicked(team, goal.toInt(), true, columns);
        QStringList texts;
        for (ScoreRow row : draw.grid().rows(columns))
            texts << row.text();
        QTEST(texts, "rows");
        QCOMPARE(draw.shownSize(), qint64(texts.size()));
        QFETCH(QString, maxGoal);
        QTEST(GridDraw::cappedWanted(5000, maxGoal, columns), "capped");
        GoalGrid grid; // boxes outside the grid are no boxes
        grid.setTicked(6, 0, true);
        grid.setTicked(0, 12, true);
        QCOMPARE(grid.tickCount(0) + grid.tickCount(6) + grid.tickCount(-1), 0);
        // Maximum 1 allows at most 16 two-match and 64 three-match rows: every box 0 and 1.
        QCOMPARE(draw.drawWanted(100, u"1", columns).wanted, qint64(1) << 2 * columns);
        QCOMPARE(draw.grid().rows(columns).size(), size_t(1) << 2 * columns);
    }

    // Generators seeded the program's way, made one right after the other within one clock
    // tick, the program-wide one among them, draw different rows.
    void seededFromTheSystem()
    {
        const ResultDrawer drawer(limitTexts({"9"}), 3);
        for (int pair = 0; pair < 200; ++pair) {
            GeneratorRandom made, second;
            RandomSource& first = pair % 2 ? programRandom() : static_cast<RandomSource&>(made);
            int same = 0;
            for (int row = 0; row < 10; ++row)
                same += drawer.rowOf(drawer.draw(first)) == drawer.rowOf(drawer.draw(second));
            QVERIFY2(same < 2, qPrintable(QString::number(same)));
        }
    }
};

QTEST_GUILESS_MAIN(TestDraws)
#include "tst_draws.moc"
