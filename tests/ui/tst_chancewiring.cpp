// The chances in the main window: the list's chance and the commands by chances.
#include "core/bestrows.h"
#include "core/chance.h"
#include "ui/frmTarkista.h"
#include "ui/rowlisthistory.h"
#include "windowtest.h"
#include <QUndoStack>

using namespace WindowTest;

namespace {
// What the chance label should say for the list as it is, "hidden" without chances.
QString expectedChance(frmSarvento& w, bool withModel)
{
    if (!withModel)
        return "hidden";
    // Each different row once: a copy is no second chance.
    std::vector<ScoreRow> distinct = w.rowList().rows();
    std::sort(distinct.begin(), distinct.end(),
              [](ScoreRow a, ScoreRow b) { return a.key() < b.key(); });
    distinct.erase(std::unique(distinct.begin(), distinct.end(),
                               [](ScoreRow a, ScoreRow b) { return a.key() == b.key(); }),
                   distinct.end());
    return "Voittotodennäköisyys " + Chance::chanceText(chanceModel(w.ColumnCount()).sum(distinct));
}

} // namespace

class TestChanceWiring : public HeadlessWindowTest
{
    Q_OBJECT

private slots:
    // After each script the label shows the chance of the list as it is then.
    void chanceFollowsList_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("model");
        const QString rows = "add 0-0 0-0 0-0; add 1-0 2-0 1-1; add 1-1 1-0 0-0";
        // clang-format off
        QTest::newRow("no chances set") << rows << false;
        QTest::newRow("rows listed before the chances") << rows + "; " + setChances() << true;
        QTest::newRow("drawn, undone") << setChances() + "; " + rows + "; draw 3 40; menu MnuKumoa" << true;
        QTest::newRow("ticked removed") << setChances() + "; " + rows + "; check 1; menu MnuPoistavalitutListalta" << true;
        QTest::newRow("list cleared") << setChances() + "; " + rows + "; yes; menu MnuTyhjennäLista" << true;
        QTest::newRow("two matches") << setChances() + "; yes; menu MnuSarake2; add 0-0 1-0; add 2-1 0-0" << true;
        QTest::newRow("two matches, undone") << setChances() + "; " + rows + "; yes; menu MnuSarake2; menu MnuKumoa" << true;
        const QString twice = setChances() + "; grid 0,1,2 0,1,2 0,1,2 0,1,2 0,1,2 0,1,2; click cmdListaa_Rivit; no; click cmdListaa_Rivit";
        QTest::newRow("a system listed twice") << twice << true;
        QTest::newRow("listed twice, undone, redone") << twice + "; menu MnuKumoa; menu MnuTeeUudelleen" << true;
        QTest::newRow("listed twice, a removal undone") << twice + "; check 3; menu MnuPoistavalitutListalta; menu MnuKumoa" << true;
        QTest::newRow("listed twice, then drawn") << twice + "; set txtMaali 3; draw 3 40" << true;
        QTest::newRow("chances emptied") << setChances() + "; " + rows + "; click cmdTyhjenna" << false;
        // clang-format on
    }
    void chanceFollowsList()
    {
        QFETCH(QString, script);
        QFETCH(bool, model);
        MainWindow w;
        QCOMPARE(play(w, script), QString());
        QCOMPARE(shownLabel(w, "lblVoittoTod"), expectedChance(w, model));
    }

    // The chances set at the last run are in use at the next start, unopened.
    void chancesKeptOverStart()
    {
        {
            MainWindow w;
            QCOMPARE(play(w, setChances()), QString());
        }
        MainWindow w;
        QCOMPARE(play(w, "add 0-0 0-0 0-0"), QString());
        QCOMPARE(shownLabel(w, "lblVoittoTod"), expectedChance(w, true));
    }

    // "Parhaat rivit": the likeliest rows within the limits, none twice, one step.
    void bestRows_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("best"); // how many of the best rows are wanted; -1: none
        QTest::addColumn<QString>("told");
        // clang-format off
        QTest::newRow("ten") << setChances() + "; set txtMaali 3; set txtParhaatLkm 10" << 10 << "";
        QTest::newRow("for a budget") << setChances() + "; set txtMaali 3; tick Chk2Markka; set txtParhaatLkm ; set txtBudjetti 2,5" << -2 << "";
        QTest::newRow("the best one already listed") << setChances() + "; set txtMaali 3; add 1-0 1-0 0-0; set txtParhaatLkm 4" << 4 << "";
        QTest::newRow("own limits of a team") << setChances() + "; set txtMaali 3; set txtMaalivah_0 2; set txtMaaliEnint_0 3; set txtParhaatLkm 6" << 6 << "";
        QTest::newRow("max goal missing") << setChances() + "; set txtParhaatLkm 5" << -1 << "Max. maalimäärä puuttuu";
        QTest::newRow("count no whole number") << setChances() + "; set txtMaali 3; set txtParhaatLkm 2,5" << -1 << "Rivimäärä ei ole kokonaisluku.";
        QTest::newRow("budget, no stake") << setChances() + "; set txtMaali 3; untick Chk1Markka; set txtBudjetti 10" << -1 << "Panos on 0 €, joten budjetista ei voi laskea rivimäärää. Valitse ensin panos.";
        QTest::newRow("a team's least above its most") << setChances() + "; set txtMaali 3; set txtMaalivah_0 3; set txtMaaliEnint_0 1; set txtParhaatLkm 5" << -1 << "";
        QTest::newRow("no chances") << "set txtMaali 3; set txtParhaatLkm 5" << -1 << "Parhaat rivit lasketaan todennäköisyyksistä: anna ensin kertoimet tai odotetut maalimäärät ja paina Käytä.";
        // clang-format on
    }
    void bestRows()
    {
        QFETCH(QString, script);
        QFETCH(int, best);
        MainWindow w;
        QCOMPARE(play(w, script), QString());
        const QStringList before = listed(w.rowList());
        QCOMPARE(play(w, "click cmdParhaatRivit"), QString());
        QTEST(MessageBox::shownTexts().join(" / "), "told");
        if (best == -1) {
            QCOMPARE(listed(w.rowList()), before);
            return;
        }
        // -2: a budget of 2,50 € at the stake per row.
        const qint64 count = best == -2 ? 250 / w.StakePerRowCents() : best;
        GoalLimitTexts limits{observe(w, "txtMaali"), {}, {}};
        for (size_t k = 0; k < 6; ++k) {
            limits.teamMin[k] = observe(w, QString("txtMaalivah_%1").arg(k));
            limits.teamMax[k] = observe(w, QString("txtMaaliEnint_%1").arg(k));
        }
        const auto ranges = GoalRanges::fromLimits(limits, 3);
        QVERIFY(ranges);
        QStringList expected = before;
        for (const QString& row : listed(BestRows::find(chanceModel(3), *ranges, count).rows))
            if (!expected.contains(row))
                expected << row;
        const QString added = "rows=" + expected.join(", ") + "|undo=Kumoa: Parhaat rivit";
        QCOMPARE(seen(w, added), added);
        QCOMPARE(play(w, "menu MnuKumoa"), QString());
        QCOMPARE(listed(w.rowList()), before);
    }

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

    // Ordering: likeliest first, ties in list order, ticks with their rows; one step. A row's
    // own chance is its tooltip, and a copy says it counts once.
    void orderAndToolTip()
    {
        MainWindow w;
        w.show();
        QCOMPARE(play(w, "add 3-3 3-3 3-3; add 0-0 0-0 0-0; add 1-0 2-0 1-1; add "
                         "3-3 3-3 3-3"),
                 QString());
        QVERIFY2(!menuItemEnabled(w, "MnuJarjestaTod"), "no chances: nothing to order by");
        QCOMPARE(play(w, setChances() + "; check 2; menu MnuJarjestaTod"), QString());
        const QString step = "undo=Kumoa: Järjestä todennäköisyyden mukaan|steps=5";
        const QString ordered =
            "rows=1-0 2-0 1-1, 0-0 0-0 0-0, 3-3 3-3 3-3, 3-3 3-3 3-3|ticked=0|" + step;
        QCOMPARE(seen(w, ordered), ordered);
        const ScoreModel scores = chanceModel(3);
        auto chanceOf = [&](int row) {
            return "Todennäköisyys " + Chance::chanceText(scores.probability(w.rowList().at(row)));
        };
        QCOMPARE(rowToolTip(w, 0), chanceOf(0));
        QCOMPARE(rowToolTip(w, 3), chanceOf(3) + "\nRivi on listalla 2 kertaa; "
                                                 "voittotodennäköisyyteen se lasketaan kerran.");
        QCOMPARE(play(w, "menu MnuKumoa"), QString());
        const QString before = "rows=3-3 3-3 3-3, 0-0 0-0 0-0, 1-0 2-0 1-1, 3-3 3-3 3-3|ticked=2";
        QCOMPARE(seen(w, before), before);
        QCOMPARE(play(w, "menu MnuTeeUudelleen; menu MnuJarjestaTod"), QString());
        QCOMPARE(seen(w, step), step); // in order already: no step
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
