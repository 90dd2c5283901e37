// The rows' chances and values in the main window: the distribution window, the list's chance
// and expected return, the commands by chance and by value.
#include "core/bestrows.h"
#include "core/bestvaluerows.h"
#include "core/chance.h"
#include "ui/frmJakauma.h"
#include "ui/frmTarkista.h"
#include "ui/valuecommands.h"
#include "windowtest.h"
#include <QPlainTextEdit>
#include <QTableWidget>

using namespace WindowTest;

namespace {
const QStringList Tables = {"1-0 14\n0-0 9\n1-1 12\n0-1 8\n2-1 9\n2-0 10\nmuu 38",
                            "0-0 7,5 %\n1-1 11,5 %\n1–0 9 %\n0-1 9 %\n2-2 4\nmuut 59",
                            "1-0\t20\n0-1\t20\n1-1\t20\n0-0\t20\n2-2\t18"};
const PoolTexts Figures = {"50 000", "65", "2000"};

// The tables typed and put in use with the pool's figures; returns what play() returns.
QString setDistribution(frmSarvento& w, const QStringList& tables = Tables,
                        const PoolTexts& figures = Figures)
{
    for (int k = 1; k <= 3; ++k)
        child<QPlainTextEdit>(w, QString("txtJakauma_%1").arg(k))->setPlainText(tables[k - 1]);
    return play(w, QString("set txtVaihto %1; set txtPalautus %2; set txtPotti %3; "
                           "click cmdKaytaJakauma")
                       .arg(figures.total, figures.returned, figures.jackpot));
}

// The values the main window should use now, made here from the same inputs.
std::shared_ptr<const PoolValue> expectedValue(frmSarvento& w)
{
    const auto model = std::make_shared<const ScoreModel>(chanceModel(w.ColumnCount()));
    const DistributionRead read =
        readDistribution({{Tables[0], Tables[1], Tables[2]}, Figures}, w.ColumnCount());
    return PoolValue::make(model, *read.distribution, w.StakePerRowCents());
}

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

// What the return label should say, "hidden" without values.
QString expectedReturn(frmSarvento& w, bool withValues)
{
    if (!withValues)
        return "hidden";
    const auto value = expectedValue(w);
    double sum = 0;
    for (ScoreRow row : w.rowList().rows())
        sum += value->valueOf(row);
    return w.rowList().isEmpty() ? "Odotettu palautus: lista on tyhjä"
                                 : RowValues::expectedReturnText(sum / w.rowList().count());
}

} // namespace

