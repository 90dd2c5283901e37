#include "core/bestrows.h"
#include "core/chance.h"
#include "core/rowmultiset.h"
#include <QTest>
#include <algorithm>
#include <cmath>
#include <map>

namespace {
// Poisson straight from its formula, independent of the model's recurrence.
double poisson(double mean, int k)
{
    return std::exp(k * std::log(mean) - mean - std::lgamma(k + 1.0));
}

ScoreModel model(std::vector<ExpectedGoals> goals, double rho = 0)
{
    return *ScoreModel::make(goals, rho);
}

// Every row within the ranges by probability, ties by the matches' score ranks.
std::vector<ScoreRow> allRanked(const ScoreModel& model, const GoalRanges& ranges)
{
    std::vector<ScoreRow> rows{ScoreRow(model.matchCount(), {})};
    for (int m = 0; m < model.matchCount(); ++m) {
        std::vector<std::pair<int, int>> scores;
        for (int h = ranges.home(m).min; h <= ranges.home(m).max; ++h)
            for (int a = ranges.away(m).min; a <= ranges.away(m).max; ++a)
                scores.push_back({h, a});
        std::stable_sort(scores.begin(), scores.end(), [&](auto x, auto y) {
            return model.match(m).at(x.first, x.second) > model.match(m).at(y.first, y.second);
        });
        std::vector<ScoreRow> longer;
        for (ScoreRow row : rows)
            for (auto [h, a] : scores)
                longer.push_back(row.withGoal(2 * m, h).withGoal(2 * m + 1, a));
        rows.swap(longer);
    }
    std::stable_sort(rows.begin(), rows.end(), [&](ScoreRow x, ScoreRow y) {
        return model.probability(x) > model.probability(y);
    });
    return rows;
}

QStringList texts(const std::vector<ScoreRow>& rows)
{
    QStringList list;
    for (ScoreRow row : rows)
        list << row.text();
    return list;
}
} // namespace

class TestChances : public QObject
{
    Q_OBJECT
private slots:
    // Scores sum to 1 over 0..99; Dixon-Coles moves only the four low scores; a rho that
    // would make one negative is refused.
    void table_data()
    {
        QTest::addColumn<double>("home");
        QTest::addColumn<double>("away");
        QTest::addColumn<double>("rho");
        QTest::addColumn<int>("refusedMatch"); // with a plain match before it; -1: allowed
        QTest::newRow("ordinary") << 1.45 << 0.98 << 0.0 << -1;
        QTest::newRow("lopsided") << 25.0 << 0.001 << 0.0 << -1;
        QTest::newRow("0-0 at its limit") << 2.0 << 2.5 << 0.2 << -1;
        QTest::newRow("0-0 below zero") << 2.0 << 2.5 << 0.2001 << 1;
        QTest::newRow("1-1 below zero") << 0.3 << 0.3 << 1.01 << 0;
        QTest::newRow("not a number") << 1.0 << 1.0 << std::nan("") << 0;
    }
    void table()
    {
        QFETCH(double, home);
        QFETCH(double, away);
        QFETCH(double, rho);
        QFETCH(int, refusedMatch);
        int refused = -1;
        QCOMPARE(ScoreModel::make({{0.1, 0.1}, {home, away}}, rho, &refused).has_value(),
                 refusedMatch < 0);
        QCOMPARE(refused, refusedMatch);
        const auto scores = MatchScores::make({home, away}, rho);
        QCOMPARE(scores.has_value(), refusedMatch < 0);
        if (!scores)
            return;
        CompensatedSum sum;
        for (double p : scores->cells())
            sum.add(p);
        QVERIFY2(std::fabs(sum.value() - 1) < 1e-12, qPrintable(QString::number(sum.value() - 1)));
        const double factors[2][2] = {{1 - home * away * rho, 1 + home * rho},
                                      {1 + away * rho, 1 - rho}};
        for (int h = 0; h < MatchScores::Goals; ++h) {
            for (int a = 0; a < MatchScores::Goals; ++a) {
                double expected = poisson(home, h) * poisson(away, a);
                if (h < 2 && a < 2)
                    expected *= factors[h][a];
                const double p = scores->at(h, a);
                QVERIFY2(std::fabs(p - expected) <= 1e-12 * expected + 1e-300,
                         qPrintable(QStringLiteral("%1-%2").arg(h).arg(a)));
            }
        }
        const OutcomeProbabilities own = scores->outcomes(),
                                   fit = OddsFit::poissonOutcomes({home, away});
        QVERIFY(rho != 0 ||
                (std::fabs(own.home - fit.home) < 1e-12 && std::fabs(own.draw - fit.draw) < 1e-12));
    }

