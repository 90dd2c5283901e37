// Row values over big lists: the list's expected return over 3,000,000 rows and kept current
// row by row, the best-value rows, and ordering a list by value. Each beside a plain baseline:
// the same arithmetic in straight loops over the same tables.
#include "baseline.h"
#include "benchmodel.h"
#include "benchrows.h"
#include "benchsupport.h"
#include "core/bestvaluerows.h"
#include "core/poolvalue.h"
#include <QElapsedTimer>
#include <cstdio>

namespace {
// Tables as the operator publishes them: the public leans to the favourites' usual scores.
const char* const Tables[3] = {
    "1-0 13,5\n2-0 12,8\n2-1 11,9\n1-1 9,8\n0-0 5,1\n3-0 7,2\n3-1 6,1\n0-1 3,9\n1-2 3,1\nmuu 26,6",
    "1-1 15,2\n1-0 11,1\n0-1 10,2\n0-0 9,9\n2-1 9,4\n1-2 8,8\n2-2 5,5\n2-0 5,0\n0-2 4,7\nmuu 20,2",
    "0-1 12,0\n0-2 12,4\n1-2 10,1\n1-1 9,0\n0-3 7,7\n1-3 5,9\n0-0 4,8\n1-0 3,2\n2-1 2,2\nmuu 32,7"};

double wallMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}
} // namespace

int main()
{
    Baseline::keepMemory();
    const auto model = typicalModel();
    if (!model) {
        std::printf("the odds did not fit\n");
        return 1;
    }
    DistributionTexts texts;
    for (size_t m = 0; m < 3; ++m)
        texts.tables[m] = QString::fromUtf8(Tables[m]);
    texts.pool = {"2000000", "65", "0"};
    const DistributionRead read = readDistribution(texts, 3, QLocale(QLocale::Finnish));
    if (!read.distribution) {
        std::printf("the tables did not read: %s\n", qPrintable(read.error));
        return 1;
    }
    const auto value = PoolValue::make(model, *read.distribution, 20);

    constexpr int total = 3000000;
    const std::vector<ScoreRow> rows = countingRows(total);
    const std::vector<std::uint64_t> keys = keysOf(rows);

    // The baseline's own flat tables: probability and share by team goals, no row type.
    std::vector<double> p(3 * 100 * 100), s(3 * 100 * 100);
    for (int m = 0; m < 3; ++m)
        for (int h = 0; h < 100; ++h)
            for (int a = 0; a < 100; ++a) {
                p[size_t(m * 10000 + h * 100 + a)] = model->match(m).at(h, a);
                s[size_t(m * 10000 + h * 100 + a)] = value->shareAt(m, h, a);
            }
    const double payout = value->payout(), pool = value->total(), stake = value->stake();
    auto plainValue = [&](std::uint64_t key) {
        double pp = 1, ss = 1;
        for (int m = 0; m < 3; ++m) {
            const size_t cell = size_t(m * 10000 + int((key >> (16 * m)) & 0xff) * 100 +
                                       int((key >> (16 * m + 8)) & 0xff));
            pp *= p[cell];
            ss *= s[cell];
        }
        return pp * payout / (pool * ss + stake);
    };

    ValueTally tally;
    tally.setValue(value);
    double plainSum = 0;
    Baseline::compare("expected return over 3,000,000 rows (< 50 ms)",
                      {{}, [&] { tally.reset(rows.data(), rows.size()); }, {}},
                      {{},
                       [&] {
                           plainSum = 0;
                           for (std::uint64_t key : keys)
                               plainSum += plainValue(key);
                       },
                       {}},
                      0);
    std::printf("%-50s %.6f (plain %.6f)\n", "  the return per euro", tally.expectedReturn(),
                plainSum / total);

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < total; ++i)
        tally.remove(rows[size_t(i)]);
    for (int i = 0; i < total; ++i)
        tally.add(rows[size_t(i)]);
    std::printf("%-50s %8.1f ns   constant time\n", "one row added or removed",
                double(timer.nsecsElapsed()) / (2.0 * total));

    // The best-value rows against a plain full pass: every combination valued, the top kept
    // by a partial sort.
    const GoalRanges upTo11 = GoalRanges::upTo(3, 11);
    BestValueRows::Result best;
    std::vector<std::pair<double, std::uint64_t>> all;
    Baseline::compare("best-value rows, N = 1,000 over 0..11 (< 500 ms)",
                      {{}, [&] { best = BestValueRows::find(*value, upTo11, 1000); }, {}},
                      {[&] { all.clear(); },
                       [&] {
                           all.reserve(2985984);
                           int g[6];
                           for (g[0] = 0; g[0] < 12; ++g[0])
                               for (g[1] = 0; g[1] < 12; ++g[1])
                                   for (g[2] = 0; g[2] < 12; ++g[2])
                                       for (g[3] = 0; g[3] < 12; ++g[3])
                                           for (g[4] = 0; g[4] < 12; ++g[4])
                                               for (g[5] = 0; g[5] < 12; ++g[5]) {
                                                   const std::uint64_t key = Baseline::keyOf(3, g);
                                                   all.push_back({plainValue(key), key});
                                               }
                           std::partial_sort(all.begin(), all.begin() + 1000, all.end(),
                                             [](auto& x, auto& y) { return x.first > y.first; });
                       },
                       {}},
                      0);
    std::printf("%-50s %s, value %.3f\n", "  the best row", qPrintable(best.rows.front().text()),
                value->valueOf(best.rows.front()));
    std::printf("%-50s %.3f (plain %.3f)\n", "  the 1,000th value",
                value->valueOf(best.rows.back()), all[999].first);

    timer.start();
    best = BestValueRows::find(*value, GoalRanges::upTo(3, 99), 1000);
    std::printf("%-50s %8.1f ms\n", "best-value rows, N = 1,000 over 0..99", wallMs(timer));
    timer.start();
    best = BestValueRows::find(*value, upTo11, 1000000);
    std::printf("%-50s %8.1f ms\n", "best-value rows, N = 1,000,000 over 0..11", wallMs(timer));
    qint64 told = 0;
    timer.start();
    best = BestValueRows::find(*value, GoalRanges::upTo(3, 99), 3000000, 0,
                               [&](qint64, qint64) { return ++told > 0; });
    std::printf("%-50s %8.1f ms, progress told %lld times\n",
                "best-value rows, N = 3,000,000 over 0..99", wallMs(timer),
                static_cast<long long>(told));

    RowListModel list;
    list.appendAll(rows);
    timer.start();
    const auto ordered = RowValues::orderedByValue(*value, list);
    std::printf("%-50s %8.1f ms\n", "ordering 3,000,000 rows by value", wallMs(timer));
    std::printf("%-50s %9.1f MB\n", "peak resident memory (VmHWM)", peakMegabytes());
    return ordered ? 0 : 1;
}
