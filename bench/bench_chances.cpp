// Chances over big lists: the list's chance of winning over 3,000,000 rows and kept current
// row by row, the most likely rows, draws by probability, checking final scores and ordering
// a list by probability.
#include "benchmodel.h"
#include "benchrows.h"
#include "benchsupport.h"
#include "core/bestrows.h"
#include "core/chance.h"
#include "core/resultcheck.h"
#include "core/weighteddraw.h"
#include <QElapsedTimer>
#include <cstdio>
#include <ctime>

namespace {
// The processor time of this thread, beside the wall clock: the figures stay readable on a
// machine busy with other work.
double threadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Timer
{
    QElapsedTimer wall;
    double cpuStart = 0;
    void start()
    {
        cpuStart = threadMs();
        wall.start();
    }
};

void report(const char* what, const Timer& timer, const char* target = nullptr)
{
    const double wall = double(timer.wall.nsecsElapsed()) / 1e6;
    std::printf("%-52s %9.2f ms (cpu %8.2f)%s%s\n", what, wall, threadMs() - timer.cpuStart,
                target ? "   target " : "", target ? target : "");
}

} // namespace

int main()
{
    const auto model = typicalModel();
    if (!model) {
        std::printf("the odds did not fit\n");
        return 1;
    }
    constexpr int total = 3000000;
    const std::vector<ScoreRow> rows = countingRows(total);
    Timer timer;

    ChanceTally tally(model);
    timer.start();
    tally.reset(rows, true);
    report("chance of winning over 3,000,000 rows, no copies", timer, "< 30 ms");
    ChanceTally counting(model);
    timer.start();
    counting.reset(rows);
    report("  the same with copies counted (rows listed untested)", timer);
    timer.start();
    for (int i = 0; i < total; ++i)
        tally.remove(rows[size_t(i)]);
    for (int i = 0; i < total; ++i)
        tally.add(rows[size_t(i)]);
    const double perChange = double(timer.wall.nsecsElapsed()) / (2.0 * total);
    std::printf("%-52s %9.2f ns   constant time\n", "one row added or removed", perChange);
    timer.start();
    for (int i = 0; i < total; ++i)
        counting.remove(rows[size_t(i)]);
    for (int i = 0; i < total; ++i)
        counting.add(rows[size_t(i)]);
    std::printf("%-52s %9.2f ns   constant time\n", "  the same with copies counted",
                double(timer.wall.nsecsElapsed()) / (2.0 * total));
    const double direct = model->sum(rows);
    std::printf("%-52s %s (after 6,000,000 changes %.3g off)\n", "  the chance",
                qPrintable(Chance::chanceText(tally.chance(), QLocale(QLocale::Finnish))),
                tally.sum() - direct);

    const GoalRanges upTo11 = GoalRanges::upTo(3, 11);
    timer.start();
    const BestRows::Result best = BestRows::find(*model, upTo11, 1000000);
    report("best rows, N = 1,000,000 over goals 0..11", timer, "< 500 ms");
    std::printf("%-52s %s\n", "  their chance",
                qPrintable(Chance::chanceText(best.chance, QLocale(QLocale::Finnish))));
    timer.start();
    const BestRows::Result ten = BestRows::find(*model, upTo11, 10);
    report("best rows, N = 10", timer, "instant");
    std::printf("%-52s %s\n", "  the likeliest row", qPrintable(ten.rows.front().text()));

    {
        const WeightedDrawer drawer(*model, GoalRanges::upTo(3, 9));
        GeneratorRandom random(1);
        RowListModel list;
        timer.start();
        const DrawOutcome outcome = drawer.drawInto(list, 1000000, random);
        char what[96];
        std::snprintf(what, sizeof what, "1,000,000 draws by probability into a list (%d new)",
                      list.count());
        report(what, timer, "< 1000 ms");
        if (outcome.drawn != 1000000)
            return 1;
    }

    const ScoreRow finalScores = *readFinalScores(QStringLiteral("1-0 1-1 0-2"), 3);
    timer.start();
    const ResultCheck check = checkResult(finalScores, rows);
    report("checking final scores over 3,000,000 rows", timer, "< 50 ms");
    std::printf("%-52s %s\n", "  found",
                qPrintable(resultCheckText(check).replace(u'\n', QStringLiteral("; "))));

    timer.start();
    const std::vector<int> order = model->likeliestFirst(rows.data(), rows.size());
    report("ordering 3,000,000 rows by probability", timer);
    if (order.size() != rows.size())
        return 1;

    std::printf("%-52s %9.1f MB\n", "peak resident memory (VmHWM)", peakMegabytes());

    // Straight into a list, as "Parhaat rivit" does: no second copy of the rows on the way.
    {
        RowListModel list;
        timer.start();
        const BestRows::Appended appended =
            BestRows::appendTo(list, *model, GoalRanges::upTo(3, 99), 10000000);
        report("best rows into the list, N = 10,000,000 over 0..99", timer);
        std::printf("%-52s %lld\n", "  listed", static_cast<long long>(appended.added));
        std::printf("%-52s %9.1f MB\n", "  peak resident memory since the start", peakMegabytes());
    }
    return 0;
}
