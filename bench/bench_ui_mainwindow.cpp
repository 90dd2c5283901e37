// Figures of the main window with a large list, views attached and progress included: start-up,
// a million draws and opening a file of a million rows into a million, each beside its plain
// baseline; the peak memory with 3,000,000 drawn rows; then scrolling, ticking and removing
// among 3,000,000 rows and listing the full system.
#define SARVENTO_WINDOW_BENCH
#include "baseline.h"
#include "benchrows.h"
#include "benchsupport.h"
#include "files/rowfile.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {
double settle(QElapsedTimer& timer)
{
    QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

void setText(frmSarvento& window, const char* box, const char* text)
{
    window.findChild<QLineEdit*>(QLatin1String(box))->setText(QLatin1String(text));
}

void click(frmSarvento& window, const char* button)
{
    window.findChild<QPushButton*>(QLatin1String(button))->click();
}

void trigger(frmSarvento& window, const char* item)
{
    window.findChild<QAction*>(QLatin1String(item))->trigger();
}

// Every draw and every opened file is taken back with "Kumoa", so the list starts empty again.
void compareDraws(frmSarvento& window)
{
    Baseline::FastRandom fast(1);
    Baseline::KeySet seen;
    std::vector<std::uint64_t> keys;
    Baseline::compare("1,000,000 draws within 0..99 through the window",
                      {[&] {
                           setText(window, "txtMaali", "99");
                           setText(window, "txtKertaa", "1000000");
                       },
                       [&] {
                           click(window, "cmdArvo_Tulokset");
                           QApplication::processEvents();
                       },
                       [&] { trigger(window, "MnuKumoa"); }},
                      {[&] {
                           seen = {};
                           keys = {};
                       },
                       [&] { Baseline::draws(fast, 1'000'000, 99, seen, keys); },
                       {}},
                      2.0);
}

// The list holds 1,000,000 opened rows with its duplicate index built; the file shares half of
// them, and the player has them left out.
void compareOpening(frmSarvento& window, const QTemporaryDir& dir)
{
    const QString heldPath = dir.filePath("held.txt");
    const QString filePath = dir.filePath("million.txt");
    const std::vector<ScoreRow> held = countingRows(1'000'000);
    if (!RowFile::write(heldPath, held) ||
        !RowFile::write(filePath, countingRows(1'000'000, 500'000)))
        return;
    FileDialog::setNextFileName(heldPath);
    trigger(window, "MnuAvaa");
    QApplication::processEvents();
    ModalRunner::setHandler([](QDialog&) { return 0; }); // the count of rows left out

    std::vector<std::uint64_t> heldKeys;
    for (ScoreRow row : held)
        heldKeys.push_back(row.key());
    Baseline::compare("opening 1,000,000 rows into 1,000,000 through the window",
                      {[&] { window.rowList().contains(held.front()); },
                       [&] {
                           FileDialog::setNextFileName(filePath);
                           MessageBox::setNextAnswer(true); // leave duplicates out
                           trigger(window, "MnuAvaa");
                           QApplication::processEvents();
                       },
                       [&] { trigger(window, "MnuKumoa"); }},
                      Baseline::openingJob(heldKeys, filePath.toLocal8Bit().toStdString()), 2.0);
    ModalRunner::setHandler({});
    trigger(window, "MnuKumoa");
    QApplication::processEvents();
}
} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer startup;
    startup.start();
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    frmSarvento window;
    startHeadless(window, settingsDir);
    std::printf("start-up to the shown main window: %.1f ms\n", settle(startup));

    auto* view = window.findChild<QListView*>(QStringLiteral("lstLista"));
    QElapsedTimer timer;

    // Nearly every draw within 0..99 is new, so the list ends with about 3,000,000 rows.
    timer.start();
    setText(window, "txtMaali", "11");
    setText(window, "txtKertaa", "1000000");
    click(window, "cmdArvo_Tulokset");
    std::printf("1,000,000 draws within 0..11 (%d new rows): %.1f ms\n", window.rowList().count(),
                settle(timer));
    window.rowList().clear();
    timer.start();
    setText(window, "txtMaali", "99");
    setText(window, "txtKertaa", "3000000");
    click(window, "cmdArvo_Tulokset");
    const double drawn = settle(timer);
    const int count = window.rowList().count();
    std::printf("3,000,000 draws within 0..99 (%d new rows): %.1f ms\n", count, drawn);
    std::printf("peak memory with them: %.1f MB (the rows themselves take %.1f MB)\n",
                peakMegabytes(), double(count) * sizeof(ScoreRow) / (1 << 20));
    timer.start();
    window.rowList().setChecked(count / 2, true);
    std::printf("ticking one of them: %.1f ms\n", settle(timer));
    window.rowList().clear();
    QApplication::processEvents();

    // From here on the peak memory says nothing new; see keepMemory().
    Baseline::keepMemory();
    compareDraws(window);
    compareOpening(window, settingsDir);

    std::vector<ScoreRow> rows = countingRows(3'000'000);
    timer.start();
    window.rowList().appendAll(rows);
    std::printf("listing 3,000,000 rows: %.1f ms\n", settle(timer));
    rows = {};

    timer.start();
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() / 2);
    view->viewport()->repaint();
    std::printf("scrolling to the middle: %.1f ms\n", settle(timer));

    timer.start();
    window.rowList().setChecked(1'500'000, true);
    std::printf("ticking one row: %.1f ms\n", settle(timer));

    timer.start();
    window.rowList().checkAll();
    view->viewport()->repaint();
    std::printf("ticking all 3,000,000 rows: %.1f ms\n", settle(timer));

    for (int i = 0; i < window.rowList().count(); i += 2)
        window.rowList().setChecked(i, false);
    QApplication::processEvents();
    timer.start();
    window.rowList().removeChecked();
    view->viewport()->repaint();
    std::printf("removing every second of 3,000,000 ticked rows: %.1f ms (%d left)\n",
                settle(timer), window.rowList().count());

    // The goal-grid tab: the full three-match system listed into an empty list, then a
    // wanted-size search that cannot succeed and so runs all its attempts.
    window.rowList().clear();
    window.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    tickFullGrid(window);
    QApplication::processEvents();
    timer.start();
    click(window, "cmdListaa_Rivit");
    std::printf("listing the full system (%d rows) until the count is shown: %.1f ms\n",
                window.rowList().count(), settle(timer));
    timer.start();
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    window.rowList().setChecked(window.rowList().count() - 1, true);
    std::printf("then scrolling to the end and ticking a row: %.1f ms\n", settle(timer));

    setText(window, "txtMaali", "5");
    window.findChild<QComboBox*>(QStringLiteral("cboJarjestelma"))
        ->setEditText(QStringLiteral("7"));
    timer.start();
    click(window, "cmdHaluttu_Jarjestelma");
    std::printf("wanted-size search of 1000 attempts, counting on screen: %.1f ms\n",
                settle(timer));
    return 0;
}
