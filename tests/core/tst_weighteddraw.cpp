#include "core/weighteddraw.h"
#include <QTest>
#include <map>

namespace {
// Out of the [0, 1) a source promises, but possible in a faulty one.
class One : public RandomSource
{
public:
    double next() override { return 1.0; }
};

ScoreModel model(std::vector<ExpectedGoals> goals, double rho = 0)
{
    return *ScoreModel::make(goals, rho);
}

QString rangesText(const GoalRanges& ranges)
{
    QStringList teams;
    for (int k = 0; k < 2 * ranges.matches; ++k)
        teams << QStringLiteral("%1..%2")
                     .arg(ranges.teams[size_t(k)].min)
                     .arg(ranges.teams[size_t(k)].max);
    return teams.join(u' ');
}
} // namespace

class TestWeightedDraw : public QObject
{
    Q_OBJECT
private slots:
    // Each team's goals under the rows tab's limits: its own when it has a maximum, else
    // 0 to the overall maximum; limits the draw refuses give none.
    void ranges_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("limits"); // overall maximum, then "max/min" per team
        QTest::addColumn<QString>("ranges");
        QTest::newRow("overall maximum") << 2 << QStringList{"4"} << "0..4 0..4 0..4 0..4";
        QTest::newRow("own limits win") << 3 << QStringList{"9", "3/1", "", "2", "", "", "0/0"}
                                        << "1..3 0..9 0..2 0..9 0..9 0..0";
        QTest::newRow("missing maximum") << 2 << QStringList{"", "1", "2", "3"} << "";
        QTest::newRow("unreadable") << 3 << QStringList{"x"} << "";
    }
    void ranges()
    {
        QFETCH(int, columns);
        QFETCH(QStringList, limits);
        QFETCH(QString, ranges);
        GoalLimitTexts texts{limits[0], {}, {}};
        for (int k = 1; k < limits.size(); ++k) {
            texts.teamMax[size_t(k - 1)] = limits[k].section(u'/', 0, 0);
            texts.teamMin[size_t(k - 1)] = limits[k].section(u'/', 1, 1);
        }
        const auto read = GoalRanges::fromLimits(texts, columns);
        QCOMPARE(read ? rangesText(*read) : QString(), ranges);
    }

    // Drawn rows come up as often as the model within the limits says: a chi-square over the
    // 36 rows of a small case stays within a bound that drawing from the plain Poisson
    // marginals, uniformly, or from the whole table would far exceed.
    void frequenciesFollowTheModel()
    {
        const ScoreModel scores = model({{1.6, 0.9}, {0.7, 1.2}}, -0.15);
        GoalRanges ranges = GoalRanges::upTo(2, 0);
        ranges.teams = {GoalRange{0, 2}, {0, 1}, {1, 2}, {0, 2}};
        const WeightedDrawer drawer(scores, ranges);
        QVERIFY(drawer.isDrawable());
        std::map<quint64, qint64> seen;
        GeneratorRandom random(20240601);
        constexpr qint64 draws = 200000;
        for (qint64 i = 0; i < draws; ++i)
            ++seen[drawer.rowOf(drawer.draw(random)).key()];

        double within = 0;
        std::vector<ScoreRow> rows;
        for (int g = 0; g < 36; ++g) {
            const ScoreRow row(2, {g % 3, g / 3 % 2, 1 + g / 6 % 2, g / 12, 0, 0});
            rows.push_back(row);
            within += scores.probability(row);
        }
        double chiSquare = 0;
        for (ScoreRow row : rows) {
            const double expected = draws * scores.probability(row) / within;
            const double observed = double(seen[row.key()]);
            chiSquare += (observed - expected) * (observed - expected) / expected;
        }
        QCOMPARE(seen.size(), size_t(36)); // nothing outside the limits
        // 35 degrees of freedom: the bound is passed by chance about once in 100,000 runs.
        QVERIFY2(chiSquare < 80, qPrintable(QString::number(chiSquare)));
    }

    // Into the list as the plain draw: rows already listed are left out, the count and the
    // progress are the draw's, and a stop keeps what was drawn.
    void drawIntoTheList()
    {
        const ScoreModel scores = model({{1.2, 1.0}, {1.0, 1.3}, {0.8, 0.8}});
        const WeightedDrawer drawer(scores, GoalRanges::upTo(3, 1));
        RowListModel list;
        list.appendIfNew(ScoreRow(3, {0, 0, 0, 0, 0, 0}));
        GeneratorRandom random(5);
        QList<qint64> reports;
        const DrawOutcome outcome =
            drawer.drawInto(list, 50000, random, [&](qint64 done, qint64 total) {
                reports << done << total;
                return reports.size() < 4;
            });
        QCOMPARE(reports, (QList<qint64>{20000, 50000, 40000, 50000}));
        QCOMPARE(outcome.drawn, qint64(40000));
        QCOMPARE(list.count(), 64); // every row of 0..1, the one listed before only once

        One top;
        GoalRanges ranges = GoalRanges::upTo(2, 3);
        ranges.teams[3] = {1, 2};
        const WeightedDrawer upTo3(model({{1, 1}, {1, 1}}), ranges);
        QCOMPARE(upTo3.rowOf(upTo3.draw(top)).text(), QStringLiteral("3-3 3-2"));
    }

    // A match whose limits hold no chance at all cannot be drawn from; nor can limits of
    // another match count than the model's.
    void nothingToDraw()
    {
        const ScoreModel scores = model({{1, 1}, {0.001, 1}});
        GoalRanges ranges = GoalRanges::upTo(2, 9);
        ranges.teams[2] = {90, 99}; // a mean of 0.001 never reaches 90 goals in a double
        const WeightedDrawer blocked(scores, ranges);
        QVERIFY(!blocked.isDrawable());
        QCOMPARE(blocked.blockedMatch(), 1);
        QVERIFY(!WeightedDrawer(scores, GoalRanges::upTo(3, 9)).isDrawable());
    }
};

QTEST_GUILESS_MAIN(TestWeightedDraw)
#include "tst_weighteddraw.moc"
