#include "core/bestrows.h"
#include <QTest>
#include <algorithm>

namespace {
// Brute force: every row within the ranges in the promised order: probability descending,
// then the matches' ranks, a match's scores ranked by probability, then by goals.
std::vector<ScoreRow> allRanked(const ScoreModel& model, const GoalRanges& ranges)
{
    const int matches = model.matchCount();
    std::vector<std::pair<int, int>> scores[3] = {{}, {}, {{0, 0}}};
    for (int m = 0; m < matches; ++m) {
        scores[m].clear();
        for (int h = ranges.home(m).min; h <= ranges.home(m).max; ++h)
            for (int a = ranges.away(m).min; a <= ranges.away(m).max; ++a)
                scores[m].push_back({h, a});
        std::stable_sort(scores[m].begin(), scores[m].end(), [&](auto x, auto y) {
            return model.match(m).at(x.first, x.second) > model.match(m).at(y.first, y.second);
        });
    }
    // Counting through the ranks, match 1 the slowest, lists the rows in rank order, so a
    // stable sort by probability breaks ties by the ranks.
    const size_t n1 = scores[1].size(), n2 = scores[2].size();
    std::vector<ScoreRow> rows;
    for (size_t i = 0; i < scores[0].size() * n1 * n2; ++i) {
        const size_t rank[3] = {i / (n1 * n2), i / n2 % n1, i % n2};
        std::array<int, 6> goals{};
        for (int m = 0; m < matches; ++m)
            std::tie(goals[size_t(2 * m)], goals[size_t(2 * m + 1)]) = scores[m][rank[m]];
        rows.push_back(ScoreRow(matches, goals));
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

class TestBestRows : public QObject
{
    Q_OBJECT
private slots:
    void equalsBruteForce_data()
    {
        QTest::addColumn<QList<double>>("means"); // home, away of each match
        QTest::addColumn<double>("rho");
        QTest::addColumn<QList<int>>("limits"); // min, max of each team; one pair for all
        QTest::addColumn<qint64>("count");
        const QList<double> three{1.6, 0.9, 1.1, 1.2, 0.6, 2.3};
        // clang-format off
        QTest::newRow("top 500") << three << -0.1 << QList<int>{0, 3} << qint64(500);
        QTest::newRow("more than there are") << three << 0.0 << QList<int>{0, 1} << qint64(100);
        QTest::newRow("own minima and maxima") << three << 0.0 << QList<int>{1, 3, 0, 1, 2, 4, 0, 0, 0, 2, 1, 2} << qint64(300);
        // Equal means make equal scores within a match (1-0 and 0-1) and across matches.
        QTest::newRow("ties everywhere") << QList<double>{1.2, 1.2, 1.2, 1.2, 1.2, 1.2} << 0.0 << QList<int>{0, 3} << qint64(2000);
        QTest::newRow("two matches") << QList<double>{2.1, 0.7, 1.0, 1.0} << 0.0 << QList<int>{0, 5} << qint64(400);
        // clang-format on
    }
    // The rows found are the brute force's first rows in the same order, and their chance is
    // their sum as the list's chance adds it.
    void equalsBruteForce()
    {
        QFETCH(QList<double>, means);
        QFETCH(double, rho);
        QFETCH(QList<int>, limits);
        QFETCH(qint64, count);
        const int matches = int(means.size() / 2);
        std::vector<ExpectedGoals> goals;
        for (int m = 0; m < matches; ++m)
            goals.push_back({means[2 * m], means[2 * m + 1]});
        const ScoreModel scores = *ScoreModel::make(goals, rho);
        GoalRanges ranges = GoalRanges::upTo(matches, limits[1]);
        for (int k = 0; limits.size() > 2 && k < 2 * matches; ++k)
            ranges.teams[size_t(k)] = {limits[2 * k], limits[2 * k + 1]};

        const BestRows::Result found = BestRows::find(scores, ranges, count);
        std::vector<ScoreRow> expected = allRanked(scores, ranges);
        QCOMPARE(BestRows::combinations(scores, ranges), qint64(expected.size()));
        expected.resize(std::min(expected.size(), size_t(count)));
        QCOMPARE(texts(found.rows), texts(expected));
        QCOMPARE(found.chance, scores.sum(found.rows));
        QVERIFY(!found.stopped);
    }
};

QTEST_GUILESS_MAIN(TestBestRows)
#include "tst_bestrows.moc"
