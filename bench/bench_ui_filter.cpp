// The filter window over the largest listed system, 2,985,984 rows, with chances set: from a
// key typed to the count shown, from a change of the list to the count shown, and "Karsi"
// with its undo, as the player meets them.
#include "benchmodel.h"
#include "benchrows.h"
#include "core/rowlistmodel.h"
#include "core/scoremodel.h"
#include "ui/dialogs.h"
#include "ui/frmKarsinta.h"
#include "ui/rowlisthistory.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

namespace {
double settle(const QElapsedTimer& timer)
{
    QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

QString label(QWidget& window)
{
    return window.findChild<QLabel*>(QStringLiteral("lblKarsintaMaara"))
        ->text()
        .replace(u'\n', u' ');
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    MessageBox::setHeadless(true);

    std::vector<ScoreRow> rows = fullSystem();
    RowListModel list;
    RowListHistory history(list);
    list.appendAll(std::move(rows)); // as "Listaa rivit" lists it: not known distinct
    const auto chances = typicalModel();

    QElapsedTimer timer;
    timer.start();
    frmKarsinta window(history, 3);
    window.setChances(chances);
    window.show();
    std::printf("%-52s %7.1f ms\n", "window opened and counted", settle(timer));
    std::printf("  %s\n", qPrintable(label(window)));
    // Every row remains: the copies are sought off the window's thread, then the chance shown.
    while (label(window).contains(QLatin1String("lasketaan")))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("%-52s %7.1f ms\n", "  the chance of all shown (copies sought aside)",
                settle(timer));

    auto type = [&](const char* box, const char* text, const char* what) {
        timer.start();
        window.findChild<QLineEdit*>(QLatin1String(box))->insert(QLatin1String(text));
        std::printf("%-52s %7.1f ms   target < 100 ms\n", what, settle(timer));
    };
    type("txtVierasvoitotMax", "1", "key typed to count shown");
    type("txtRiviMaalitMin", "2", "key typed to count shown");
    type("txtRiviMaalitMax", "6", "key typed to count shown");
    type("txtKarsTodMin", "0,001", "text pasted to count shown");
    std::printf("  %s\n", qPrintable(label(window)));

    timer.start();
    list.appendAll({ScoreRow(3, {20, 0, 0, 0, 0, 0})});
    std::printf("%-52s %7.1f ms   target < 100 ms\n", "a row listed to count shown", settle(timer));

    timer.start();
    window.findChild<QPushButton*>(QStringLiteral("cmdKarsi"))->click();
    std::printf("%-52s %7.1f ms\n", "\"Karsi\" to the count shown", settle(timer));
    std::printf("  %s\n", qPrintable(label(window)));
    timer.start();
    history.undo();
    std::printf("%-52s %7.1f ms\n", "undone to the count shown", settle(timer));
    return list.count() == 2'985'985 ? 0 : 1;
}
