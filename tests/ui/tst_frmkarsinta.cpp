// The filter window from the edit menu: the count as typed and as the list changes, cutting
// the list as one step with the ticks kept, the refusals, and the conditions kept over a start.
#include "core/chance.h"
#include "core/rowfilter.h"
#include "core/scoremodel.h"
#include "ui/frmKarsinta.h"
#include "ui/texts.h"
#include "windowtest.h"

using namespace WindowTest;

namespace {
// 1 X X five goals; 2 2 X five; 1 1 X four; X X X none; 1 2 1 ten.
const QString Rows =
    "add 1-0 0-0 2-2; add 0-1 0-2 1-1; add 3-0 1-0 0-0; add 0-0 0-0 0-0; add 2-1 1-2 4-0";

// The count label once the changes have settled.
QString counted(frmSarvento& w)
{
    QCoreApplication::processEvents();
    return labelText(w, "lblKarsintaMaara");
}

// Every match's expected goals typed and used in the probabilities window.
QString setChances()
{
    QStringList steps;
    const char* goals[3][2] = {{"1,5", "1"}, {"2", "0,5"}, {"1", "1"}};
    for (int k = 1; k <= 3; ++k)
        steps << QString("set txtOdotusKoti_%1 %2; set txtOdotusVieras_%1 %3")
                     .arg(k)
                     .arg(goals[k - 1][0], goals[k - 1][1]);
    return steps.join("; ") + "; click cmdKayta";
}
} // namespace

class TestFrmKarsinta : public QObject
{
    Q_OBJECT
    QTemporaryDir m_settings;

private slots:
    void initTestCase() { setUpHeadless(m_settings); }
    void init() { resetBetweenTests(m_settings); }
    void cleanup() { QCOMPARE(unusedQueues(), QString()); }

    // The count as typed, then "Karsi": the rows left with their ticks, one step that undo and
    // redo take back and do again; a cut that removes nothing leaves no step.
    void cutAndUndo_data()
    {
        QTest::addColumn<QString>("conditions");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("after"); // rows and ticks after the cut
        // clang-format off
        QTest::newRow("at most one away win") << "set txtVierasvoitotMax 1" << "Jää 4 / 5 riviä"
            << "rows=1-0 0-0 2-2, 3-0 1-0 0-0, 0-0 0-0 0-0, 2-1 1-2 4-0|ticked=1,3";
        QTest::newRow("2 to 6 goals in all") << "set txtRiviMaalitMin 2; set txtRiviMaalitMax 6" << "Jää 3 / 5 riviä"
            << "rows=1-0 0-0 2-2, 0-1 0-2 1-1, 3-0 1-0 0-0|ticked=2";
        QTest::newRow("draws of match 1 removed") << "untick chkMerkki1_1; untick chkMerkki2_1; choose optPoista" << "Jää 4 / 5 riviä"
            << "rows=1-0 0-0 2-2, 0-1 0-2 1-1, 3-0 1-0 0-0, 2-1 1-2 4-0|ticked=2,3";
        QTest::newRow("difference of match 3, min only") << "set txtEroMin_3 1" << "Jää 1 / 5 riviä"
            << "rows=2-1 1-2 4-0|ticked=0";
        QTest::newRow("match goals equal, Finnish minus") << "set txtMaalitMin_2 1; set txtMaalitMax_2 1; set txtEroMax_2 \u22121" << "Jää 0 / 5 riviä"
            << "rows=|ticked=";
        QTest::newRow("removes nothing") << "set txtMaalitMax_1 99" << "Jää 5 / 5 riviä"
            << "rows=1-0 0-0 2-2, 0-1 0-2 1-1, 3-0 1-0 0-0, 0-0 0-0 0-0, 2-1 1-2 4-0|ticked=2,4";
        // clang-format on
    }
    void cutAndUndo()
    {
        QFETCH(QString, conditions);
        QFETCH(QString, after);
        MainWindow w;
        QCOMPARE(play(w, Rows + "; check 2; check 4; menu MnuKarsinta; " + conditions), QString());
        QTEST(counted(w), "count");
        const QString before = seen(w, "rows|ticked|steps");
        QCOMPARE(play(w, "click cmdKarsi"), QString());
        QCOMPARE(seen(w, after), after);
        if (counted(w) == "Jää 5 / 5 riviä") { // nothing removed
            QCOMPARE(seen(w, "rows|ticked|steps"), before);
            return;
        }
        QCOMPARE(seen(w, "undo"), "undo=Kumoa: Karsinta");
        QCOMPARE(play(w, "menu MnuKumoa"), QString());
        QCOMPARE(seen(w, "rows|ticked|steps"), before);
        QCOMPARE(counted(w).section(' ', 3), "5 riviä");
        QCOMPARE(play(w, "menu MnuTeeUudelleen"), QString());
        QCOMPARE(seen(w, after), after);
    }

