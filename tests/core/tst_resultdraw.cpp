#include "core/resultdraw.h"
#include <QTest>

// The overall maximum, then "max/min" of each team.
static GoalLimitTexts limitTexts(const QStringList& limits)
{
    GoalLimitTexts texts{limits[0], {}, {}};
    for (int k = 1; k < limits.size(); ++k) {
        texts.teamMax[size_t(k - 1)] = limits[k].section(u'/', 0, 0);
        texts.teamMin[size_t(k - 1)] = limits[k].section(u'/', 1, 1);
    }
    return texts;
}

class TestResultDraw : public QObject
{
    Q_OBJECT
private slots:
    void limits_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("limits");
        QTest::addColumn<QString>("error"); // the check's finding
        QTest::newRow("min equals max") << 3 << QStringList{"0", "", "3/3"} << "";
        QTest::newRow("own maxima, two matches")
            << 2 << QStringList{"", "1", "2", "3/1", "4"} << "";
        QTest::newRow("1 max, 2 min") << 3 << QStringList{"5", "", "", "", "1/2"} << "team 3";
        QTest::newRow("min without max") << 3 << QStringList{"5", "", "/2"} << "team 1";
        QTest::newRow("missing max before team error") << 2 << QStringList{"", "1/2"} << "missing";
        QTest::newRow("not a number") << 3 << QStringList{"abc"} << "unreadable";
    }
    void limits()
    {
        QFETCH(int, columns);
        QFETCH(QStringList, limits);
        const LimitCheckResult check = ResultDrawer(limitTexts(limits), columns).check();
        const QStringList errors{"", "team " + QString::number(check.team), "missing",
                                 "unreadable"};
        QTEST(errors[int(check.status)], "error");
    }

    // A long draw gives exactly the rows, order, last result and stop of drawing one row at a
    // time on the same generator: duplicates within the draw and against the list left out,
    // the last row's fate reported even when it was a duplicate.
    void drawIntoMatchesOneByOne_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("limits");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("reports"); // progress reports answered before the stop
        // clang-format off
        QTest::newRow("few rows, most duplicates") << 2 << QStringList{"1"} << 3000 << -1;
        QTest::newRow("own limits, hidden teams drawn too") << 2 << QStringList{"2", "3/1", "", "", "5/5", "1"} << 5000 << -1;
        QTest::newRow("stopped at the third report") << 3 << QStringList{"3"} << 70000 << 2;
        // clang-format on
    }
    void drawIntoMatchesOneByOne()
    {
        QFETCH(int, columns);
        QFETCH(QStringList, limits);
        QFETCH(int, count);
        QFETCH(int, reports);
        const ResultDrawer drawer(limitTexts(limits), columns);
        QCOMPARE(drawer.check().status, LimitCheck::Ok);
        const ScoreRow listed = drawer.rowOf({0, 1, 0, 1, 0, 1});

        RowListModel list;
        list.appendIfNew(listed);
        GeneratorRandom random(11);
        QList<qint64> asked;
        ResultDrawer::Progress progress;
        if (reports >= 0)
            progress = [&](qint64 done, qint64) { return (asked << done).size() <= reports; };
        const DrawOutcome outcome = drawer.drawInto(list, count, random, progress);

        RowListModel expected;
        expected.appendIfNew(listed);
        GeneratorRandom same(11);
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
};

QTEST_GUILESS_MAIN(TestResultDraw)
#include "tst_resultdraw.moc"