    // A second copy of a row is a second stake on one outcome, not a second chance: the
    // chance counts each different row once, as the copies come and go one by one.
    void copiesCountOnce_data()
    {
        QTest::addColumn<int>("copies");
        QTest::newRow("twice") << 2;
        QTest::newRow("past what a slot counts") << 300;
    }
    void copiesCountOnce()
    {
        QFETCH(int, copies);
        const auto shared = std::make_shared<const ScoreModel>(model({{1.4, 1.1}, {0.9, 0.9}}));
        std::vector<ScoreRow> system; // 0..5 goals each: 1296 rows
        for (int g = 0; g < 6 * 6 * 6 * 6; ++g)
            system.push_back(ScoreRow(2, {g % 6, g / 6 % 6, g / 36 % 6, g / 216, 0, 0}));
        const double once = shared->sum(system);
        std::vector<ScoreRow> listed = system;
        listed.insert(listed.end(), system.begin(), system.end());
        ChanceTally tally(shared);
        tally.reset(listed);
        const ScoreRow first = system.front();
        for (int c = 2; c < copies; ++c)
            tally.add(first);
        QVERIFY(qAbs(tally.sum() - once) < 1e-15);
        QCOMPARE(tally.copies(first), qint64(copies));
        for (int c = 1; c < copies; ++c)
            tally.remove(first); // copies go: the chance stays
        QVERIFY(qAbs(tally.sum() - once) < 1e-15);
        tally.remove(first); // the last copy takes the row's chance with it
        QVERIFY(qAbs(tally.sum() - (once - shared->probability(first))) < 1e-15);
        QCOMPARE(tally.copies(first), qint64(0));

        // Removing every row leaves exactly nothing, though rounding would leave a trace.
        tally.reset(system);
        for (size_t i = 0; i < system.size(); ++i)
            tally.remove(system[i * 7 % system.size()]); // 7 and 1296 share no factor
        QCOMPARE(tally.rowCount(), qint64(0));
        QVERIFY(tally.sum() == 0.0); // QCOMPARE would take a near miss for 0
        tally.remove(first);         // nothing left to remove
        tally.add(system[5]);
        QCOMPARE(tally.sum(), shared->probability(system[5]));
    }

    // The list knows it holds no copies only when every row was tested or the whole list hashed;
    // the chance trusts that and sums instead of counting copies.
    void listKnowsItHoldsNoCopies_data()
    {
        QTest::addColumn<QStringList>("steps"); // "test R", "all R", "clear", "hash"
        QTest::addColumn<bool>("distinct");
        const QString a = "test 1-0 0-0", b = "all 2-2 1-1", c = "all 1-0 0-0";
        QTest::newRow("tested rows") << QStringList{a, "test 2-2 1-1", a} << true;
        QTest::newRow("untested rows") << QStringList{a, b} << false;
        QTest::newRow("untested, then hashed") << QStringList{a, b, "hash"} << true;
        QTest::newRow("a copy, hashed") << QStringList{a, c, "hash"} << false;
        QTest::newRow("a copy, cleared") << QStringList{a, c, "clear"} << true;
    }
    void listKnowsItHoldsNoCopies()
    {
        QFETCH(QStringList, steps);
        RowListModel list;
        for (const QString& step : steps) {
            const QString verb = step.section(' ', 0, 0);
            const auto row = ScoreRow::fromText(step.section(' ', 1));
            if (verb == "test")
                list.appendIfNew(*row);
            else if (verb == "all")
                list.appendAll(std::vector<ScoreRow>{*row});
            else if (verb == "clear")
                list.clear();
            else
                list.contains(ScoreRow());
        }
        QTEST(list.isDistinct(), "distinct");
        const auto shared = std::make_shared<const ScoreModel>(model({{1.4, 1.1}, {0.9, 0.9}}));
        ChanceTally counted(shared), trusted(shared);
        counted.reset(list.rows());
        trusted.reset(list.rows(), list.isDistinct());
        QCOMPARE(trusted.sum(), counted.sum()); // trusting the list never counts a copy
        QCOMPARE(trusted.countsCopies(), !list.isDistinct());
    }

