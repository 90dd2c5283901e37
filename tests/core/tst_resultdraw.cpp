#include "core/resultdraw.h"
#include <QTest>

class TestResultDraw : public QObject
{
    Q_OBJECT
private slots:
    // outcome: the check's error, or the lowest and highest goal of each team over many
    // draws ("none" for a team that draws nothing).
    void limits_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("overallMax");
        QTest::addColumn<QStringList>("teams"); // "max/min", e.g. {"3/1", "", "/2"}
        QTest::addColumn<QString>("outcome");
        // clang-format off
        QTest::newRow("10 max, 9 min") << 3 << "0" << QStringList{"10/9"}
            << "9-10 0-0 0-0 0-0 0-0 0-0";
        QTest::newRow("min equals max") << 3 << "0" << QStringList{"", "3/3"}
            << "0-0 3-3 0-0 0-0 0-0 0-0";
        QTest::newRow("own limits over the overall") << 3 << "1" << QStringList{"", "", "9/7", "2"}
            << "0-1 0-1 7-9 0-2 0-1 0-1";
        QTest::newRow("two matches, no overall max") << 2 << "" << QStringList{"1", "2", "3/1", "4"}
            << "0-1 0-2 1-3 0-4 none none";
        QTest::newRow("1 max, 2 min") << 3 << "5" << QStringList{"", "", "", "1/2"} << "team 3";
        QTest::newRow("min without max") << 3 << "5" << QStringList{"", "/2"} << "team 1";
        QTest::newRow("missing overall max") << 2 << "" << QStringList{"1", "", "3"} << "missing";
        QTest::newRow("missing max before team error") << 2 << "" << QStringList{"1/2"} << "missing";
        QTest::newRow("not a number") << 3 << "abc" << QStringList{} << "unreadable";
        // clang-format on
    }

    void limits()
    {
        QFETCH(int, columns);
        QFETCH(QString, overallMax);
        QFETCH(QStringList, teams);
        QFETCH(QString, outcome);
        GoalLimitTexts limits{overallMax, {}, {}};
        for (int k = 0; k < teams.size(); ++k) {
            limits.teamMax[size_t(k)] = teams[k].section(u'/', 0, 0);
            limits.teamMin[size_t(k)] = teams[k].section(u'/', 1, 1);
        }
        const ResultDrawer drawer(limits, columns);
        const LimitCheckResult check = drawer.check();
        const QStringList errors{"", "team " + QString::number(check.team), "missing",
                                 "unreadable"};
        QString seen = errors[int(check.status)];
        GeneratorRandom random(20240611);
        std::array<int, 6> low{100, 100, 100, 100, 100, 100}, high{-1, -1, -1, -1, -1, -1};
        for (int i = 0; check.status == LimitCheck::Ok && i < 1000; ++i) {
            const auto goals = drawer.draw(random);
            for (size_t k = 0; k < 6; ++k) {
                low[k] = qMin(low[k], goals[k].value_or(100));
                high[k] = qMax(high[k], goals[k].value_or(-1));
            }
        }
        for (size_t k = 0; check.status == LimitCheck::Ok && k < 6; ++k)
            seen += high[k] < 0 ? QStringLiteral("none ")
                                : QStringLiteral("%1-%2 ").arg(low[k]).arg(high[k]);
        QCOMPARE(seen.trimmed(), outcome);
    }

    // A draw of many rows into a list holding 0-0 0-0 0-0; the progress callback stops it at its
    // stopAt-th call (-1 never).
    void drawInto_data()
    {
        QTest::addColumn<QString>("overallMax");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<int>("stopAt");
        QTest::addColumn<qint64>("drawn");
        QTest::addColumn<int>("listed");
        QTest::addColumn<bool>("lastWasNew");
        // clang-format off
        QTest::newRow("all drawn") << "99" << qint64(50000) << -1 << qint64(50000) << 50001 << true;
        QTest::newRow("stopped at the first report") << "99" << qint64(50000) << 0 << qint64(20000) << 20001 << true;
        QTest::newRow("stopped at the second report") << "99" << qint64(50000) << 1 << qint64(40000) << 40001 << true;
        QTest::newRow("duplicates left out") << "0" << qint64(3) << -1 << qint64(3) << 1 << false;
        // clang-format on
    }
    void drawInto()
    {
        QFETCH(QString, overallMax);
        QFETCH(qint64, count);
        QFETCH(int, stopAt);
        QFETCH(qint64, drawn);
        QFETCH(int, listed);
        QFETCH(bool, lastWasNew);
        RowListModel list;
        list.appendIfNew(ScoreRow(3, {0, 0, 0, 0, 0, 0}));
        GeneratorRandom random(7);
        int calls = 0;
        const DrawOutcome outcome =
            ResultDrawer({overallMax, {}, {}}, 3)
                .drawInto(list, count, random, [&](qint64 done, qint64 total) {
                    if (total != count || done != 20000 * (calls + 1))
                        return false;
                    return calls++ != stopAt;
                });
        QCOMPARE(outcome.drawn, drawn);
        QCOMPARE(outcome.lastWasNew, lastWasNew);
        // The rows drawn before the stop stay, all of them shown.
        QCOMPARE(list.count(), listed);
        QCOMPARE(list.stagedCount(), qint64(0));
        if (lastWasNew)
            QCOMPARE(list.at(listed - 1).text(),
                     ResultDrawer({overallMax, {}, {}}, 3).rowOf(outcome.lastGoals).text());
    }
};

QTEST_GUILESS_MAIN(TestResultDraw)
#include "tst_resultdraw.moc"
