// Times listing the largest goal system beside a plain baseline, and the wanted-size search
// at its attempt limit.
#include "baseline.h"
#include "core/goalgrid.h"
#include "core/rowlistmodel.h"
#include "core/systemdraw.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>

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
    std::printf("%-50s %8.2f ms  (%d attempts, %s)\n", label, millisecondsSince(timer),
                result.attempts, result.reached ? "reached" : "gave up");
}
} // namespace

int main(int argc, char** argv)
{
    Baseline::keepMemory();
    QCoreApplication app(argc, argv);

    GridDraw full(programRandom());
    full.fillAll();
    std::unique_ptr<RowListModel> model;
    std::vector<std::uint64_t> keys;
    std::vector<bool> ticks;
    Baseline::compare("listing the full 3-match system (12^6 rows)",
                      {[&] { model = std::make_unique<RowListModel>(); },
                       [&] { model->appendAll(full.grid().rows(3)); }, [&] { model.reset(); }},
                      {[&] {
                           keys = {};
                           ticks = {};
                       },
                       [&] {
                           keys.reserve(12 * 12 * 12 * 12 * 12 * 12);
                           int g[6];
                           for (g[0] = 0; g[0] < 12; ++g[0])
                               for (g[1] = 0; g[1] < 12; ++g[1])
                                   for (g[2] = 0; g[2] < 12; ++g[2])
                                       for (g[3] = 0; g[3] < 12; ++g[3])
                                           for (g[4] = 0; g[4] < 12; ++g[4])
                                               for (g[5] = 0; g[5] < 12; ++g[5])
                                                   keys.push_back(Baseline::keyOf(3, g));
                           ticks.resize(keys.size(), false);
                       },
                       {}},
                      2.0);

    wantedRun("wanted 4096, maximum 5, three matches", 4096, u"5");
    wantedRun("wanted 7 (unreachable), maximum 5", 7, u"5");
    wantedRun("wanted 50000 (above 6^6), maximum 5", 50000, u"5");
    return 0;
}
