// Times the lotto machine on ten million Lotto rows, and how soon it answers a stop.
#include "games/lottomachine.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <ctime>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const qint64 rows = 10'000'000;

    LottoMachine machine;
    QElapsedTimer timer;
    timer.start();
    // Processor time as well: on a shared machine the wall clock also counts other programs.
    const std::clock_t cpuStart = std::clock();
    qint64 checks = 0;
    const qint64 drawn = machine.run(programRandom(), LottoGame::Lotto, rows, [&](qint64) {
        ++checks;
        return true;
    });
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double cpuSeconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::printf("%-40s %8.3f s  (processor %.3f s; %lld rows, %lld stop checks)\n",
                "10,000,000 Lotto rows", seconds, cpuSeconds, static_cast<long long>(drawn),
                static_cast<long long>(checks));

    // A stop asked for half a second into the run must end it at the next check.
    const qint64 stopAfterNs = 500'000'000;
    qint64 stopAskedNs = -1;
    timer.start();
    const qint64 stoppedAt = machine.run(programRandom(), LottoGame::Lotto, rows, [&](qint64) {
        if (stopAskedNs < 0 && timer.nsecsElapsed() >= stopAfterNs)
            stopAskedNs = timer.nsecsElapsed();
        return stopAskedNs < 0;
    });
    const double answerMs = double(timer.nsecsElapsed() - stopAskedNs) / 1e6;
    std::printf("%-40s %8.3f ms  (stopped after %lld of %lld rows)\n", "stop answered within",
                answerMs, static_cast<long long>(stoppedAt), static_cast<long long>(rows));
    return stoppedAt < rows ? 0 : 1;
}
