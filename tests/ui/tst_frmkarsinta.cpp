// The filter window from the edit menu: the count as typed and as the list changes, cutting
// the list as one step with the ticks kept, the refusals, and the conditions kept over a start.
#include "core/chance.h"
#include "core/compensatedsum.h"
#include "ui/frmKarsinta.h"
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

} // namespace

class TestFrmKarsinta : public HeadlessWindowTest
{
    Q_OBJECT

private slots:
    // The count as typed, then "Karsi": the rows left with their ticks, one step that undo and
    // redo take back and do again; a cut that removes nothing leaves no step. A bad box is
    // marked with why, the label says it, "Karsi" waits and nothing changes; put right, the box
    // is plain again and "Karsi" ready.
    void cutAndUndo_data()
    {
        QTest::addColumn<QString>("conditions");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("after"); // rows, ticks and steps after the cut; or the fix
        QTest::addColumn<QString>("box");   // where a refusal is marked with why
        // clang-format off
        QTest::newRow("at most one away win") << "set txtVierasvoitotMax 1" << "Jää 4 / 5 riviä"
            << "rows=1-0 0-0 2-2, 3-0 1-0 0-0, 0-0 0-0 0-0, 2-1 1-2 4-0|ticked=1,3|undo=Kumoa: Karsinta" << "";
        QTest::newRow("2 to 6 goals in all") << "set txtRiviMaalitMin 2; set txtRiviMaalitMax 6" << "Jää 3 / 5 riviä"
            << "rows=1-0 0-0 2-2, 0-1 0-2 1-1, 3-0 1-0 0-0|ticked=2|undo=Kumoa: Karsinta" << "";
        QTest::newRow("draws of match 1 removed") << "untick chkMerkki1_1; untick chkMerkki2_1; choose optPoista" << "Jää 4 / 5 riviä"
            << "rows=1-0 0-0 2-2, 0-1 0-2 1-1, 3-0 1-0 0-0, 2-1 1-2 4-0|ticked=2,3|undo=Kumoa: Karsinta" << "";
        QTest::newRow("difference of match 3, min only") << "set txtEroMin_3 1" << "Jää 1 / 5 riviä"
            << "rows=2-1 1-2 4-0|ticked=0|undo=Kumoa: Karsinta" << "";
        QTest::newRow("match goals equal, Finnish minus") << "set txtMaalitMin_2 1; set txtMaalitMax_2 1; set txtEroMax_2 \u22121" << "Jää 0 / 5 riviä"
            << "rows=|ticked=|undo=Kumoa: Karsinta" << "";
        QTest::newRow("removes nothing") << "set txtMaalitMax_1 99" << "Jää 5 / 5 riviä"
            << "rows=1-0 0-0 2-2, 0-1 0-2 1-1, 3-0 1-0 0-0, 0-0 0-0 0-0, 2-1 1-2 4-0|ticked=2,4|steps=5" << "";
        QTest::newRow("a letter") << "set txtMaalitMin_2 k" << "2. kohteen maalit: anna kokonaisluku väliltä 0…99." << "set txtMaalitMin_2 " << "txtMaalitMin_2";
        QTest::newRow("min above max") << "set txtKotivoitotMin 3; set txtKotivoitotMax 2" << "Kotivoitot: vähintään-luku on suurempi kuin enintään-luku." << "set txtKotivoitotMax " << "txtKotivoitotMax";
        QTest::newRow("no outcome ticked") << "untick chkMerkki1_1; untick chkMerkkiX_1; untick chkMerkki2_1" << "1. kohde: valitse merkeistä 1, X ja 2 ainakin yksi." << "tick chkMerkkiX_1" << "chkMerkkiX_1";
        // clang-format on
    }
    void cutAndUndo()
    {
        QFETCH(QString, conditions);
        QFETCH(QString, after);
        QFETCH(QString, box);
        const QString start = Rows + "; check 2; check 4; menu MnuKarsinta";
        {
            MainWindow w;
            QCOMPARE(play(w, start), QString());
            const QString before = seen(w, "rows|ticked|steps");
            QCOMPARE(play(w, conditions), QString());
            QTEST(counted(w), "count");
            if (!box.isEmpty()) {
                QTEST(child<QWidget>(w, box)->toolTip(), "count");
                QCOMPARE(play(w, "click cmdKarsi"), QString());
                QCOMPARE(seen(w, "rows|ticked|steps|cmdKarsi"), before + "|cmdKarsi=0");
                QCOMPARE(play(w, after), QString());
                QCOMPARE(counted(w).left(4), "Jää ");
                QCOMPARE(child<QWidget>(w, box)->styleSheet(), QString());
                QCOMPARE(seen(w, "cmdKarsi"), "cmdKarsi=1");
                return;
            }
            QCOMPARE(play(w, "click cmdKarsi"), QString());
            QCOMPARE(seen(w, after), after);
            if (!after.endsWith("steps=5")) { // else no step to undo
                QCOMPARE(play(w, "menu MnuKumoa"), QString());
                QCOMPARE(seen(w, "rows|ticked|steps"), before);
                QCOMPARE(counted(w).section(' ', 3), "5 riviä");
                QCOMPARE(play(w, "menu MnuTeeUudelleen"), QString());
                QCOMPARE(seen(w, after), after);
            }
        }
        // The conditions are there at the next start.
        MainWindow next;
        QCOMPARE(play(next, start), QString());
        QTEST(counted(next), "count");
    }

