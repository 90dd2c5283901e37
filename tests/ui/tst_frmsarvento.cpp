#include "ui/frmOnNet.h"
#include "ui/instancecheck.h"
#include "ui/urlopener.h"
#include "windowtest.h"

using namespace WindowTest;

namespace {
struct CapturingBrowser : UrlOpener
{
    QList<QUrl> opened;
    bool open(const QUrl& url) override { return opened << url, true; }
};

struct FixedCopies : InstanceCheck
{
    bool running = false;
    bool otherCopyRunning() override { return running; }
};

QWidget* visibleWindow(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}
} // namespace

// The main window played as a player would, every message box answered ahead.
class TestFrmSarvento : public HeadlessWindowTest
{
    Q_OBJECT
    QTemporaryDir m_files;

private slots:

    // The start-up notice's clicks; "stored" holds Hyvaksy,AlaNaytaInfoa,Varoitus.
    void notice_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("notice"); // at the start, "Peliin" enabled as it opens
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("storedAfter");
        // clang-format off
        QTest::newRow("accepted") << ",," << "cmdHyvaksyn cmdOK" << "OK off" << true << "True,,";
        QTest::newRow("accepted, Älä näytä") << ",," << "cmdHyvaksyn chkAlaNayta cmdOK" << "OK off" << true << "True,True,";
        QTest::newRow("refused") << ",," << "cmdEnHyvaksy" << "OK off" << false << "False,,";
        QTest::newRow("closed without accepting") << ",," << "close" << "OK off" << false << ",,";
        QTest::newRow("accepted before, closed") << "True,," << "close" << "OK on" << true << "True,,";
        QTest::newRow("refused from the menu") << "True,True," << "menu cmdEnHyvaksy" << "" << true << "False,False,";
        QTest::newRow("warnings stored off") << "True,,False" << "cmdOK" << "OK on" << true << "True,,False";
        // clang-format on
    }
    void notice()
    {
        QFETCH(QString, stored);
        QFETCH(QString, clicks);
        const QStringList keys{"Hyvaksy", "AlaNaytaInfoa", "Varoitus"};
        for (int i = 0; i < keys.size(); ++i)
            if (!stored.section(',', i, i).isEmpty())
                SettingsStore::write("Rekisteri", keys[i], stored.section(',', i, i));
        QString notice;
        ModalRunner::setHandler([&](QDialog& dialog) {
            notice = dialog.findChild<QPushButton*>("cmdOK")->isEnabled() ? "OK on" : "OK off";
            for (const QString& name : clicks.split(' '))
                if (name == "close")
                    dialog.reject(); // the title bar's close button
                else if (name != "menu")
                    dialog.findChild<QAbstractButton*>(name)->click();
            return dialog.result();
        });
        SeededRandom seeded;
        frmSarvento w(seeded.random);
        QTEST(w.Form_Load(), "started");
        QTEST(notice, "notice");
        if (clicks.startsWith("menu")) {
            w.show();
            QCOMPARE(play(w, "menu MnuInfo"), QString()); // nothing listed: ends without asking
            QVERIFY(!w.isVisible() && MessageBox::shownTexts().isEmpty());
        }
        QStringList after;
        for (const QString& key : keys)
            after << SettingsStore::read("Rekisteri", key);
        QTEST(after.join(','), "storedAfter");
        QCOMPARE(observe(w, "warnings"), stored.endsWith("False") ? "0" : "1");
    }

    // What the player does (see play()) and what is seen then (see seen()).
    void playing_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        const QString rows3 = "add 0-0 0-0 0-0; add 1-1 1-1 1-1; add 2-2 2-2 2-2; ";
        const QString filled = "draw 9 4; set txtMaaliEnint_1 4; tick chkVieras2_3; tick "
                               "Chk50Markka; untick Chk1Markka; ";
        const QString grid = rows3 + "tab 1; grid 1,2 0 3 0 1 2";
        const QString two = "off; menu MnuSarake2; ";
        const QString listing = two + "draw 0 1; tab 1; grid 0,1 0 0 0,3 4,5; tick Chk5Markka";
        const QString wanted = "tab 1; grid 1,2 0 0 0 0 0; set txtMaali %1; keys cboJarjestelma "
                               "%2; click cmdHaluttu_Jarjestelma";
        const QString edit = "MnuPoistavalitutListalta=%1|MnuTyhjennäLista=%2|MnuTyhjennäMaalit=%2|"
                             "MnuTyhjennäKaikki=%2|MnuTallenna=%2";
        const QString print =
            "MnuTulostaKupongille=%1|MnuEsikatselu=%1|MnuTulostaValitutKupongille=%2|"
            "MnuTulostaLista=%1|MnuTulostaSysteemiKupongille=%3";
        const QStringList stakes =
            QString("Chk1Markka 0,6 Chk2Markka 0,9 Chk3Markka 1,5 Chk5Markka 3 "
                    "Chk10markka 6 Chk20Markka 9 Chk30Markka 15 Chk50Markka 30 "
                    "Chk100Markka 60 Chk200Markka 90 Chk300Markka 150 "
                    "Chk500Markka 300")
                .split(' ');
        for (int i = 0; i < stakes.size(); i += 2)
            QTest::addRow("stake %s", qPrintable(stakes[i]))
                << rows3 + "untick Chk1Markka; tick " + stakes[i]
                << "lblKokoHinta=" + stakes[i + 1];
        // clang-format off
        QTest::newRow("two stakes") << rows3 + "tick Chk2Markka" << "lblKokoHinta=1,5|lblArvottu=3";
        QTest::newRow("net play without a stake") << rows3 + "untick Chk1Markka; click cmdOnNet" << "lblKokoHinta=0|lblVirhe?=1|lblVirhe=Tarkista panos";
        QTest::newRow("draw too many") << "draw 9 99999999999999999999" << "told=Tarkista annetut Maaliluvut|rows=";
        QTest::newRow("grid draw, maximum no number") << "tab 1; set txtMaali x; click cmd_Arvo_Jarjestelma" << "told=Tarkista annetut Maaliluvut|lblRiviMaara=0";
        QTest::newRow("wanted system, maximum no number") << wanted.arg("x").arg(5) << "told=Tarkista annetut Maaliluvut|lblRiviMaara=2";
        QTest::newRow("draw zero times is once") << "draw 9 0" << "txtKertaa=1|lblArvottu=1";
        QTest::newRow("no maximum") << "set txtMaali; click cmdArvo_Tulokset" << "told=Max. maalimäärä puuttuu|lblVirhe?=0|rows=";
        QTest::newRow("no maximum, warnings off") << "off; set txtMaali; click cmdArvo_Tulokset" << "told=|lblVirhe?=1|lblVirhe=Tarkista maalirajat :\nMax. maalimäärä puuttuu";
        QTest::newRow("team max below min") << "set txtMaaliEnint_3 1; set txtMaalivah_3 2; draw 9 1" << "told=|lblVirhe=Tarkista maalirajat :\nKohde 2; vieras|rows=";
        QTest::newRow("team limits over the maximum") << "set txtMaaliEnint_2 9; set txtMaalivah_2 9; draw 0 1" << "rows=0-0 9-0 0-0|lbl1_2=9|lbl1_5=0";
        QTest::newRow("same result again") << "draw 0 1; draw 0 1" << "lblSamaTulos?=1|lblArvottu=1";
        QTest::newRow("system tab, empty grid") << rows3 + "tab 1" << "lblKokoHinta=0";
        QTest::newRow("system tab prices the grid") << grid << "lblRiviMaara=2|lblKokoHinta=0,4";
        QTest::newRow("rows tab prices the rows") << grid + "; tab 0" << "lblKokoHinta=0,6";
        QTest::newRow("fill all prices the size shown") << grid + "; dclick lblRivimäärä" << "lblKokoHinta=144|Chk200Markka=1|Chk300Markka=0|chkVieras3_11=1";
        QTest::newRow("two matches, yes") << filled + "yes; menu MnuSarake2" << "matches=2|rows=|lblArvottu=|txtMaali=|txtMaaliEnint_1=|chkVieras2_3=0|stake=1000|FraPeli3?=0|lbl1_5?=0|txtMaaliEnint_5?=0";
        QTest::newRow("a blank count is not priced") << filled + "yes; menu MnuSarake2; tick Chk2Markka" << "lblKokoHinta=0|stake=1030";
        QTest::newRow("two matches, no") << filled + "no; menu MnuSarake2" << "titles=Tämä toiminto tyhjää kaikki!!!|matches=3|lblArvottu=4|txtMaali=9|chkVieras2_3=1|FraPeli3?=1";
        QTest::newRow("two matches, warnings off") << "off; " + filled + "menu MnuSarake2" << "titles=|matches=2|rows=";
        QTest::newRow("three matches again") << two + "menu MnuSarake3; draw 0 1" << "matches=3|FraPeli3?=1|lblKohde3?=1|Line3?=1|lbl1_5=0|txtMaaliEnint_5?=1";
        QTest::newRow("clear all, list kept") << filled + "no; menu MnuTyhjennäKaikki" << "lblArvottu=4|txtMaali=|txtMaaliEnint_1=|lbl1_0=|txtKertaa=1|chkVieras2_3=0|stake=20|lblKokoHinta=";
        QTest::newRow("clear all, list cleared") << filled + "yes; menu MnuTyhjennäKaikki; tick Chk2Markka" << "lblArvottu=0|lblKokoHinta=0";
        QTest::newRow("clear all, warnings off") << "off; " + filled + "menu MnuTyhjennäKaikki" << "titles=|lblArvottu=0|stake=20";
        QTest::newRow("edit menu, a ticked row") << rows3 + "check 1" << edit.arg(1).arg(1);
        QTest::newRow("edit menu follows the list") << rows3 + "check 1; menu MnuPoistavalitutListalta; yes; menu MnuTyhjennäLista" << edit.arg(0).arg(0);
        QTest::newRow("ticked rows removed") << rows3 + "add 3-3 3-3 3-3; check 1; check 3; menu MnuPoistavalitutListalta" << "rows=0-0 0-0 0-0, 2-2 2-2 2-2|lblArvottu=2|lblKokoHinta=0,4|MnuPoistavalitutListalta=0";
        QTest::newRow("all ticked and removed") << rows3 + "dclick lblArvottutxt; menu MnuPoistavalitutListalta" << "rows=|lblArvottu=0";
        QTest::newRow("print menu, nothing") << "" << print.arg(0).arg(0).arg(0);
        QTest::newRow("print menu, a system") << "grid 1 1 1 1 1 1" << print.arg(0).arg(0).arg(1);
        QTest::newRow("system size, two matches") << listing << "lblRiviMaara=4|lblKokoHinta=4,8";
        QTest::newRow("empty system not priced") << listing + "; untick chkVieras1_0" << "lblRiviMaara=0|lblKokoHinta=";
        QTest::newRow("system listed, old rows removed") << listing + "; yes; click cmdListaa_Rivit" << "titles=Poisto|rows=0-0 0-0, 0-0 0-3, 1-0 0-0, 1-0 0-3|lblArvottu=4";
        QTest::newRow("system listed, old rows kept") << listing + "; no; click cmdListaa_Rivit" << "rows=0-0 0-0, 0-0 0-0, 0-0 0-3, 1-0 0-0, 1-0 0-3|lblArvottu=5";
        QTest::newRow("cleared system lists nothing") << listing + "; click cmdNollaaSysteemi; click cmdListaa_Rivit" << "chkKoti1_0=0|lblRiviMaara=0|titles=|rows=0-0 0-0";
        QTest::newRow("wanted 5 stays 5, not reached") << wanted.arg(9).arg(5) << "cboJarjestelma=5|lblRiviMaara=0|lblJarjestelma_arvottu=|chkKoti1_2=0";
        QTest::newRow("wanted capped to the full 0-1 system") << two + wanted.arg(1).arg(100) << "cboJarjestelma=16|lblRiviMaara=16|chkVieras2_1=1|chkVieras2_2=0";
        QTest::newRow("wanted above 32767") << wanted.arg(9).arg(36000) << "cboJarjestelma=36000|lblRiviMaara=36000";
        QTest::newRow("wanted zero does nothing") << wanted.arg(9).arg(0) << "told=|lblRiviMaara=2|chkKoti1_2=1";
        QTest::newRow("wanted letters") << wanted.arg(9).arg("paljon") << "told=Anna järjestelmän kooksi kokonaisluku.|lblRiviMaara=2";
        QTest::newRow("wanted too large, two") << two + wanted.arg(9).arg(20737) << "told=Suurin mahdollinen järjestelmä on 20736 riviä.|lblRiviMaara=2";
        QTest::newRow("warnings off, stored") << "yes; menu MnuVaroitukset" << "warnings=0|titles= Varoitukset pois!!|stored=False";
        QTest::newRow("Lopeta, no") << "no; menu MnuLopeta" << "told=Pelimies ei lopeta   ;)|visible=1";
        QTest::newRow("Lopeta, yes") << "yes; menu MnuLopeta" << "visible=0";
        QTest::newRow("Lopeta, warnings off") << "off; menu MnuLopeta" << "told=|visible=0";
        QTest::newRow("Tilastot beside the list") << rows3 + "menu MnuTilastot" << "frmTilastot?=1|visible=1";
        QTest::newRow("Todennäköisyydet") << "menu MnuTodennakoisyydet" << "frmTodennakoisyydet?=1|visible=1";
        QTest::newRow("notice refused with unsaved rows, cancelled") << rows3 + "cancel; menu MnuInfo" << "told=Listalla on tallentamattomia rivejä (3 riviä). Tallennetaanko ne?|visible=1";
        // clang-format on
    }
    void playing()
    {
        QFETCH(QString, script);
        QFETCH(QString, expected);
        MainWindow w(script);
        w.show();
        ModalRunner::setHandler([](QDialog& dialog) { // the notice from the menu is refused
            dialog.findChild<QPushButton*>("cmdEnHyvaksy")->click();
            return dialog.result();
        });
        QCOMPARE(play(w, script), QString());
        QCOMPARE(seen(w, expected), expected);
    }

    // A step that cannot run stops a script; answers queued in vain show in what is seen; a
    // question the script queued no answer for fails the test, and is answered No.
    void scriptsFailLoudly_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("played");
        QTest::addColumn<QString>("seen"); // of "rows=..."
        const QString drawn = "rows=0-0 0-0 0-0";
        // clang-format off
        QTest::newRow("disabled menu item") << "menu MnuPoistavalitutListalta; draw 0 1" << "step 1 \"menu MnuPoistavalitutListalta\": the item is disabled" << "rows=";
        QTest::newRow("answer nobody asked for") << "yes; draw 0 1" << "" << drawn + "|unused answers=1";
        QTest::newRow("file nobody chose") << "file rivit.txt; draw 0 1" << "" << drawn + "|unused file names=1";
        QTest::newRow("question nobody answered") << "add 1-1 1-1 1-1; menu MnuTyhjennäLista" << "" << "rows=1-1 1-1 1-1";
        // clang-format on
    }
    void scriptsFailLoudly()
    {
        QFETCH(QString, script);
        MainWindow w;
        QEXPECT_FAIL("question nobody answered", "Tyhjennä lista asks first", Continue);
        QTEST(play(w, script), "played");
        QTEST(seen(w, "rows="), "seen");
        MessageBox::reset(); // left queued on purpose
    }

    // The files at %1 and %2 (content, "|" between the two; "-": none) opened,
    // dropped or compared.
    void files_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("skipped");      // the count the duplicates notice shows
        QTest::addColumn<QByteArray>("fileAfter"); // null: as it was
        const QByteArray twice("0-0 0-0 0-0\r\n1-2 3-4 5-6\r\n1-2 3-4 5-6\r\n0-0 0-0 0-0\r\n");
        const QByteArray two("2-1 0-3\r\n1-1 1-1\r\n");
        const QString open = "file %1; menu MnuAvaa";
        const QString compare = "draw 0 1; menu MnuVetaile; file %1; click cmdAvaa_1; ";
        const QString side2 = "menu MnuVetaile; file %1; click cmdAvaa_2";
        const QString sides = "menu MnuVetaile; file %2; click cmdAvaa_1; file %1; click cmdAvaa_2";
        const QByteArray four("5-5 5-5 5-5\r\n1-1 1-1 1-1\r\n5-5 5-5 5-5\r\n6-6 6-6 6-6\r\n");
        // clang-format off
        QTest::newRow("two matches switch the mode") << two << "set txtMaali 0; " + open << "matches=2|rows=2-1 0-3, 1-1 1-1|lblArvottu=2|txtMaali=|lbl1_4?=0|FraPeli3?=0" << "" << QByteArray();
        QTest::newRow("duplicates kept") << twice << "draw 0 1; no; " + open << "titles=Samat rivit pois |lblArvottu=5|lblKokoHinta=1|rows=0-0 0-0 0-0, 0-0 0-0 0-0, 1-2 3-4 5-6, 1-2 3-4 5-6, 0-0 0-0 0-0" << "" << QByteArray();
        QTest::newRow("duplicates skipped") << twice << "draw 0 1; yes; " + open << "rows=0-0 0-0 0-0, 1-2 3-4 5-6|lblArvottu=2|lblKokoHinta=0,4" << "3" << QByteArray();
        QTest::newRow("drop opens each, in order") << QByteArray("1-2 3-4 5-6\r\n|0-0 0-0 0-0\r\n") << "no; drop %1 %2" << "rows=1-2 3-4 5-6, 0-0 0-0 0-0|titles=Samat rivit pois |recent=rows2.txt, rows1.txt" << "" << QByteArray();
        QTest::newRow("empty file into an empty list") << QByteArray() << "set txtMaali 0; " + open << "told=|matches=3|rows=|txtMaali=0|lbl1_4?=1|FraPeli3?=1" << "" << QByteArray();
        QTest::newRow("bad line") << QByteArray("2-1 0-3\r\nx-1 0-3\r\n") << open << "told=Tiedosto sisältää vääränlaista dataa!!|matches=3|rows=" << "" << QByteArray();
        QTest::newRow("other width") << two << "draw 0 1; " + open << "told=Toisessa 2 saraketta ja toisessa 3 saraketta!|rows=0-0 0-0 0-0" << "" << QByteArray();
        QTest::newRow("binary") << QByteArray("1-1\0\0\0", 6) << open << "told=Yritä uudelleen!|rows=" << "" << QByteArray();
        QTest::newRow("none chosen") << QByteArray("-") << "file; menu MnuAvaa" << "told=Yritä uudelleen!|titles=Tiedostoa ei voi avata" << "" << QByteArray("<unreadable>");
        QTest::newRow("comparison moves rows") << QByteArray("0-0 0-0 0-0\r\n1-1 1-1 1-1\r\n") << compare + "click cmdListaa_1" << "rows=0-0 0-0 0-0, 1-1 1-1 1-1|lblArvottu=2|lblKokoHinta=0,4|visible=1" << "" << QByteArray();
        QTest::newRow("comparison moves nothing after a mode switch") << four << "off; " + compare + "menu MnuSarake2; click cmdListaa_1" << "rows=|lblArvottu=0|lblKokoHinta=0|told=4 riviä jäi siirtämättä, koska niissä on 3 kohdetta, mutta pääikkunan listan riveissä on 2." << "" << QByteArray();
        QTest::newRow("comparison moves a side's duplicates once") << four << "menu MnuVetaile; file %1; click cmdAvaa_1; click cmdListaa_1" << "rows=5-5 5-5 5-5, 1-1 1-1 1-1, 6-6 6-6 6-6|lblArvottu=3|told=" << "" << QByteArray();
        QTest::newRow("comparison moves no row of two matches") << two << compare + "click cmdListaa_1" << "rows=0-0 0-0 0-0|told=2 riviä jäi siirtämättä, koska niissä on 2 kohdetta, mutta pääikkunan listan riveissä on 3." << "" << QByteArray();
        QTest::newRow("comparison ticks and removes") << QByteArray("1-1 1-1\n2-2 2-2\n3-3 3-3\n2-2 2-2\n5-5 5-5\n4-4 4-4\n|4-4 4-4\r\n8-8 8-8\r\n2-2 2-2\r\n9-9 9-9\r\n7-7 7-7\r\n") << "menu MnuVetaile; file %1; click cmdAvaa_1; file %2; click cmdAvaa_2; check 0 Lista1; click cmdVertaa; click cmdPoista1_Samat; click cmdPoista2_Samat" << "Lista1=3-3 3-3, 5-5 5-5|lblRivit_1=2|Lista2=8-8 8-8, 9-9 9-9, 7-7 7-7|lblRivit_2=3" << "" << QByteArray("1-1 1-1\n2-2 2-2\n3-3 3-3\n2-2 2-2\n5-5 5-5\n4-4 4-4\n");
        QTest::newRow("comparison side saved") << QByteArray("3-0 0-0\n1-0 0-0\r") << side2 + "; file %1; click cmdTalleta2" << "told=" << "" << QByteArray("3-0 0-0\r\n1-0 0-0\r\n");
        QTest::newRow("comparison side 1 saved") << QByteArray("3-0 0-0\n|2-2 2-2\n") << sides + "; file %1; click cmdTalleta1" << "told=" << "" << QByteArray("2-2 2-2\r\n");
        QTest::newRow("comparison closed, main back") << two << "menu MnuVetaile; hide; close frmVertaile" << "visible=1" << "" << QByteArray();
        QTest::newRow("comparison side save fails") << QByteArray("3-0 0-0\n1-0 0-0\r") << side2 + "; file %1/x; click cmdTalleta2" << "told=Tallennus epäonnistui!" << "" << QByteArray();
        // clang-format on
    }
    void files()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, script);
        const QString path = m_files.filePath("rows1.txt"), second = m_files.filePath("rows2.txt");
        QFile::remove(path);
        if (content != "-")
            TestFile::write(m_files, "rows1.txt", content.split('|')[0]);
        TestFile::write(m_files, "rows2.txt", content.split('|').value(1));
        MainWindow w(script);
        w.show();
        QString skipped;
        ModalRunner::setHandler([&skipped](QDialog& dialog) {
            skipped = dialog.findChild<QLabel*>("txtSamaLuku")->text();
            return 1;
        });
        QCOMPARE(play(w, script.arg(path, second)), QString());
        QFETCH(QString, expected);
        QCOMPARE(seen(w, expected).replace(m_files.path() + '/', ""), expected);
        QTEST(skipped, "skipped");
        QFETCH(QByteArray, fileAfter);
        QCOMPARE(TestFile::read(path), fileAfter.isNull() ? content.split('|')[0] : fileAfter);
    }

    // Each game and net play hide the main window and bring it back when closed either way;
    // net play takes the list's rows, and never opens while another copy runs ("copy").
    void otherWindows_data()
    {
        QTest::addColumn<QString>("game"); // the item or button, the window, its own quit button
        for (const QString game :
             {"menu MnuLotto frmLotot cmdLopeta", "menu MnuRandom frmRandom cmdLopeta",
              "menu MnuKeno frmKeno cmdEnd", "menu MnuVakio frmVakio cmdLopeta",
              "menu MnuVeto frmVeto cmdEnd", "click cmdOnNet frmOnNet cmdLopeta",
              "copy click cmdOnNet frmOnNet -"})
            for (const QString& quit : {QString(), game.section(' ', -1)})
                if (quit != "-")
                    QTest::addRow("%s, %s", qPrintable(game.section(' ', 0, -2)),
                                  quit.isEmpty() ? "closed" : qPrintable(quit))
                        << game.section(' ', 0, -2) + ' ' + quit;
    }
    void otherWindows()
    {
        QFETCH(QString, game);
        CapturingBrowser browser;
        FixedCopies copies;
        copies.running = game.startsWith("copy ");
        const QStringList words = game.mid(copies.running ? 5 : 0).split(' ');
        MainWindow w;
        w.setNetPlayServices(browser, copies);
        w.show();
        QCOMPARE(play(w, "add 1-2 0-1 2-0; " + words[0] + ' ' + words[1]), QString());
        QCOMPARE(MessageBox::shownTexts().size(), int(copies.running));
        QPointer<QWidget> shown = visibleWindow(words[2]);
        QCOMPARE(shown.isNull(), copies.running);
        QCOMPARE(w.isVisible(), copies.running);
        if (!shown)
            return;
        if (words[2] == "frmOnNet") {
            child<QPushButton>(*shown, "cmdLaheta")->click();
            QCOMPARE(browser.opened.size(), 1);
            QVERIFY(browser.opened[0].toString().endsWith("h1=1&v1=2&h2=0&v2=1&h3=2&v3=0"));
        }
        words.value(3).isEmpty() ? void(shown->close())
                                 : child<QPushButton>(*shown, words[3])->click();
        QVERIFY(w.isVisible());
        QTRY_VERIFY(shown.isNull()); // a fresh window the next time
    }
};

QTEST_MAIN(TestFrmSarvento)
#include "tst_frmsarvento.moc"
