// Figures of the undo history with a large list: the full three-match system listed, then 20
// changes of the list (clearing and relisting it, draws, removing ticked rows), every one
// taken back and done again; the peak memory of the whole process.
#define SARVENTO_WINDOW_BENCH
#include "benchsupport.h"
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    frmSarvento window;
    startHeadless(window, settingsDir);
    tickFullGrid(window);
    window.findChild<QLineEdit*>(QStringLiteral("txtMaali"))->setText(QStringLiteral("11"));
    window.findChild<QLineEdit*>(QStringLiteral("txtKertaa"))->setText(QStringLiteral("1000"));
    auto* list = window.findChild<QPushButton*>(QStringLiteral("cmdListaa_Rivit"));
    list->click();

    QElapsedTimer timer;
    timer.start();
    for (int step = 0; step < 20; ++step) {
        if (step % 5 == 0) {
            MessageBox::setNextAnswer(true); // "Poisto": the listed rows go first
            list->click();
        } else if (step % 2 == 0) {
            window.findChild<QPushButton*>(QStringLiteral("cmdArvo_Tulokset"))->click();
        } else {
            for (int i = 0; i < 100; ++i)
                window.rowList().setChecked(i * 1000, true);
            window.rowList().removeChecked();
        }
    }
    std::printf("20 list changes among %d rows: %.1f ms\n", window.rowList().count(),
                double(timer.nsecsElapsed()) / 1e6);
    auto* undo = window.findChild<QAction*>(QStringLiteral("MnuKumoa"));
    auto* redo = window.findChild<QAction*>(QStringLiteral("MnuTeeUudelleen"));
    timer.start();
    int undone = 0;
    for (; undo->isEnabled(); ++undone)
        undo->trigger();
    std::printf("taking %d of them back: %.1f ms (%d rows)\n", undone,
                double(timer.nsecsElapsed()) / 1e6, window.rowList().count());
    timer.start();
    while (redo->isEnabled())
        redo->trigger();
    std::printf("doing them again: %.1f ms (%d rows)\n", double(timer.nsecsElapsed()) / 1e6,
                window.rowList().count());
    std::printf("peak resident memory: %.1f MB\n", peakMegabytes());
    return 0;
}
