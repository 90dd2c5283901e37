// Times listing the largest goal system and the wanted-size search at its attempt limit.
#include "core/goalgrid.h"
#include "core/rowlistmodel.h"
#include "core/systemdraw.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {
double millisecondsSince(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

void wantedRun(const char* label, qint64 wanted, const char16_t* maxGoal)
{
    GeneratorRandom random(2024);
    GridDraw draw(random);
    QElapsedTimer timer;
    timer.start();
    const auto result = draw.drawWanted(wanted, maxGoal, 3);
    std::printf("%-44s %8.2f ms  (%d attempts, %s)\n", label, millisecondsSince(timer),
                result.attempts, result.reached ? "reached" : "gave up");
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);

    GridDraw full(programRandom());
    full.fillAll();
    QElapsedTimer timer;
    timer.start();
    const std::vector<ScoreRow> rows = full.grid().rows(3);
    const double listed = millisecondsSince(timer);
    RowListModel model;
    timer.start();
    model.appendAll(rows);
    const double appended = millisecondsSince(timer);
    std::printf("%-44s %8.2f ms  (%zu rows)\n", "enumerate full 3-match system", listed,
                rows.size());
    std::printf("%-44s %8.2f ms  (%d rows)\n", "append them to the row list", appended,
                model.count());
    std::printf("%-44s %8.2f ms\n", "listing in all", listed + appended);

    wantedRun("wanted 4096, maximum 5, three matches", 4096, u"5");
    wantedRun("wanted 7 (unreachable), maximum 5", 7, u"5");
    wantedRun("wanted 50000 (above 6^6), maximum 5", 50000, u"5");
    return 0;
}
