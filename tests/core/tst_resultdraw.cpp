#include "core/resultdraw.h"
#include <QTest>

Q_DECLARE_METATYPE(LimitCheck)

namespace {
// Six boxes written as "max/min" per team, e.g. {"3/1", "", "/2"}; missing teams are empty.
GoalLimitTexts limitsOf(const QString& overallMax, const QStringList& teams)
{
    GoalLimitTexts limits;
    limits.overallMax = overallMax;
    for (int k = 0; k < teams.size(); ++k) {
        const QStringList parts = teams[k].split(QLatin1Char('/'));
        limits.teamMax[size_t(k)] = parts.value(0);
        limits.teamMin[size_t(k)] = parts.value(1);
    }
    return limits;
}
} // namespace

class TestResultDraw : public QObject
{
    Q_OBJECT
private slots:
    void check_data();
    void check();
    void drawsStayWithinLimits_data();
    void drawsStayWithinLimits();
    void limitErrorText_data();
    void limitErrorText();
};

void TestResultDraw::check_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("overallMax");
    QTest::addColumn<QStringList>("teams");
    QTest::addColumn<LimitCheck>("status");
    QTest::addColumn<int>("team");

    const LimitCheck ok = LimitCheck::Ok;
    const LimitCheck teamError = LimitCheck::TeamError;
    const LimitCheck missing = LimitCheck::MissingMax;
    const LimitCheck unreadable = LimitCheck::NotANumber;

    QTest::newRow("overall only") << 3 << "2" << QStringList{} << ok << -1;
    QTest::newRow("every team own max, no overall")
        << 3 << "" << QStringList{"1", "2", "3", "4", "5", "6"} << ok << -1;
    QTest::newRow("two matches, hidden match 3 empty")
        << 2 << "" << QStringList{"1", "2", "3/1", "4"} << ok << -1;
    QTest::newRow("10 max with 9 min") << 3 << "5" << QStringList{"10/9"} << ok << -1;
    QTest::newRow("min equals max") << 3 << "5" << QStringList{"", "", "3/3"} << ok << -1;

    QTest::newRow("max 1 min 2") << 3 << "5" << QStringList{"", "", "", "1/2"} << teamError << 3;
    QTest::newRow("max 9 min 10") << 3 << "5" << QStringList{"9/10"} << teamError << 0;
    QTest::newRow("min without max") << 3 << "5" << QStringList{"", "/2"} << teamError << 1;
    QTest::newRow("first of two bad teams")
        << 3 << "5" << QStringList{"", "", "", "", "1/2", "/1"} << teamError << 4;
    QTest::newRow("hidden team checked too")
        << 2 << "5" << QStringList{"", "", "", "", "", "/3"} << teamError << 5;

    QTest::newRow("nothing at all") << 3 << "" << QStringList{} << missing << 6;
    QTest::newRow("two matches, one team without max")
        << 2 << "" << QStringList{"1", "2", "", "4"} << missing << 6;
    QTest::newRow("only a min for that team")
        << 2 << "" << QStringList{"1", "2", "3", "/4"} << missing << 6;
    QTest::newRow("missing max before team error")
        << 2 << "" << QStringList{"1/2", "2", "3"} << missing << 6;

    QTest::newRow("overall letters") << 3 << "abc" << QStringList{} << unreadable << -1;
    QTest::newRow("overall negative") << 3 << "-1" << QStringList{} << unreadable << -1;
    QTest::newRow("overall 100") << 3 << "100" << QStringList{} << unreadable << -1;
    QTest::newRow("unreadable before missing") << 3 << "" << QStringList{"abc"} << unreadable << -1;
}

void TestResultDraw::check()
{
    QFETCH(int, columns);
    QFETCH(QString, overallMax);
    QFETCH(QStringList, teams);
    QFETCH(LimitCheck, status);
    QFETCH(int, team);

    const ResultDrawer drawer(limitsOf(overallMax, teams), columns);
    const LimitCheckResult result = drawer.check();
    QCOMPARE(result.status, status);
    if (status != LimitCheck::NotANumber)
        QCOMPARE(result.team, team);
}

