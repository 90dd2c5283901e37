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
};

QTEST_GUILESS_MAIN(TestResultDraw)
#include "tst_resultdraw.moc"