class TestValueWiring : public HeadlessWindowTest
{
    Q_OBJECT

private slots:
    // After each script the labels show the chance and the return of the list as it is then,
    // and the filter window follows.
    void labelsFollowList_data()
    {
        QTest::addColumn<QString>("before"); // played before the distribution is set
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("chances");
        const QString rows = "add 0-0 0-0 0-0; add 1-0 2-0 1-1; add 1-1 1-0 0-0; add 1-1 1-0 0-0";
        const QString twice = "grid 0,1,2 0,1,2 0,1,2 0,1,2 0,1,2 0,1,2; click cmdListaa_Rivit; "
                              "no; click cmdListaa_Rivit";
        // clang-format off
        QTest::newRow("no chances") << rows << "" << false;
        QTest::newRow("rows listed before") << rows + "; " + setChances() << "" << true;
        QTest::newRow("empty list") << setChances() << "" << true;
        QTest::newRow("drawn, undone") << setChances() << rows + "; draw 3 40; menu MnuKumoa" << true;
        QTest::newRow("drawn, undone, redone") << setChances() << rows + "; draw 3 40; menu MnuKumoa; menu MnuTeeUudelleen" << true;
        QTest::newRow("ticked removed") << setChances() << rows + "; check 1; menu MnuPoistavalitutListalta" << true;
        QTest::newRow("list cleared") << setChances() << rows + "; yes; menu MnuTyhjennäLista" << true;
        QTest::newRow("stake changed") << setChances() << rows + "; tick Chk2Markka" << true;
        QTest::newRow("two matches") << setChances() << "yes; menu MnuSarake2; add 0-0 1-0; add 2-1 0-0" << true;
        QTest::newRow("two matches, undone") << setChances() << rows + "; yes; menu MnuSarake2; menu MnuKumoa" << true;
        QTest::newRow("a system listed twice") << setChances() << twice << true;
        QTest::newRow("listed twice, undone, redone") << setChances() << twice + "; menu MnuKumoa; menu MnuTeeUudelleen" << true;
        QTest::newRow("listed twice, a removal undone") << setChances() << twice + "; check 3; menu MnuPoistavalitutListalta; menu MnuKumoa" << true;
        QTest::newRow("listed twice, then drawn") << setChances() << twice + "; set txtMaali 3; draw 3 40" << true;
        QTest::newRow("chances emptied") << setChances() << rows + "; click cmdTyhjenna" << false;
        // clang-format on
    }
    void labelsFollowList()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, chances);
        MainWindow w;
        QCOMPARE(play(w, "menu MnuKarsinta; " + before), QString());
        QCOMPARE(setDistribution(w), QString());
        QCOMPARE(play(w, after), QString());
        QCOMPARE(shownLabel(w, "lblVoittoTod"), expectedChance(w, chances));
        QCOMPARE(shownLabel(w, "lblOdotettuPalautus"), expectedReturn(w, chances));
        QCOMPARE(child<QLineEdit>(w, "txtKarsArvoMin")->isEnabled(), chances);
    }

    // A fault is told and changes nothing in use, nor what is stored.
    void refused_data()
    {
        QTest::addColumn<QStringList>("tables");
        QTest::addColumn<QStringList>("figures");
        QTest::addColumn<QString>("told");
        // clang-format off
        QTest::newRow("sum 80") << QStringList{Tables[0], "1-0 40\n0-0 40", Tables[2]} << QStringList{"50000", "65", ""} << "Kohteen 2 pelijakauma: Osuuksien summa on 80,0 %; sen pitää olla 95–105 %.";
        QTest::newRow("not a table") << QStringList{Tables[0], Tables[1], "Tulos Osuus\n1-0 100"} << QStringList{"50000", "65", ""} << "Kohteen 3 pelijakauma: Rivi 1 ei ole tulos ja osuus (esim. \"1-0 12,3 %\"): \"Tulos Osuus\"";
        QTest::newRow("no return") << Tables << QStringList{"50000", "", ""} << "Anna voittoihin palautettava osuus prosentteina (yli 0 ja enintään 100), esim. 65.";
        // clang-format on
    }
    void refused()
    {
        QFETCH(QStringList, tables);
        QFETCH(QStringList, figures);
        const QString rows = "add 0-0 0-0 0-0; add 2-1 1-0 3-3";
        {
            MainWindow w;
            QCOMPARE(play(w, setChances() + "; " + rows), QString());
            QCOMPARE(setDistribution(w), QString());
            QCOMPARE(setDistribution(w, tables, {figures[0], figures[1], figures[2]}), QString());
            QTEST(MessageBox::shownTexts().join(" / "), "told");
            QCOMPARE(shownLabel(w, "lblOdotettuPalautus"), expectedReturn(w, true));
        }
        // At the next start the chances and distribution in use before are in use, unopened.
        MainWindow w;
        QCOMPARE(play(w, rows), QString());
        QCOMPARE(shownLabel(w, "lblVoittoTod"), expectedChance(w, true));
        QCOMPARE(shownLabel(w, "lblOdotettuPalautus"), expectedReturn(w, true));
        QCOMPARE(child<QPlainTextEdit>(w, "txtJakauma_2")->toPlainText(), Tables[1]);
        const QString shown = "lblOdotettuPalautus=Odotettu palautus 385 % panoksesta|txtVaihto=50 "
                              "000|txtPalautus=65|txtPotti=2000|lblJakaumaSumma_1=Summa 100,0 "
                              "%|lblJakaumaSumma_3=Summa 98,0 %, loput 2,0 % listaamattomille "
                              "tuloksille";
        QCOMPARE(seen(w, shown), shown);
    }

    // The map: the model's chance over the public's share, above 1 marked; nothing without
    // chances, and the window says why. "Avaa" puts every match's table from one file into the
    // boxes, a faulty file none; the sums follow the boxes, the map keeps the tables in use.
    void valueMapAndFile()
    {
        MainWindow w;
        QCOMPARE(setDistribution(w), QString());
        auto* map = child<QTableWidget>(w, "tblArvo_1");
        QCOMPARE(map->item(1, 0)->text() + seen(w, "lblEiMallia?"), "lblEiMallia?=1");
        QCOMPARE(play(w, setChances()), QString());
        QCOMPARE(seen(w, "lblEiMallia?"), "lblEiMallia?=0");
        const auto scores = chanceModel(3);
        const double oneNil = scores.match(0).at(1, 0) / 0.14;
        const double nilNil = scores.match(0).at(0, 0) / 0.09;
        QCOMPARE(map->item(1, 0)->text(), QLocale().toString(oneNil, 'f', 1));
        QCOMPARE(map->item(1, 0)->background() != QBrush(), oneNil > 1);
        QCOMPARE(map->item(0, 0)->background() != QBrush(), nilNil > 1);

        QTemporaryDir dir;
        const QString good = TestFile::write(
            dir, "jakauma.txt", "kohde;tulos;osuus\n1;1-0;60\n1;muu;40\n2;0-0;100\n3;2-2;100\n");
        const QString bad =
            TestFile::write(dir, "virhe.txt", "1;1-0;60\n1;muu;40\n2;0-0;100\n2;0-0;100\n");
        QCOMPARE(play(w, "file " + good + "; click cmdAvaaJakauma; file " + bad +
                             "; click cmdAvaaJakauma"),
                 QString());
        QCOMPARE(MessageBox::shownTexts().join(" / "),
                 QString("Kohde 2: Rivillä 4 tulos 0-0 on toiseen kertaan; ensimmäinen on "
                         "rivillä 3."));
        QCOMPARE(child<QPlainTextEdit>(w, "txtJakauma_1")->toPlainText() + '|' +
                     child<QPlainTextEdit>(w, "txtJakauma_2")->toPlainText() + '|' +
                     labelText(w, "lblJakaumaSumma_3"),
                 "1-0 60\nmuu 40|0-0 100|Summa 100,0 %");
        QCOMPARE(map->item(1, 0)->text(), QLocale().toString(oneNil, 'f', 1));
        child<QPlainTextEdit>(w, "txtJakauma_1")->setPlainText("1-0 50\n1-0 50");
        QCOMPARE(labelText(w, "lblJakaumaSumma_1"),
                 QString("Rivillä 2 tulos 1-0 on toiseen kertaan; ensimmäinen on rivillä 1."));
    }

    // "Parhaat rivit" and "Parhaat arvorivit": the likeliest rows, or those of highest value,
    // within the limits, none twice, one step.
    void bestRows_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("best"); // how many are wanted; -1: none; below: -(budget cents)
        QTest::addColumn<double>("least");
        QTest::addColumn<QString>("told");
        const QString chance = "cmdParhaatRivit", value = "cmdArvorivit";
        // clang-format off
        QTest::newRow("ten") << chance << "set txtMaali 3; set txtParhaatLkm 10" << 10 << 0.0 << "";
        QTest::newRow("for a budget") << chance << "set txtMaali 3; tick Chk2Markka; set txtParhaatLkm ; set txtBudjetti 2,5" << -250 << 0.0 << "";
        QTest::newRow("the best one already listed") << chance << "set txtMaali 3; add 1-0 1-0 0-0; set txtParhaatLkm 4" << 4 << 0.0 << "";
        QTest::newRow("own limits of a team") << chance << "set txtMaali 3; set txtMaalivah_0 2; set txtMaaliEnint_0 3; set txtParhaatLkm 6" << 6 << 0.0 << "";
        QTest::newRow("max goal missing") << chance << "set txtParhaatLkm 5" << -1 << 0.0 << "Max. maalimäärä puuttuu";
        QTest::newRow("count no whole number") << chance << "set txtMaali 3; set txtParhaatLkm 2,5" << -1 << 0.0 << "Rivimäärä ei ole kokonaisluku.";
        QTest::newRow("budget, no stake") << chance << "set txtMaali 3; untick Chk1Markka; set txtBudjetti 10" << -1 << 0.0 << "Panos on 0 €, joten budjetista ei voi laskea rivimäärää. Valitse ensin panos.";
        QTest::newRow("a team's least above its most") << chance << "set txtMaali 3; set txtMaalivah_0 3; set txtMaaliEnint_0 1; set txtParhaatLkm 5" << -1 << 0.0 << "";
        QTest::newRow("no chances") << chance << "click cmdTyhjenna; set txtMaali 3; set txtParhaatLkm 5" << -1 << 0.0 << "Parhaat rivit lasketaan todennäköisyyksistä: anna ensin kertoimet tai odotetut maalimäärät ja paina Käytä.";
        QTest::newRow("value, ten") << value << "set txtMaali 4; set txtArvoLkm 10" << 10 << 0.0 << "";
        QTest::newRow("value, budget, least chance") << value << "set txtMaali 5; tick Chk2Markka; set txtArvoBudjetti 9; set txtMinTod 0,05" << -900 << 0.0005 << "";
        QTest::newRow("value, one already listed") << value << "set txtMaali 3; add 0-0 0-0 0-0; set txtArvoLkm 300" << 300 << 0.0 << "";
        QTest::newRow("value, least chance no number") << value << "set txtMaali 3; set txtArvoLkm 5; set txtMinTod x" << -1 << 0.0 << "Pienin todennäköisyys annetaan prosentteina väliltä 0–100; tyhjä ei rajaa rivejä.";
        QTest::newRow("value, no chances") << value << "click cmdTyhjenna; set txtMaali 3; set txtArvoLkm 5" << -1 << 0.0 << "Rivien arvo lasketaan todennäköisyyksistä: anna ensin kertoimet tai odotetut maalimäärät ja paina Käytä.";
        QTest::newRow("value, max goal missing") << value << "set txtArvoLkm 5" << -1 << 0.0 << "Max. maalimäärä puuttuu";
        // clang-format on
    }
    void bestRows()
    {
        QFETCH(QString, button);
        QFETCH(QString, script);
        QFETCH(int, best);
        QFETCH(double, least);
        MainWindow w;
        QCOMPARE(play(w, setChances()), QString());
        QCOMPARE(setDistribution(w), QString());
        QCOMPARE(play(w, script), QString());
        const QStringList before = listed(w.rowList());
        QCOMPARE(play(w, "click " + button), QString());
        QTEST(MessageBox::shownTexts().join(" / "), "told");
        if (best == -1) {
            QCOMPARE(listed(w.rowList()), before);
            return;
        }
        const qint64 count = best < 0 ? -best / w.StakePerRowCents() : best;
        GoalLimitTexts limits{observe(w, "txtMaali"), {}, {}};
        for (size_t k = 0; k < 6; ++k) {
            limits.teamMin[k] = observe(w, QString("txtMaalivah_%1").arg(k));
            limits.teamMax[k] = observe(w, QString("txtMaaliEnint_%1").arg(k));
        }
        const auto ranges = GoalRanges::fromLimits(limits, 3);
        QVERIFY(ranges);
        QStringList expected = before;
        const bool byValue = button == "cmdArvorivit";
        for (const QString& row :
             listed(byValue ? BestValueRows::find(*expectedValue(w), *ranges, count, least).rows
                            : BestRows::find(chanceModel(3), *ranges, count).rows))
            if (!expected.contains(row))
                expected << row;
        QVERIFY(expected.size() > before.size());
        const QString added = "rows=" + expected.join(", ") +
                              "|undo=Kumoa: " + (byValue ? "Parhaat arvorivit" : "Parhaat rivit");
        QCOMPARE(seen(w, added), added);
        QCOMPARE(shownLabel(w, "lblOdotettuPalautus"), expectedReturn(w, true));
        QCOMPARE(play(w, "menu MnuKumoa"), QString());
        QCOMPARE(listed(w.rowList()), before);
    }

    // Ordering by chance, then by value: highest first, ties in list order, ticks with their
    // rows, one step and none when in order already; nothing goes by value without a
    // distribution, and the player is told where to give it. The tooltip tells a row's chance, a
    // copy that it counts once, and the value once there is one.
    void orderAndToolTip()
    {
        MainWindow w;
        w.show();
        QCOMPARE(play(w, "add 3-3 3-3 3-3; add 0-0 0-0 0-0; add 1-0 2-0 1-1; add 3-3 3-3 3-3"),
                 QString());
        QVERIFY2(!menuItemEnabled(w, "MnuJarjestaTod"), "no chances: nothing to order by");
        QCOMPARE(play(w, setChances() + "; check 2; menu MnuJarjestaTod"), QString());
        const QString step = "undo=Kumoa: Järjestä todennäköisyyden mukaan|steps=5";
        const QString ordered =
            "rows=1-0 2-0 1-1, 0-0 0-0 0-0, 3-3 3-3 3-3, 3-3 3-3 3-3|ticked=0|" + step;
        QCOMPARE(seen(w, ordered), ordered);
        const ScoreModel scores = chanceModel(3);
        auto chanceOf = [&](ScoreRow row) {
            return "Todennäköisyys " + Chance::chanceText(scores.probability(row));
        };
        QCOMPARE(rowToolTip(w, 0), chanceOf(w.rowList().at(0)));
        QCOMPARE(rowToolTip(w, 3), chanceOf(w.rowList().at(3)) +
                                       "\nRivi on listalla 2 kertaa; voittotodennäköisyyteen se "
                                       "lasketaan kerran.");
        QCOMPARE(play(w, "menu MnuKumoa"), QString());
        const QString before = "rows=3-3 3-3 3-3, 0-0 0-0 0-0, 1-0 2-0 1-1, 3-3 3-3 3-3|ticked=2";
        QCOMPARE(seen(w, before), before);
        QCOMPARE(play(w, "menu MnuTeeUudelleen; menu MnuJarjestaTod"), QString());
        QCOMPARE(seen(w, step), step);

        QCOMPARE(play(w, "menu MnuPelijakauma; add 2-1 0-0 1-0; set txtMaali 3; set txtArvoLkm "
                         "5; click cmdArvorivit"),
                 QString());
        QVERIFY(child<QWidget>(w, "frmJakauma")->isVisible());
        const QString none = "told=Pelijakaumaa ei ole asetettu. Anna se ensin kohdassa Muokkaa, "
                             "Pelijakauma.|MnuJarjestaArvo=0|lblOdotettuPalautus?=0|steps=6";
        QCOMPARE(seen(w, none), none);
        QCOMPARE(setDistribution(w), QString());
        std::vector<ScoreRow> rows = w.rowList().rows();
        const auto value = expectedValue(w);
        std::stable_sort(rows.begin(), rows.end(), [&](ScoreRow x, ScoreRow y) {
            return value->valueOf(x) > value->valueOf(y);
        });
        const int ticked =
            int(std::find(rows.begin(), rows.end(), w.rowList().at(0)) - rows.begin());
        const QString byValue = "rows=" + listed(rows).join(", ") +
                                "|ticked=" + QString::number(ticked) +
                                "|undo=Kumoa: Järjestä arvon mukaan|steps=7";
        QCOMPARE(play(w, "menu MnuJarjestaArvo"), QString());
        QCOMPARE(seen(w, byValue), byValue);
        QCOMPARE(play(w, "menu MnuJarjestaArvo"), QString());
        QCOMPARE(seen(w, byValue), byValue);
        QCOMPARE(rowToolTip(w, 0), chanceOf(rows[0]) + "\nArvo " +
                                       RowValues::valueText(value->valueOf(rows[0])) +
                                       " (odotettu palautus euroa kohti)");
        QCOMPARE(play(w, "menu MnuKumoa"), QString());
        const QString back =
            "rows=1-0 2-0 1-1, 0-0 0-0 0-0, 3-3 3-3 3-3, 3-3 3-3 3-3, 2-1 0-0 1-0|ticked=0|steps=6";
        QCOMPARE(seen(w, back), back);
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

QTEST_MAIN(TestValueWiring)
#include "tst_valuewiring.moc"