void TestResultDraw::drawsStayWithinLimits_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("overallMax");
    QTest::addColumn<QStringList>("teams");
    // The goals each team must cover exactly, "low-high", or "" for a team that draws nothing.
    // The overall maximum draws the hidden teams of match 3 too; the row leaves them out.
    QTest::addColumn<QStringList>("ranges");

    QTest::newRow("overall 2, two matches")
        << 2 << "2" << QStringList{} << QStringList{"0-2", "0-2", "0-2", "0-2", "0-2", "0-2"};
    QTest::newRow("overall 0 gives 0-0 0-0")
        << 2 << "0" << QStringList{} << QStringList{"0-0", "0-0", "0-0", "0-0", "0-0", "0-0"};
    QTest::newRow("min equals max fixes the goal")
        << 3 << "4" << QStringList{"3/3"} << QStringList{"3-3", "0-4", "0-4", "0-4", "0-4", "0-4"};
    QTest::newRow("own limits win over the overall max")
        << 3 << "1" << QStringList{"", "", "9/7", "2"}
        << QStringList{"0-1", "0-1", "7-9", "0-2", "0-1", "0-1"};
    QTest::newRow("own limits only") << 3 << "" << QStringList{"5/2", "1", "0", "4/4", "6/5", "3"}
                                     << QStringList{"2-5", "0-1", "0-0", "4-4", "5-6", "0-3"};
    QTest::newRow("two matches, no overall, match 3 undrawn")
        << 2 << "" << QStringList{"2", "2/1", "3", "1"}
        << QStringList{"0-2", "1-2", "0-3", "0-1", "", ""};
    QTest::newRow("two-digit goals") << 2 << "3" << QStringList{"12/10", "", "11"}
                                     << QStringList{"10-12", "0-3", "0-11", "0-3", "0-3", "0-3"};
}

void TestResultDraw::drawsStayWithinLimits()
{
    QFETCH(int, columns);
    QFETCH(QString, overallMax);
    QFETCH(QStringList, teams);
    QFETCH(QStringList, ranges);

    const ResultDrawer drawer(limitsOf(overallMax, teams), columns);
    QCOMPARE(drawer.check().status, LimitCheck::Ok);

    constexpr int draws = 20000;
    GeneratorRandom random(20240611);
    std::array<std::array<int, 100>, 6> seen{};
    for (int i = 0; i < draws; ++i) {
        const auto goals = drawer.draw(random);
        for (size_t k = 0; k < 6; ++k) {
            if (ranges[int(k)].isEmpty()) {
                QVERIFY2(!goals[k], qPrintable(QString::number(k)));
                continue;
            }
            QVERIFY(goals[k]);
            QVERIFY(*goals[k] >= 0 && *goals[k] <= ScoreRow::MaxGoal);
            ++seen[k][size_t(*goals[k])];
        }
        const ScoreRow row = drawer.rowOf(goals);
        QVERIFY(row.isValid());
        QCOMPARE(row.matchCount(), columns);
        for (int k = 0; k < 2 * columns; ++k)
            QCOMPARE(row.goal(k), *goals[size_t(k)]);
        QCOMPARE(ScoreRow::fromText(row.text()), std::optional<ScoreRow>(row));
    }

    // Every goal of a range comes up, at about its share; nothing outside it does.
    for (size_t k = 0; k < 6; ++k) {
        if (ranges[int(k)].isEmpty())
            continue;
        const int low = ranges[int(k)].section(QLatin1Char('-'), 0, 0).toInt();
        const int high = ranges[int(k)].section(QLatin1Char('-'), 1, 1).toInt();
        const double share = double(draws) / (high - low + 1);
        for (int goal = 0; goal <= ScoreRow::MaxGoal; ++goal) {
            const int count = seen[k][size_t(goal)];
            const QByteArray where = QByteArray::number(int(k)) + ':' + QByteArray::number(goal) +
                                     " drawn " + QByteArray::number(count);
            if (goal < low || goal > high)
                QVERIFY2(count == 0, where);
            else
                QVERIFY2(count > 0.8 * share && count < 1.2 * share, where);
        }
    }
}

void TestResultDraw::limitErrorText_data()
{
    QTest::addColumn<int>("limitError");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << 0 << "Kohde 1; koti";
    QTest::newRow("1") << 1 << "Kohde 1; vieras";
    QTest::newRow("2") << 2 << "Kohde 2; koti";
    QTest::newRow("3") << 3 << "Kohde 2; vieras";
    QTest::newRow("4") << 4 << "Kohde 3; koti";
    QTest::newRow("5") << 5 << "Kohde 3; vieras";
    QTest::newRow("6") << 6 << QString::fromUtf8("Max. maalim\u00e4\u00e4r\u00e4 puuttuu");
    QTest::newRow("-1") << -1 << "";
    QTest::newRow("7") << 7 << "";
}

void TestResultDraw::limitErrorText()
{
    QFETCH(int, limitError);
    QFETCH(QString, text);
    QCOMPARE(::limitErrorText(limitError), text);
}

QTEST_GUILESS_MAIN(TestResultDraw)
#include "tst_resultdraw.moc"
