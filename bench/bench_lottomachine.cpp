// The lotto machine on ten million Lotto rows beside a plain baseline, and how soon it answers
// a stop.
#include "baseline.h"
#include "games/lottomachine.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <array>

int main(int argc, char** argv)
{
    Baseline::keepMemory();
    QCoreApplication app(argc, argv);
    constexpr qint64 Rows = 10'000'000;

    LottoMachine machine;
    qint64 checks = 0;
    Baseline::FastRandom fast(1);
    std::array<qint64, 40> counts{};
    Baseline::compare(
        "10,000,000 Lotto rows (7 of 39)",
        {{},
         [&] {
             machine.run(programRandom(), LottoGame::Lotto, Rows, [&](qint64) {
                 ++checks;
                 return true;
             });
         },
         {}},
        {[&] { counts = {}; }, [&] { Baseline::drawLottoRows(fast, Rows, counts); }, {}}, 2.0);
    std::printf("  (%lld stop checks in %d runs)\n", static_cast<long long>(checks),
                Baseline::Repeats);

    // A stop asked for a tenth of a second into a run longer than any the window allows
    // must end it at the next check.
    constexpr qint64 Longest = 2'000'000'000;
    QElapsedTimer timer;
    const qint64 stopAfterNs = 100'000'000;
    qint64 stopAskedNs = -1;
    timer.start();
    const qint64 stoppedAt = machine.run(programRandom(), LottoGame::Lotto, Longest, [&](qint64) {
        if (stopAskedNs < 0 && timer.nsecsElapsed() >= stopAfterNs)
            stopAskedNs = timer.nsecsElapsed();
        return stopAskedNs < 0;
    });
    const double answerMs = double(timer.nsecsElapsed() - stopAskedNs) / 1e6;
    std::printf("%-50s %8.3f ms  (stopped after %lld rows)\n", "stop answered within", answerMs,
                static_cast<long long>(stoppedAt));
    return stoppedAt < Longest ? 0 : 1;
}