    // The label follows every change of the list, undo included.
    void countFollowsList()
    {
        MainWindow w(false);
        QCOMPARE(play(w, "" + Rows + "; menu MnuKarsinta; set txtVierasvoitotMin 1"), QString());
        QCOMPARE(counted(w), "Jää 2 / 5 riviä");
        QCOMPARE(play(w, "add 0-1 0-0 0-0"), QString());
        QCOMPARE(counted(w), "Jää 3 / 6 riviä");
        QCOMPARE(play(w, "check 0; menu MnuPoistavalitutListalta"), QString());
        QCOMPARE(counted(w), "Jää 3 / 5 riviä");
        QCOMPARE(play(w, "menu MnuKumoa"), QString());
        QCOMPARE(counted(w), "Jää 3 / 6 riviä");
        QCOMPARE(play(w, "menu MnuTyhjennäLista"), QString()); // no question: warnings off
        QCOMPARE(counted(w), "Jää 0 / 0 riviä");
    }

    // A bad box is marked with why, the label says it, "Karsi" waits; nothing changes.
    void refusals_data()
    {
        QTest::addColumn<QString>("conditions");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("fix");
        // clang-format off
        QTest::newRow("a letter") << "set txtMaalitMin_2 k" << "txtMaalitMin_2" << "2. kohteen maalit: anna kokonaisluku väliltä 0…99." << "set txtMaalitMin_2 ";
        QTest::newRow("min above max") << "set txtKotivoitotMin 3; set txtKotivoitotMax 2" << "txtKotivoitotMax" << "Kotivoitot: vähintään-luku on suurempi kuin enintään-luku." << "set txtKotivoitotMax ";
        QTest::newRow("out of 0..99") << "set txtRiviMaalitMax 100" << "txtRiviMaalitMax" << "Rivin maalit: anna kokonaisluku väliltä 0…99." << "set txtRiviMaalitMax ";
        QTest::newRow("no outcome ticked") << "untick chkMerkki1_1; untick chkMerkkiX_1; untick chkMerkki2_1" << "chkMerkkiX_1" << "1. kohde: valitse merkeistä 1, X ja 2 ainakin yksi." << "tick chkMerkkiX_1";
        // clang-format on
    }
    void refusals()
    {
        QFETCH(QString, conditions);
        QFETCH(QString, box);
        MainWindow w;
        QCOMPARE(play(w, Rows + "; menu MnuKarsinta; " + conditions), QString());
        QTEST(counted(w), "told");
        QTEST(child<QWidget>(w, box)->toolTip(), "told");
        QCOMPARE(seen(w, "cmdKarsi"), "cmdKarsi=0");
        const QString before = seen(w, "rows|steps");
        QCOMPARE(play(w, "click cmdKarsi"), QString());
        QCOMPARE(seen(w, "rows|steps"), before);
        // Put right, the box is plain again and "Karsi" ready.
        QFETCH(QString, fix);
        QCOMPARE(play(w, fix), QString());
        QCOMPARE(counted(w).left(4), "Jää ");
        QCOMPARE(child<QWidget>(w, box)->styleSheet(), QString());
        QCOMPARE(seen(w, "cmdKarsi"), "cmdKarsi=1");
    }

