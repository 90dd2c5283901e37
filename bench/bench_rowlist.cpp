// The row list on its own, attached to no view: random draws with the duplicate test,
// ticking and removing among millions of rows, and the memory that takes.
#include "benchsupport.h"
#include "core/resultdraw.h"
#include "core/rowlistmodel.h"
#include <QElapsedTimer>
#include <cstdio>

namespace {
void report(const char* what, const QElapsedTimer& timer, const char* target = nullptr)
{
    std::printf("%-58s %7.3f s%s%s\n", what, double(timer.nsecsElapsed()) / 1e9,
                target ? "   target " : "", target ? target : "");
}

// Three-match rows counting through the goals 0..12: 13^6 rows are distinct, enough for
// three million (goals 0..9 would give only a million).
std::vector<ScoreRow> distinctRows(int count)
{
    std::vector<ScoreRow> rows;
    rows.reserve(size_t(count));
    for (int n = 0; n < count; ++n) {
        std::array<int, ScoreRow::MaxTeams> goals{};
        int rest = n;
        for (int& goal : goals) {
            goal = rest % 13;
            rest /= 13;
        }
        rows.push_back(ScoreRow(3, goals));
    }
    return rows;
}

// A million draws of three matches with the overall maximum 9, appended in batches.
void drawMillion(size_t batch)
{
    GoalLimitTexts limits;
    limits.overallMax = QStringLiteral("9");
    const ResultDrawer drawer(limits, 3);
    GeneratorRandom random(1);
    RowListModel model;
    std::vector<ScoreRow> pending;
    pending.reserve(batch);

    QElapsedTimer timer;
    timer.start();
    constexpr size_t draws = 1000000;
    for (size_t done = 0; done < draws; done += batch) {
        pending.clear();
        for (size_t i = 0; i < batch && done + i < draws; ++i)
            pending.push_back(drawer.rowOf(drawer.draw(random)));
        model.appendNew(pending);
    }
    char what[96];
    std::snprintf(what, sizeof what, "1,000,000 draws, appendNew in batches of %zu (%d new)", batch,
                  model.count());
    report(what, timer, "< 1 s");
}
} // namespace

int main()
{
    for (size_t batch : {size_t(1000), size_t(10000), size_t(100000)})
        drawMillion(batch);

    constexpr int total = 3000000;
    QElapsedTimer timer;
    RowListModel model;
    {
        const std::vector<ScoreRow> rows = distinctRows(total);
        timer.start();
        model.appendNew(rows);
        report("appendNew 3,000,000 distinct rows into an empty list", timer);
    }

    timer.start();
    model.checkAll();
    report("tick all of 3,000,000 rows (checkAll)", timer, "< 0.2 s");

    timer.start();
    for (int i = 0; i < total; ++i)
        model.setChecked(i, false);
    for (int i = 0; i < total; i += 2)
        model.setChecked(i, true);
    report("untick 3,000,000 and tick every second one by one", timer);

    timer.start();
    const int removed = model.removeChecked();
    report("remove every second of 3,000,000 rows", timer, "< 0.5 s");
    timer.start();
    const bool found = model.contains(ScoreRow(3, {1, 0, 0, 0, 0, 0}));
    report("first duplicate test after the removal (index rebuilt)", timer);
    if (removed != total / 2 || !found) {
        std::printf("unexpected result: removed %d, kept row found %d\n", removed, int(found));
        return 1;
    }

    std::printf("%-58s %7.1f MB   target < 200 MB\n", "peak resident memory (VmHWM)",
                peakMegabytes());
    return 0;
}