    // The label follows every change of the list, undo included, and of the match count: in
    // two-match mode the third match's conditions are hidden and not read. The conditions
    // typed are there at the next start also when the window is only closed.
    void countFollowsList()
    {
        {
            MainWindow w(false); // the list cleared with no question
            QCOMPARE(play(w, Rows + "; menu MnuKarsinta"), QString());
            for (const auto& [step, count] :
                 {std::pair{"set txtVierasvoitotMin 1", "Jää 2 / 5 riviä"},
                  {"add 0-1 0-0 0-0", "Jää 3 / 6 riviä"},
                  {"check 0; menu MnuPoistavalitutListalta", "Jää 3 / 5 riviä"},
                  {"menu MnuKumoa", "Jää 3 / 6 riviä"},
                  {"menu MnuTyhjennäLista", "Jää 0 / 0 riviä"},
                  {"set txtMaalitMin_3 x", "3. kohteen maalit: anna kokonaisluku väliltä 0…99."},
                  {"menu MnuSarake2; add 1-0 2-2; add 0-1 0-0", "Jää 1 / 2 riviä"}}) {
                QCOMPARE(play(w, step), QString());
                QCOMPARE(counted(w), QString(count));
            }
            const QString hidden = "txtMaalitMin_3?=0|chkMerkki1_3?=0|cmdKarsi=1";
            QCOMPARE(seen(w, hidden), hidden);
            QCOMPARE(play(w, "close frmKarsinta"), QString());
        }
        MainWindow w;
        const QString kept = "txtVierasvoitotMin=1|txtMaalitMin_3=x";
        QCOMPARE(play(w, "menu MnuKarsinta"), QString());
        QCOMPARE(seen(w, kept), kept);
    }

    // The player's cut of a long listed system: the chance box waits for chances; with them the
    // copies are sought aside and the chance of all comes to the main window's own; the count
    // and chance of what remains against the rows themselves; cut and taken back.
    void playersCut()
    {
        MainWindow w(false);
        QCOMPARE(play(w, "grid " + QStringList(6, "0,1,2,3,4,5,6,7,8").join(' ') +
                             "; click cmdListaa_Rivit; menu MnuKarsinta"),
                 QString());
        QVERIFY(!child<QLineEdit>(w, "txtKarsTodMin")->isEnabled());
        QCOMPARE(play(w, setChances()), QString());
        const QString all =
            "Jää " + QLocale().toString(531441) + " / " + QLocale().toString(531441) + " riviä\n";
        QCOMPARE(counted(w), all + "Voittotodennäköisyys lasketaan...");
        QTRY_COMPARE(counted(w), all + labelText(w, "lblVoittoTod"));
        QCOMPARE(play(w,
                      "set txtVierasvoitotMax 1; set txtRiviMaalitMin 2; set txtRiviMaalitMax 6; "
                      "set txtKarsTodMin 0,001"),
                 QString());
        const ScoreModel chances = chanceModel(3);
        QStringList kept;
        CompensatedSum chance;
        for (ScoreRow row : w.rowList().rows()) {
            int goals = 0, awayWins = 0;
            for (int m = 0; m < 3; ++m) {
                goals += row.goal(2 * m) + row.goal(2 * m + 1);
                awayWins += row.goal(2 * m + 1) > row.goal(2 * m);
            }
            if (awayWins <= 1 && goals >= 2 && goals <= 6 &&
                chances.probability(row) >= 0.001 / 100) {
                kept << row.text();
                chance.add(chances.probability(row));
            }
        }
        QVERIFY(kept.size() > 10);
        QCOMPARE(counted(w), QString("Jää %1 / %2 riviä\nVoittotodennäköisyys %3")
                                 .arg(QLocale().toString(kept.size()), QLocale().toString(531441),
                                      Chance::chanceText(chance.value())));
        QCOMPARE(play(w, "click cmdKarsi"), QString());
        QCOMPARE(listed(w.rowList()), kept);
        QCOMPARE(play(w, "menu MnuKumoa"), QString());
        QCOMPARE(w.rowList().count(), 531441);
    }
};

QTEST_MAIN(TestFrmKarsinta)
#include "tst_frmkarsinta.moc"
