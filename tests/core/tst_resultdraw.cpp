#include "core/resultdraw.h"
#include <QTest>

class TestResultDraw : public QObject
{
    Q_OBJECT
private slots:
    // limits: the overall maximum, then "max/min" of each team; error: the check's finding.
    void limits_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("limits");
        QTest::addColumn<QString>("error");
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
        QFETCH(QString, error);
        GoalLimitTexts texts{limits[0], {}, {}};
        for (int k = 1; k < limits.size(); ++k) {
            texts.teamMax[size_t(k - 1)] = limits[k].section(u'/', 0, 0);
            texts.teamMin[size_t(k - 1)] = limits[k].section(u'/', 1, 1);
        }
        const LimitCheckResult check = ResultDrawer(texts, columns).check();
        const QStringList errors{"", "team " + QString::number(check.team), "missing",
                                 "unreadable"};
        QCOMPARE(errors[int(check.status)], error);
    }

    // Stopped by its progress callback at the second report, a draw keeps and shows its rows.
    void cancelledDrawKeepsItsRows()
    {
        RowListModel list;
        list.appendIfNew(ScoreRow(3, {0, 0, 0, 0, 0, 0}));
        GeneratorRandom random(7);
        const ResultDrawer drawer({"99", {}, {}}, 3);
        QList<qint64> reports;
        const DrawOutcome outcome =
            drawer.drawInto(list, 50000, random, [&](qint64 done, qint64 total) {
                reports << done << total;
                return reports.size() < 4;
            });
        QCOMPARE(reports, (QList<qint64>{20000, 50000, 40000, 50000}));
        QCOMPARE(outcome.drawn, qint64(40000));
        QCOMPARE(list.count(), 40001);
        QCOMPARE(list.at(40000), drawer.rowOf(outcome.lastGoals));
    }

    // A long draw gives exactly the rows, order, last result and stop of drawing one row at a
    // time on the same generator: duplicates within the draw and against the list left out,
    // the last row's fate reported even when it was a duplicate.
    void drawIntoMatchesOneByOne_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("limits"); // overall maximum, then "max/min" of each team
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("reports"); // progress reports answered before the stop
        // clang-format off
        QTest::newRow("few rows, most duplicates") << 2 << QStringList{"1"} << 3000 << -1;
        QTest::newRow("one row") << 3 << QStringList{"9"} << 1 << -1;
        QTest::newRow("own limits, hidden teams drawn too") << 2 << QStringList{"2", "3/1", "", "", "5/5", "1"} << 5000 << -1;
        QTest::newRow("stopped at the third report") << 3 << QStringList{"3"} << 70000 << 2;
        QTest::newRow("every row the same") << 3 << QStringList{"0"} << 2000 << -1;
        // clang-format on
    }
    void drawIntoMatchesOneByOne()
    {
        QFETCH(int, columns);
        QFETCH(QStringList, limits);
        QFETCH(int, count);
        QFETCH(int, reports);
        GoalLimitTexts texts{limits[0], {}, {}};
        for (int k = 1; k < limits.size(); ++k) {
            texts.teamMax[size_t(k - 1)] = limits[k].section(u'/', 0, 0);
            texts.teamMin[size_t(k - 1)] = limits[k].section(u'/', 1, 1);
        }
        const ResultDrawer drawer(texts, columns);
        QCOMPARE(drawer.check().status, LimitCheck::Ok);
        const ScoreRow listed = drawer.rowOf({0, 1, 0, 1, 0, 1});

        RowListModel list;
        list.appendIfNew(listed);
        GeneratorRandom random(11);
        int answered = 0;
        ResultDrawer::Progress progress;
        if (reports >= 0)
            progress = [&](qint64, qint64) { return answered++ < reports; };
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
        QCOMPARE(list.rows() == expected.rows(), true);
        QCOMPARE(random.next(), same.next()); // no number drawn beyond the last row
    }
};

QTEST_GUILESS_MAIN(TestResultDraw)
#include "tst_resultdraw.moc"
