// The recovery copy of 3,000,000 unsaved rows: when it is written after the change, and how
// ticking rows in the main window fares while it is written and while nothing is, beside a plain
// row-file write of the same rows.
#define SARVENTO_WINDOW_BENCH
#include "benchrows.h"
#include "benchsupport.h"
#include "files/recoverystore.h"
#include "files/rowfile.h"
#include "ui/listdocument.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>

namespace {
struct Ticks
{
    int count = 0;
    double longest = 0;
    double total = 0;
    void add(double ms)
    {
        ++count;
        longest = std::max(longest, ms);
        total += ms;
    }
    void print(const char* what) const
    {
        std::printf("%s: longest %.2f ms, mean %.3f ms over %d ticks\n", what, longest,
                    count ? total / count : 0.0, count);
    }
};

// One row ticked or unticked, and the window's events run: what the player waits for.
double tick(frmSarvento& window, int position)
{
    QElapsedTimer timer;
    timer.start();
    RowListModel& rows = window.rowList();
    rows.setChecked(position, !rows.isChecked(position));
    QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    QTemporaryDir dataDir;
    RecoveryStore store(dataDir.path());
    frmSarvento window;
    window.setRecovery(store);
    startHeadless(window, settingsDir);
    ListDocument& document = *window.findChild<ListDocument*>();
    bool written = false;
    QObject::connect(&document, &ListDocument::copyWritten, [&] { written = true; });

    const std::vector<ScoreRow> rows = countingRows(3'000'000);
    QElapsedTimer plain;
    plain.start();
    RowFile::write(dataDir.filePath("plain.txt"), rows);
    const double plainMs = double(plain.nsecsElapsed()) / 1e6;

    // The rows as if opened from a file and laid out; the change measured is one row more.
    window.rowList().appendAll(rows);
    document.saved(dataDir.filePath("plain.txt"));
    QElapsedTimer sinceChange;
    sinceChange.start();
    while (sinceChange.elapsed() < 200)
        QApplication::processEvents();
    sinceChange.start();
    window.rowList().appendAll(countingRows(1, 3'000'000));
    QApplication::processEvents();
    const double changeMs = double(sinceChange.nsecsElapsed()) / 1e6;
    Ticks before, during, after, turns;
    int position = 0;
    while (!written) {
        const double ms = tick(window, position);
        position = (position + 7919) % 3'000'000;
        turns.add(ms);
        (sinceChange.elapsed() < ListDocument::CopySettleMs ? before : during).add(ms);
        QThread::usleep(500);
    }
    const double copiedAfter = double(sinceChange.nsecsElapsed()) / 1e6;
    for (int i = 0; i < 2000; ++i) {
        after.add(tick(window, position));
        position = (position + 7919) % 3'000'000;
    }
    std::printf("adding a row to 3,000,000 saved ones, the window updated: %.2f ms\n", changeMs);
    std::printf("recovery copy of 3,000,001 rows written %.0f ms after the change (settling "
                "%d ms first); a plain row-file write of them: %.0f ms\n",
                copiedAfter, ListDocument::CopySettleMs, plainMs);
    during.print("ticking a row while the copy is taken and written");
    after.print("ticking a row with no copy being written");
    turns.print("every turn of the window until the copy was written");
    return 0;
}
