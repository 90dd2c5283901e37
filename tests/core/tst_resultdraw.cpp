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
};

QTEST_GUILESS_MAIN(TestResultDraw)
#include "tst_resultdraw.moc"
