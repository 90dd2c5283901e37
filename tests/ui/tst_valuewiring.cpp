// The rows' values in the main window: the distribution window, the list's expected return,
// the commands by value.
#include "core/bestvaluerows.h"
#include "ui/frmJakauma.h"
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
    // After each script the label shows the return of the list as it is then.
    void returnFollowsList_data()
    {
        QTest::addColumn<QString>("before"); // played before the distribution is set
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("values");
        const QString rows = "add 0-0 0-0 0-0; add 1-0 2-0 1-1; add 1-1 1-0 0-0; add 1-1 1-0 0-0";
        // clang-format off
        QTest::newRow("no chances") << rows << "" << false;
        QTest::newRow("rows listed before") << setChances() + "; " + rows << "" << true;
        QTest::newRow("empty list") << setChances() << "" << true;
        QTest::newRow("drawn, undone") << setChances() << rows + "; draw 3 40; menu MnuKumoa" << true;
        QTest::newRow("drawn, undone, redone") << setChances() << rows + "; draw 3 40; menu MnuKumoa; menu MnuTeeUudelleen" << true;
        QTest::newRow("ticked removed") << setChances() << rows + "; check 1; menu MnuPoistavalitutListalta" << true;
        QTest::newRow("list cleared") << setChances() << rows + "; yes; menu MnuTyhjennäLista" << true;
        QTest::newRow("stake changed") << setChances() << rows + "; tick Chk2Markka" << true;
        QTest::newRow("two matches") << setChances() << "yes; menu MnuSarake2; add 0-0 1-0; add 2-1 0-0" << true;
        QTest::newRow("chances emptied") << setChances() << rows + "; click cmdTyhjenna" << false;
        // clang-format on
    }
    void returnFollowsList()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, values);
        MainWindow w;
        QCOMPARE(play(w, "menu MnuKarsinta; " + before), QString()); // the filter follows too
        QCOMPARE(setDistribution(w), QString());
        QCOMPARE(play(w, after), QString());
        QCOMPARE(shownLabel(w, "lblOdotettuPalautus"), expectedReturn(w, values));
        QCOMPARE(child<QLineEdit>(w, "txtKarsArvoMin")->isEnabled(), values);
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
        // At the next start the distribution in use before is in use, unopened, and shown.
        MainWindow w;
        QCOMPARE(play(w, rows), QString());
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

    // "Parhaat arvorivit": the rows of highest value within the limits, none twice, one step.
    void bestValueRows_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("best"); // how many wanted; -1: none
        QTest::addColumn<double>("least");
        QTest::addColumn<QString>("told");
        // clang-format off
        QTest::newRow("ten") << "set txtMaali 4; set txtArvoLkm 10" << 10 << 0.0 << "";
        QTest::newRow("budget, least chance") << "set txtMaali 5; tick Chk2Markka; set txtArvoBudjetti 9; set txtMinTod 0,05" << -2 << 0.0005 << "";
        QTest::newRow("one already listed") << "set txtMaali 3; add 0-0 0-0 0-0; set txtArvoLkm 300" << 300 << 0.0 << "";
        QTest::newRow("least chance no number") << "set txtMaali 3; set txtArvoLkm 5; set txtMinTod x" << -1 << 0.0 << "Pienin todennäköisyys annetaan prosentteina väliltä 0–100; tyhjä ei rajaa rivejä.";
        QTest::newRow("no chances") << "click cmdTyhjenna; set txtMaali 3; set txtArvoLkm 5" << -1 << 0.0 << "Rivien arvo lasketaan todennäköisyyksistä: anna ensin kertoimet tai odotetut maalimäärät ja paina Käytä.";
        QTest::newRow("max goal missing") << "set txtArvoLkm 5" << -1 << 0.0 << "Max. maalimäärä puuttuu";
        // clang-format on
    }
    void bestValueRows()
    {
        QFETCH(QString, script);
        QFETCH(int, best);
        QFETCH(double, least);
        MainWindow w;
        QCOMPARE(play(w, setChances()), QString());
        QCOMPARE(setDistribution(w), QString());
        QCOMPARE(play(w, script), QString());
        const QStringList before = listed(w.rowList());
        QCOMPARE(play(w, "click cmdArvorivit"), QString());
        QTEST(MessageBox::shownTexts().join(" / "), "told");
        if (best == -1) {
            QCOMPARE(listed(w.rowList()), before);
            return;
        }
        const qint64 count = best == -2 ? 900 / w.StakePerRowCents() : best;
        const GoalRanges ranges = GoalRanges::upTo(3, observe(w, "txtMaali").toInt());
        QStringList expected = before;
        for (const QString& row :
             listed(BestValueRows::find(*expectedValue(w), ranges, count, least).rows))
            if (!expected.contains(row))
                expected << row;
        QVERIFY(expected.size() > before.size());
        const QString added = "rows=" + expected.join(", ") + "|undo=Kumoa: Parhaat arvorivit";
        QCOMPARE(seen(w, added), added);
        QCOMPARE(shownLabel(w, "lblOdotettuPalautus"), expectedReturn(w, true));
        QCOMPARE(play(w, "menu MnuKumoa"), QString());
        QCOMPARE(listed(w.rowList()), before);
    }

    // Without a distribution nothing goes by value, and the player is told where to give it.
    // Ordering: highest value first, ticks with their rows, one step and none when in order
    // already; the tooltip tells the value beside the chance.
    void orderAndToolTip()
    {
        MainWindow w;
        w.show();
        QCOMPARE(play(w, "menu MnuPelijakauma"), QString());
        QVERIFY(child<QWidget>(w, "frmJakauma")->isVisible());
        QCOMPARE(play(w, setChances() + "; add 0-0 0-0 0-0; add 3-3 3-3 3-3; add 1-0 2-0 1-1; "
                                        "add 2-1 0-0 1-0; check 1; set txtMaali 3; set txtArvoLkm "
                                        "5; click cmdArvorivit"),
                 QString());
        const QString none = "told=Pelijakaumaa ei ole asetettu. Anna se ensin kohdassa Muokkaa, "
                             "Pelijakauma.|MnuJarjestaArvo=0|lblOdotettuPalautus?=0|steps=4";
        QCOMPARE(seen(w, none), none);
        QCOMPARE(setDistribution(w), QString());
        std::vector<ScoreRow> rows = w.rowList().rows();
        const auto value = expectedValue(w);
        std::stable_sort(rows.begin(), rows.end(), [&](ScoreRow x, ScoreRow y) {
            return value->valueOf(x) > value->valueOf(y);
        });
        const int ticked =
            int(std::find(rows.begin(), rows.end(), *ScoreRow::fromText(QString("3-3 3-3 3-3"))) -
                rows.begin());
        const QString ordered = "rows=" + listed(rows).join(", ") +
                                "|ticked=" + QString::number(ticked) +
                                "|undo=Kumoa: Järjestä arvon mukaan|steps=5";
        QCOMPARE(play(w, "menu MnuJarjestaArvo"), QString());
        QCOMPARE(seen(w, ordered), ordered);
        QCOMPARE(play(w, "menu MnuJarjestaArvo"), QString());
        QCOMPARE(seen(w, ordered), ordered);

        QCOMPARE(rowToolTip(w, 0), "Todennäköisyys " +
                                       Chance::chanceText(value->model().probability(rows[0])) +
                                       "\nArvo " + RowValues::valueText(value->valueOf(rows[0])) +
                                       " (odotettu palautus euroa kohti)");

        QCOMPARE(play(w, "menu MnuKumoa"), QString());
        const QString before = "rows=0-0 0-0 0-0, 3-3 3-3 3-3, 1-0 2-0 1-1, 2-1 0-0 1-0|ticked=1";
        QCOMPARE(seen(w, before), before);
    }
};

QTEST_MAIN(TestValueWiring)
#include "tst_valuewiring.moc"
