// Figures of the main window with a large list: start-up to the shown window, a large draw,
// and scrolling, ticking and removing among 3,000,000 rows with the list view attached.
#define SARVENTO_WINDOW_BENCH
#include "benchsupport.h"
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
#include <cstdio>

namespace {
double settle(QElapsedTimer& timer)
{
    QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
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

    timer.start();
    window.findChild<QLineEdit*>(QStringLiteral("txtMaali"))->setText(QStringLiteral("11"));
    window.findChild<QLineEdit*>(QStringLiteral("txtKertaa"))->setText(QStringLiteral("1000000"));
    window.findChild<QPushButton*>(QStringLiteral("cmdArvo_Tulokset"))->click();
    std::printf("1,000,000 draws through the window (%d new rows): %.1f ms\n",
                window.rowList().count(), settle(timer));
    window.rowList().clear();

    // Nearly every draw within 0..99 is new, so the list ends with about 3,000,000 rows.
    timer.start();
    window.findChild<QLineEdit*>(QStringLiteral("txtMaali"))->setText(QStringLiteral("99"));
    window.findChild<QLineEdit*>(QStringLiteral("txtKertaa"))->setText(QStringLiteral("3000000"));
    window.findChild<QPushButton*>(QStringLiteral("cmdArvo_Tulokset"))->click();
    std::printf("3,000,000 draws through the window (%d new rows): %.1f ms, peak memory so far "
                "%.1f MB\n",
                window.rowList().count(), settle(timer), peakMegabytes());
    timer.start();
    window.rowList().setChecked(window.rowList().count() / 2, true);
    std::printf("ticking one of them: %.1f ms\n", settle(timer));
    window.rowList().clear();

    std::vector<ScoreRow> rows;
    rows.reserve(3'000'000);
    for (int i = 0; rows.size() < 3'000'000; ++i) {
        std::array<int, 6> goals{};
        int rest = i;
        for (int& g : goals) {
            g = rest % 13;
            rest /= 13;
        }
        rows.emplace_back(3, goals);
    }
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
    window.findChild<QPushButton*>(QStringLiteral("cmdListaa_Rivit"))->click();
    std::printf("listing the full system (%d rows) until the count is shown: %.1f ms\n",
                window.rowList().count(), settle(timer));
    timer.start();
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    window.rowList().setChecked(window.rowList().count() - 1, true);
    std::printf("then scrolling to the end and ticking a row: %.1f ms\n", settle(timer));

    window.findChild<QLineEdit*>(QStringLiteral("txtMaali"))->setText(QStringLiteral("5"));
    window.findChild<QComboBox*>(QStringLiteral("cboJarjestelma"))
        ->setEditText(QStringLiteral("7"));
    timer.start();
    window.findChild<QPushButton*>(QStringLiteral("cmdHaluttu_Jarjestelma"))->click();
    std::printf("wanted-size search of 1000 attempts, counting on screen: %.1f ms\n",
                settle(timer));

    // Undo history: the full system listed, then 20 list changes (clearing and relisting it,
    // drawing, removing ticked rows), then every one taken back and done again.
    std::printf("peak resident memory: %.1f MB\n", peakMegabytes());
    return 0;
}
