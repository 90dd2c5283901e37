// The chances in the main window: the list's chance and the commands by chances.
#include "core/chance.h"
#include "ui/frmTarkista.h"
#include "ui/rowlisthistory.h"
#include "windowtest.h"
#include <QUndoStack>

using namespace WindowTest;

class TestChanceWiring : public HeadlessWindowTest
{
    Q_OBJECT

private slots:
    // "Tarkista tulos" from the menu: the winning row is ticked and scrolled to on the rows tab.
    void checkResultFromMenu()
    {
        MainWindow w;
        w.show();
        QCOMPARE(play(w, "draw 9 300; tab 1; menu MnuTarkistaTulos"), QString());
        auto* window = w.findChild<frmTarkista*>();
        QVERIFY(window && window->isVisible());
        const int winning = 250;
        child<QLineEdit>(*window, "txtTulos")->setText(w.rowList().at(winning).text());
        child<QPushButton>(*window, "cmdTarkista")->click();
        QCOMPARE(seen(w, "ticked"), "ticked=" + QString::number(winning));
        QCOMPARE(child<QTabWidget>(w, "SSTab1")->currentIndex(), 0);
        auto* view = child<QAbstractItemView>(w, "lstLista");
        QCOMPARE(view->currentIndex().row(), winning);
        QVERIFY(view->viewport()->rect().intersects(view->visualRect(view->currentIndex())));
    }

    // The draw by chances, one step; without chances nothing is drawn.
    void drawByChances_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("most"); // at most this many different rows drawn
        QTest::addColumn<QString>("told");
        const QString unlikely = setChances("0,02");
        // clang-format off
        QTest::newRow("goals rare") << unlikely + "; tick chkTodennakoisyyksin; draw 9 60" << 8 << "";
        QTest::newRow("not ticked") << unlikely + "; draw 9 60" << 60 << "";
        QTest::newRow("no chances") << "tick chkTodennakoisyyksin; draw 9 60" << 0 << "Todennäköisyyksiä ei ole asetettu. Anna ne ensin kohdassa Muokkaa, Todennäköisyydet.";
        // clang-format on
    }
    void drawByChances()
    {
        QFETCH(QString, script);
        QFETCH(int, most);
        MainWindow w;
        QCOMPARE(play(w, script), QString());
        QTEST(MessageBox::shownTexts().join(" / "), "told");
        QVERIFY2(w.rowList().count() <= most, qPrintable(listed(w.rowList()).join(", ")));
        QVERIFY(most < 60 || w.rowList().count() > 40); // the plain draw spreads out
        QCOMPARE(seen(w, "undo="), most > 0 ? "undo=Kumoa: Arvo lopputulokset" : "undo=Kumoa");
    }
};

QTEST_MAIN(TestChanceWiring)
#include "tst_chancewiring.moc"