    // The copies table against a plain map, over few rows in a small table so that probe runs
    // meet and the removals have to close gaps in them.
    void copiesTable()
    {
        RowMultiset copies;
        std::map<quint64, quint64> expected;
        quint64 state = 12345;
        for (int step = 0; step < 40000; ++step) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            const int g = int(state >> 58); // 64 rows
            const ScoreRow row(2, {g & 3, g >> 2 & 3, g >> 4 & 3, 0, 0, 0});
            if (state >> 40 & 1) {
                QCOMPARE(copies.add(row), ++expected[row.key()]);
            } else {
                const quint64 left = expected[row.key()] ? --expected[row.key()] : 0;
                QCOMPARE(copies.remove(row), left);
            }
            QCOMPARE(copies.count(row), expected[row.key()]);
            if (step % 1000 == 0)
                copies.clearFor(0), expected.clear(); // kept room, emptied
        }
        QCOMPARE(copies.distinctCount(), size_t(std::count_if(expected.begin(), expected.end(),
                                                              [](auto e) { return e.second; })));
    }

    // Never 100 % or 0 % unless exact; small chances keep two significant digits.
    void chanceText_data()
    {
        QTest::addColumn<double>("chance");
        QTest::addColumn<QString>("text");
        const QString group = QLocale(QLocale::Finnish).groupSeparator();
        QTest::newRow("ordinary") << 0.0341 << "3,41 % (1 : 29)";
        QTest::newRow("nearly all") << 0.9999977 << "99,9998 % (1 : 1)";
        QTest::newRow("all") << 1.0 << "100 % (1 : 1)";
        QTest::newRow("none") << 0.0 << "0 %";
        QTest::newRow("one row of a system")
            << 1 / 2985984.0 << "0,000033 % (1 : 2" + group + "985" + group + "984)";
        QTest::newRow("beyond fixed decimals") << 1e-20 << QString::fromUtf8("1E\u221218 %");
    }
    void chanceText()
    {
        QFETCH(double, chance);
        QTEST(Chance::chanceText(chance, QLocale(QLocale::Finnish)), "text");
    }

    // Other counts of matches than 2 or 3, and nothing asked, give nothing.
    void nothingToGive()
    {
        const MatchScores one = *MatchScores::make({1, 1});
        QVERIFY(ScoreModel({one}).isEmpty());
        QVERIFY(!ScoreModel::make({{1, 1}}, 0));
        const ScoreModel two = model({{1, 1}, {1, 1}});
        QVERIFY(two.likeliestFirst(nullptr, 0).empty());
        QCOMPARE(BestRows::combinations(two, GoalRanges::upTo(3, 2)), qint64(0));
        QVERIFY(BestRows::find(two, GoalRanges::upTo(2, 2), 0).rows.empty());
        ChanceTally none;
        none.reset(std::vector<ScoreRow>(2, *ScoreRow::fromText(u"1-0 0-0")));
        QCOMPARE(none.rowCount(), qint64(2));
        QCOMPARE(none.chance(), 0.0);
        RowMultiset empty;
        QCOMPARE(empty.count(ScoreRow()) + empty.remove(ScoreRow()), quint64(0));
    }

    // The best rows against all rows ranked, found and straight into the list: rows listed
    // already are not listed again, and a stop keeps the best rows found until then.
    void equalsBruteForce_data()
    {
        QTest::addColumn<QList<double>>("means"); // home, away of each match
        QTest::addColumn<double>("rho");
        QTest::addColumn<QList<int>>("limits"); // min, max of each team; one pair for all
        QTest::addColumn<qint64>("count");
        QTest::addColumn<int>("listedFirst"); // every third of the best rows listed before
        QTest::addColumn<int>("blocks");      // blocks of 65,536 before the stop; 0: none
        const QList<double> three{1.6, 0.9, 1.1, 1.2, 0.6, 2.3};
        // clang-format off
        QTest::newRow("top 500") << three << -0.1 << QList<int>{0, 3} << qint64(500) << 0 << 0;
        QTest::newRow("more than there are") << three << 0.0 << QList<int>{0, 1} << qint64(100) << 0 << 0;
        QTest::newRow("own minima and maxima") << three << 0.0 << QList<int>{1, 3, 0, 1, 2, 4, 0, 0, 0, 2, 1, 2} << qint64(300) << 0 << 0;
        // Equal means make equal scores within a match (1-0 and 0-1) and across matches.
        QTest::newRow("ties everywhere") << QList<double>{1.2, 1.2, 1.2, 1.2, 1.2, 1.2} << 0.0 << QList<int>{0, 3} << qint64(2000) << 0 << 0;
        QTest::newRow("two matches") << QList<double>{2.1, 0.7, 1.0, 1.0} << 0.0 << QList<int>{0, 5} << qint64(400) << 0 << 0;
        // Rows that cannot happen are no bet: a mean of 0.001 never makes 60 goals in a double.
        QTest::newRow("stop at chance 0") << QList<double>{0.001, 0.001, 0.001, 0.001} << 0.0 << QList<int>{60, 60, 0, 0, 0, 99, 0, 0} << qint64(100) << 0 << 0;
        QTest::newRow("some listed") << three << 0.0 << QList<int>{0, 7} << qint64(200000) << 300 << 0;
        QTest::newRow("stopped") << three << 0.0 << QList<int>{0, 7} << qint64(200000) << 0 << 2;
        // clang-format on
    }
    void equalsBruteForce()
    {
        QFETCH(QList<double>, means);
        QFETCH(double, rho);
        QFETCH(QList<int>, limits);
        QFETCH(qint64, count);
        QFETCH(int, listedFirst);
        QFETCH(int, blocks);
        const int matches = int(means.size() / 2);
        std::vector<ExpectedGoals> goals;
        for (int m = 0; m < matches; ++m)
            goals.push_back({means[2 * m], means[2 * m + 1]});
        const ScoreModel scores = model(goals, rho);
        GoalRanges ranges = GoalRanges::upTo(matches, limits[1]);
        for (int k = 0; limits.size() > 2 && k < 2 * matches; ++k)
            ranges.teams[size_t(k)] = {limits[2 * k], limits[2 * k + 1]};

        const BestRows::Result found = BestRows::find(scores, ranges, count);
        std::vector<ScoreRow> expected = allRanked(scores, ranges);
        QCOMPARE(BestRows::combinations(scores, ranges), qint64(expected.size()));
        expected.erase(std::remove_if(expected.begin(), expected.end(),
                                      [&](ScoreRow row) { return scores.probability(row) == 0; }),
                       expected.end());
        QVERIFY(!expected.empty());
        expected.resize(std::min(expected.size(), size_t(count)));
        QCOMPARE(texts(found.rows), texts(expected));
        QCOMPARE(found.chance, scores.sum(found.rows));
        QVERIFY(!found.stopped);

        RowListModel list;
        for (int i = 0; i < listedFirst; i += 3)
            list.appendIfNew(expected[size_t(i)]);
        int calls = 0;
        BestRows::Progress stopAfter = [&](qint64, qint64) { return ++calls < blocks; };
        const BestRows::Appended appended =
            BestRows::appendTo(list, scores, ranges, count, blocks ? stopAfter : nullptr);
        QCOMPARE(appended.found, blocks ? blocks * 65536 : qint64(expected.size()));
        QCOMPARE(appended.added, appended.found - (listedFirst + 2) / 3);
        QCOMPARE(appended.stopped, blocks > 0);
        // The list holds exactly the best rows found, each once.
        QStringList listed = texts(list.rows());
        QStringList best = texts({expected.begin(), expected.begin() + appended.found});
        listed.sort();
        best.sort();
        QCOMPARE(listed, best);
    }
};

QTEST_GUILESS_MAIN(TestChances)
#include "tst_chances.moc"