    // The player's cut of a listed system with chances: the count against the rows themselves,
    // the chance of what remains shown; cut and taken back.
    void playersCut()
    {
        MainWindow w(false);
        QCOMPARE(play(w, "grid 0,1,2,3 0,1,2,3 0,1,2 0,1,2 0,1 0,1,2; click cmdListaa_Rivit"),
                 QString());
        const QString before = seen(w, "rows");
        QCOMPARE(play(w, "menu MnuKarsinta"), QString());
        QVERIFY(!child<QLineEdit>(w, "txtKarsTodMin")->isEnabled());
        QCOMPARE(child<QLineEdit>(w, "txtKarsTodMin")->toolTip(),
                 "Käytössä, kun todennäköisyydet on asetettu (Muokkaa, Todennäköisyydet).");
        QVERIFY(!child<QLineEdit>(w, "txtKarsArvoMin")->isEnabled());
        QCOMPARE(child<QLineEdit>(w, "txtKarsArvoMin")->toolTip(),
                 "Käytössä, kun pelijakauma on asetettu.");
        QCOMPARE(play(w, setChances() + "; set txtVierasvoitotMax 1; set txtRiviMaalitMin 2; "
                                        "set txtRiviMaalitMax 6; set txtKarsTodMin 0,001"),
                 QString());
        QVERIFY(child<QLineEdit>(w, "txtKarsTodMin")->isEnabled());
        const ScoreModel chances = *ScoreModel::make({{1.5, 1}, {2, 0.5}, {1, 1}}, 0);
        QStringList kept;
        double chance = 0;
        for (ScoreRow row : w.rowList().rows()) {
            int goals = 0, awayWins = 0;
            for (int m = 0; m < 3; ++m) {
                goals += row.goal(2 * m) + row.goal(2 * m + 1);
                awayWins += row.goal(2 * m + 1) > row.goal(2 * m);
            }
            if (awayWins <= 1 && goals >= 2 && goals <= 6 &&
                chances.probability(row) >= 0.001 / 100) {
                kept << row.text();
                chance += chances.probability(row);
            }
        }
        QVERIFY(kept.size() > 10 && kept.size() < w.rowList().count());
        QCOMPARE(counted(w), QString("Jää %1 / %2 riviä\nVoittotodennäköisyys %3")
                                 .arg(kept.size())
                                 .arg(w.rowList().count())
                                 .arg(Chance::chanceText(chance)));
        QCOMPARE(play(w, "click cmdKarsi"), QString());
        QCOMPARE(listed(w.rowList()), kept);
        QCOMPARE(play(w, "menu MnuKumoa"), QString());
        QCOMPARE(seen(w, "rows"), before);
    }

    // With many rows left, the copies are sought aside and the chance follows: for the whole
    // list it is the main window's own.
    void manyRowsLeft()
    {
        MainWindow w(false);
        const QString goals = "0,1,2,3,4,5,6,7,8";
        QCOMPARE(play(w, setChances() + "; grid " + QStringList(6, goals).join(' ') +
                             "; click cmdListaa_Rivit; menu MnuKarsinta"),
                 QString());
        const QString all =
            "Jää " + QLocale().toString(531441) + " / " + QLocale().toString(531441) + " riviä\n";
        QCOMPARE(counted(w), all + "Voittotodennäköisyys lasketaan...");
        QTRY_COMPARE(counted(w), all + labelText(w, "lblVoittoTod"));
        // One row left: its chance at once.
        QCOMPARE(play(w, "set txtRiviMaalitMax 0"), QString());
        const ScoreModel chances = *ScoreModel::make({{1.5, 1}, {2, 0.5}, {1, 1}}, 0);
        const double nilNil = chances.probability(*ScoreRow::fromText(u"0-0 0-0 0-0"));
        QCOMPARE(counted(w), "Jää 1 / " + QLocale().toString(531441) + " riviä\n" +
                                 Texts::winningChance(Chance::chanceText(nilNil)));
    }

    // In two-match mode the third match's conditions are hidden and not read.
    void followsMatchCount()
    {
        MainWindow w(false);
        QCOMPARE(play(w, "menu MnuKarsinta; set txtMaalitMin_3 x"), QString());
        QCOMPARE(counted(w), "3. kohteen maalit: anna kokonaisluku väliltä 0…99.");
        QCOMPARE(seen(w, "cmdKarsi"), "cmdKarsi=0");
        QCOMPARE(play(w, "menu MnuSarake2; add 1-0 2-2; add 0-1 0-0"), QString());
        QCOMPARE(counted(w), "Jää 2 / 2 riviä");
        QCOMPARE(seen(w, "txtMaalitMin_3?|chkMerkki1_3?|cmdKarsi"),
                 "txtMaalitMin_3?=0|chkMerkki1_3?=0|cmdKarsi=1");
        QCOMPARE(play(w, "set txtKotivoitotMin 1"), QString());
        QCOMPARE(counted(w), "Jää 1 / 2 riviä");
    }

    // The conditions typed are there at the next start.
    void keptOverStart()
    {
        const QString typed = "untick chkMerkkiX_2; set txtEroMin_1 \u22122; set txtKarsTodMin "
                              "0,5; choose optPoista";
        {
            MainWindow w;
            QCOMPARE(play(w, "menu MnuKarsinta; " + typed + "; close frmKarsinta"), QString());
        }
        MainWindow w;
        QCOMPARE(play(w, "menu MnuKarsinta"), QString());
        QCOMPARE(seen(w, "chkMerkkiX_2|chkMerkki1_2|txtEroMin_1|txtKarsTodMin"),
                 "chkMerkkiX_2=0|chkMerkki1_2=1|txtEroMin_1=\u22122|txtKarsTodMin=0,5");
        QVERIFY(child<QRadioButton>(w, "optPoista")->isChecked());
    }
};

QTEST_MAIN(TestFrmKarsinta)
#include "tst_frmkarsinta.moc"
