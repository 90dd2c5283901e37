// The lotto machine window as a player runs it: ten million Lotto rows from the click on
// "Kone pyörimään" to the ranking shown, beside a plain baseline of the same draws; then how
// soon a click on "Stop" ends a long run.
#include "baseline.h"
#include "ui/games/frmRandom.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <array>

int main(int argc, char* argv[])
{
    Baseline::keepMemory();
    QApplication app(argc, argv);
    frmRandom window(programRandom());
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("txtLkmMaara"))
        ->setText(QStringLiteral("10000000"));
    auto* start = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    QApplication::processEvents();

    Baseline::FastRandom fast(1);
    std::array<qint64, 40> counts{};
    Baseline::compare(
        "10,000,000 Lotto rows through the window",
        {{},
         [&] {
             start->click();
             QApplication::processEvents();
         },
         {}},
        {[&] { counts = {}; }, [&] { Baseline::drawLottoRows(fast, 10'000'000, counts); }, {}},
        2.5);

    // "Stop" clicked a fifth of a second into a run of two thousand million rows.
    window.findChild<QLineEdit*>(QStringLiteral("txtLkmMaara"))
        ->setText(QStringLiteral("2000000000"));
    QElapsedTimer clock;
    qint64 clickedNs = -1;
    QTimer::singleShot(200, &window, [&] {
        clickedNs = clock.nsecsElapsed();
        window.findChild<QPushButton*>(QStringLiteral("cmdStop"))->click();
    });
    clock.start();
    start->click();
    const qint64 endedNs = clock.nsecsElapsed();
    std::printf("\"Stop\" answered within %.1f ms (%s rows drawn)\n",
                double(endedNs - clickedNs) / 1e6,
                qPrintable(window.findChild<QLabel*>(QStringLiteral("Arvottu"))->text()));
    return 0;
}
