#include "ui/GoalGridTab.h"
#include "windowtest.h"
#include <QCheckBox>
#include <QTabWidget>

using namespace WindowTest;

// The main window driven as a player would, headless, with every message box answered ahead.
class TestFrmSarvento : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settingsDir;
    // Seeded, so that no row count depends on a chance duplicate.
    std::unique_ptr<GeneratorRandom> m_random;

    static void draw(frmSarvento& w, const QString& maximum, const QString& times)
    {
        child<QLineEdit>(w, "txtMaali")->setText(maximum);
        child<QLineEdit>(w, "txtKertaa")->setText(times);
        child<QPushButton>(w, "cmdArvo_Tulokset")->click();
    }
    static bool shown(frmSarvento& w, const QString& name)
    {
        return child<QWidget>(w, name)->isVisibleTo(&w);
    }
    static void tick(frmSarvento& w, const QString& name, bool ticked = true)
    {
        child<QCheckBox>(w, name)->setChecked(ticked);
    }
    static QString price(frmSarvento& w) { return labelText(w, "lblKokoHinta"); }

private slots:
    void initTestCase() { setUpHeadless(m_settingsDir); }
    void init()
    {
        resetBetweenTests(m_settingsDir);
        m_random = std::make_unique<GeneratorRandom>(20240611);
    }

    // The start-up notice: what the player does in it, and what is stored and started.
    void notice_data()
    {
        QTest::addColumn<QStringList>("stored"); // Hyvaksy, AlaNaytaInfoa, Varoitus
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("noticeShown");
        QTest::addColumn<bool>("okFirst"); // "Peliin" enabled when the notice opens
        QTest::addColumn<bool>("started");
        QTest::addColumn<QStringList>("storedAfter");
        QTest::addColumn<bool>("warnings");
        const QStringList none{"", "", ""};
        // clang-format off
        QTest::newRow("first start, accepted") << none << "accept" << true << false << true << QStringList{"True", "", ""} << true;
        QTest::newRow("accepted, Älä näytä ticked") << none << "accept skip" << true << false << true << QStringList{"True", "True", ""} << true;
        QTest::newRow("refused") << none << "refuse" << true << false << false << QStringList{"False", "", ""} << true;
        QTest::newRow("closed without accepting") << none << "close" << true << false << false << none << true;
        QTest::newRow("accepted before, closed") << QStringList{"True", "", ""} << "close" << true << true << true << QStringList{"True", "", ""} << true;
        QTest::newRow("refused after skipping") << QStringList{"True", "True", ""} << "menu refuse" << false << true << true << QStringList{"False", "False", ""} << true;
        QTest::newRow("warnings stored off") << QStringList{"True", "", "False"} << "ok" << true << true << true << QStringList{"True", "", "False"} << false;
        // clang-format on
    }
    void notice()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, action);
        QFETCH(bool, noticeShown);
        QFETCH(bool, okFirst);
        QFETCH(bool, started);
        QFETCH(QStringList, storedAfter);
        QFETCH(bool, warnings);
        const QStringList keys{"Hyvaksy", "AlaNaytaInfoa", "Varoitus"};
        for (int i = 0; i < keys.size(); ++i)
            if (!stored[i].isEmpty())
                storeSetting(keys[i], stored[i]);
        bool shownAtStart = false;
        bool okEnabled = false;
        ModalRunner::setHandler([&](QDialog& dialog) {
            shownAtStart = true;
            okEnabled = dialog.findChild<QPushButton*>("cmdOK")->isEnabled();
            auto click = [&dialog](const char* name) {
                dialog.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
            };
            if (action.endsWith("refuse"))
                click("cmdEnHyvaksy");
            if (action.startsWith("accept"))
                click("cmdHyvaksyn");
            if (action.endsWith("skip"))
                click("chkAlaNayta");
            if (action.startsWith("accept") || action == "ok")
                click("cmdOK");
            if (action == "close")
                dialog.reject(); // the title bar's close button
            return dialog.result();
        });
        frmSarvento w(*m_random);
        QCOMPARE(w.Form_Load(), started);
        QCOMPARE(shownAtStart, noticeShown);
        if (noticeShown)
            QCOMPARE(okEnabled, okFirst);
        if (action.startsWith("menu")) {
            w.show();
            QVERIFY(chooseMenuItem(w, "MnuInfo")); // nothing listed: ends without asking
            QVERIFY(!w.isVisible());
            QVERIFY(MessageBox::shownTexts().isEmpty());
        }
        for (int i = 0; i < keys.size(); ++i)
            QCOMPARE(SettingsStore::read("Rekisteri", keys[i]), storedAfter[i]);
        QCOMPARE(w.WarningsOn(), warnings);
        QCOMPARE(child<QAction>(w, "MnuVaroitukset")->isChecked(), warnings);
    }

    // From the menu with rows listed, the ordinary closing question protects them.
    void refusingFromTheMenuKeepsListedRows()
    {
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        w.show();
        draw(w, "3", "4");
        ModalRunner::setHandler([](QDialog& dialog) {
            dialog.findChild<QPushButton*>("cmdEnHyvaksy")->click();
            return dialog.result();
        });
        MessageBox::setNextAnswer(false);
        QVERIFY(chooseMenuItem(w, "MnuInfo"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Pelimies ei lopeta   ;)"});
        QVERIFY(w.isVisible());
    }

    void drawWithinLimits()
    {
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        child<QLineEdit>(w, "txtMaaliEnint_2")->setText("10");
        child<QLineEdit>(w, "txtMaalivah_2")->setText("9"); // own limits win
        child<QLineEdit>(w, "txtMaaliEnint_3")->setText("3");
        child<QLineEdit>(w, "txtMaalivah_3")->setText("3"); // a minimum may equal the maximum
        draw(w, "1", "50");
        QVERIFY(MessageBox::shownTexts().isEmpty() && !shown(w, "lblVirhe"));
        QVERIFY(w.rowList().count() > 1);
        for (ScoreRow row : w.rowList().rows())
            QVERIFY2(row.goal(0) <= 1 && row.goal(2) >= 9 && row.goal(3) == 3 && row.goal(5) <= 1,
                     qPrintable(row.text()));
        QCOMPARE(labelText(w, "lblArvottu"), QString::number(w.rowList().count()));
    }

    void badInput_data()
    {
        QTest::addColumn<bool>("warnings");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("times");
        QTest::addColumn<QString>("teamLimits"); // "max/min" of team 4
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("errorLabel");
        QTest::addColumn<int>("rows");
        const QString check = QStringLiteral("Tarkista annetut Maaliluvut");
        const QString team4 = QStringLiteral("Tarkista maalirajat :\nKohde 2; vieras");
        // clang-format off
        QTest::newRow("letters") << true << "9" << "kaksi" << "/" << check << "" << 0;
        QTest::newRow("decimal") << true << "9" << "2,5" << "/" << check << "" << 0;
        QTest::newRow("too large") << true << "9" << "99999999999999999999" << "/" << check << "" << 0;
        QTest::newRow("zero is one") << true << "9" << "0" << "/" << "" << "" << 1;
        QTest::newRow("leading zero") << true << "9" << "05" << "/" << "" << "" << 5;
        QTest::newRow("no maximum") << true << "" << "1" << "/" << "Max. maalimäärä puuttuu" << "" << 0;
        QTest::newRow("no maximum, warnings off") << false << "" << "1" << "/" << "" << "Tarkista maalirajat :\nMax. maalimäärä puuttuu" << 0;
        QTest::newRow("team max below min") << true << "9" << "1" << "1/2" << "" << team4 << 0;
        QTest::newRow("team max below min, warnings off") << false << "9" << "1" << "1/2" << "" << team4 << 0;
        QTest::newRow("team min without max") << true << "9" << "1" << "/2" << "" << team4 << 0;
        QTest::newRow("team min equals max") << true << "9" << "1" << "2/2" << "" << "" << 1;
        // clang-format on
    }
    void badInput()
    {
        QFETCH(bool, warnings);
        QFETCH(QString, maximum);
        QFETCH(QString, times);
        QFETCH(QString, teamLimits);
        QFETCH(QString, message);
        QFETCH(QString, errorLabel);
        QFETCH(int, rows);
        storeSetting("Varoitus", warnings ? "True" : "False");
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        child<QLineEdit>(w, "txtMaaliEnint_3")->setText(teamLimits.section('/', 0, 0));
        child<QLineEdit>(w, "txtMaalivah_3")->setText(teamLimits.section('/', 1, 1));
        draw(w, maximum, times);
        QCOMPARE(w.rowList().count(), rows);
        QCOMPARE(MessageBox::shownTexts(),
                 message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(shown(w, "lblVirhe"), !errorLabel.isEmpty());
        if (!errorLabel.isEmpty())
            QCOMPARE(labelText(w, "lblVirhe"), errorLabel);
    }

    void duplicateSingleDrawShowsNotice()
    {
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        draw(w, "0", "1");
        QVERIFY(!shown(w, "lblSamaTulos"));
        for (int k = 0; k < 6; ++k)
            QCOMPARE(labelText(w, "lbl1_" + QString::number(k)), QStringLiteral("0"));
        draw(w, "0", "1");
        QVERIFY(shown(w, "lblSamaTulos"));
        QCOMPARE(labelText(w, "lblArvottu"), QStringLiteral("1"));
        draw(w, "0", "3"); // several draws skip duplicates silently
        QVERIFY(!shown(w, "lblSamaTulos"));
        QCOMPARE(listed(w.rowList()), QStringList{"0-0 0-0 0-0"});
    }

    // The notice and a limit error together fit the window as it is; the error keeps its
    // line break.
    void bottomStripKeepsTheWidth()
    {
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        w.show();
        const int width = w.sizeHint().width();
        const int minimumWidth = w.minimumSizeHint().width();
        draw(w, "0", "1");
        draw(w, "0", "1");
        w.SuoritaVirhe(3);
        QVERIFY(shown(w, "lblSamaTulos") && shown(w, "lblVirhe"));
        QVERIFY2(w.sizeHint().width() <= width, qPrintable(QString::number(w.sizeHint().width())));
        QVERIFY(w.minimumSizeHint().width() <= minimumWidth);
        auto* error = child<QLabel>(w, "lblVirhe");
        QVERIFY(error->sizeHint().height() >= 2 * error->fontMetrics().height());
    }

    // Three listed rows; the stake boxes ticked, all others cleared.
    void stakePrices_data()
    {
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QString>("price");
        // clang-format off
        QTest::newRow("0,2") << QStringList{"Chk1Markka"} << "0,6";
        QTest::newRow("0,3") << QStringList{"Chk2Markka"} << "0,9";
        QTest::newRow("0,5") << QStringList{"Chk3Markka"} << "1,5";
        QTest::newRow("1") << QStringList{"Chk5Markka"} << "3";
        QTest::newRow("2") << QStringList{"Chk10markka"} << "6";
        QTest::newRow("3") << QStringList{"Chk20Markka"} << "9";
        QTest::newRow("5") << QStringList{"Chk30Markka"} << "15";
        QTest::newRow("10") << QStringList{"Chk50Markka"} << "30";
        QTest::newRow("20") << QStringList{"Chk100Markka"} << "60";
        QTest::newRow("30") << QStringList{"Chk200Markka"} << "90";
        QTest::newRow("50") << QStringList{"Chk300Markka"} << "150";
        QTest::newRow("100") << QStringList{"Chk500Markka"} << "300";
        QTest::newRow("0,2 + 0,3") << QStringList{"Chk1Markka", "Chk2Markka"} << "1,5";
        QTest::newRow("none") << QStringList{} << "0";
        // clang-format on
    }
    void stakePrices()
    {
        QFETCH(QStringList, ticked);
        QFETCH(QString, price);
        const QStringList boxes{"Chk1Markka",   "Chk2Markka",   "Chk3Markka",   "Chk5Markka",
                                "Chk10markka",  "Chk20Markka",  "Chk30Markka",  "Chk50Markka",
                                "Chk100Markka", "Chk200Markka", "Chk300Markka", "Chk500Markka"};
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        draw(w, "9", "3");
        QCOMPARE(w.rowList().count(), 3);
        for (const QString& box : boxes)
            tick(w, box, ticked.contains(box));
        QCOMPARE(this->price(w), price);
        QCOMPARE(w.PriceText(), price);
        // Net play needs a stake; the warning goes with the next price above 0.
        child<QPushButton>(w, "cmdOnNet")->click();
        QCOMPARE(shown(w, "lblVirhe"), ticked.isEmpty());
        if (ticked.isEmpty()) {
            QCOMPARE(labelText(w, "lblVirhe"), QStringLiteral("Tarkista panos"));
            tick(w, "Chk5Markka");
            QVERIFY(!shown(w, "lblVirhe"));
        }
    }

    // The price follows the tab shown: list rows on "Rivit", system rows on "Järjestelmä".
    void priceFollowsTheTab()
    {
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        draw(w, "9", "3");
        auto* tabs = child<QTabWidget>(w, "SSTab1");
        tabs->setCurrentIndex(1);
        QCOMPARE(price(w), QStringLiteral("0"));
        for (const char* box : {"chkKoti1_1", "chkKoti1_2", "chkVieras1_0", "chkKoti2_3",
                                "chkVieras2_0", "chkKoti3_1", "chkVieras3_2"})
            tick(w, box);
        QCOMPARE(price(w), QStringLiteral("0,4"));
        tabs->setCurrentIndex(0);
        QCOMPARE(price(w), QStringLiteral("0,6"));
        tabs->setCurrentIndex(1);
        QCOMPARE(price(w), QStringLiteral("0,4"));
        // Filling everything ticks ten stakes (72 a row) and prices the size still shown.
        QTest::mouseDClick(child<QLabel>(w, "lblRivimäärä"), Qt::LeftButton);
        QCOMPARE(price(w), QStringLiteral("144"));
        QCOMPARE(w.PriceText(), QStringLiteral("144"));
    }

    void modeSwitch_data()
    {
        QTest::addColumn<bool>("warnings");
        QTest::addColumn<bool>("answer");
        QTest::newRow("yes clears") << true << true;
        QTest::newRow("no keeps") << true << false;
        QTest::newRow("warnings off clears unasked") << false << true;
    }
    void modeSwitch()
    {
        QFETCH(bool, warnings);
        QFETCH(bool, answer);
        storeSetting("Varoitus", warnings ? "True" : "False");
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        draw(w, "5", "3");
        tick(w, "chkKoti1_4");
        MessageBox::setNextAnswer(answer);
        QVERIFY(chooseMenuItem(w, "MnuSarake2"));
        QCOMPARE(MessageBox::shownTitles(),
                 warnings ? QStringList{"Tämä toiminto tyhjää kaikki!!!"} : QStringList());
        QCOMPARE(w.ColumnCount(), answer ? 2 : 3);
        QCOMPARE(w.rowList().count(), answer ? 0 : 3);
        QCOMPARE(labelText(w, "lblArvottu"), answer ? "" : "3");
        QCOMPARE(child<QLineEdit>(w, "txtMaali")->text(), answer ? "" : "5");
        QCOMPARE(child<QCheckBox>(w, "chkKoti1_4")->isChecked(), !answer);
        const QStringList thirdMatch{"FraPeli3", "lblKohde_3", "lblKohde3",
                                     "lbl1_4",   "lbl1_5",     "Line3",
                                     "Label4",   "lbl_V3",     "txtMaaliEnint_5"};
        for (const QString& name : thirdMatch)
            QVERIFY2(child<QWidget>(w, name)->isHidden() == answer, qPrintable(name));
        // Choosing the mode in use asks nothing; the other one brings the third match back.
        MessageBox::reset();
        QVERIFY(chooseMenuItem(w, answer ? "MnuSarake2" : "MnuSarake3"));
        QVERIFY(MessageBox::shownTexts().isEmpty());
        QCOMPARE(w.ColumnCount(), answer ? 2 : 3);
        MessageBox::setNextAnswer(true);
        QVERIFY(chooseMenuItem(w, "MnuSarake3"));
        for (const QString& name : thirdMatch)
            QVERIFY2(!child<QWidget>(w, name)->isHidden(), qPrintable(name));
        draw(w, "0", "1");
        QCOMPARE(labelText(w, "lbl1_5"), QStringLiteral("0"));
    }

    // Which items the menus offer: removing needs a ticked row, clearing and saving a row.
    void menuStates_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("ticked");
        QTest::addColumn<QStringList>("enabled");
        const QStringList withRows{"MnuTyhjennäLista", "MnuTyhjennäMaalit", "MnuTyhjennäKaikki",
                                   "MnuTallenna"};
        QTest::newRow("empty list") << 0 << 0 << QStringList();
        QTest::newRow("rows, none ticked") << 3 << 0 << withRows;
        QTest::newRow("one ticked") << 3 << 1 << withRows + QStringList{"MnuPoistavalitutListalta"};
    }
    void menuStates()
    {
        QFETCH(int, rows);
        QFETCH(int, ticked);
        QFETCH(QStringList, enabled);
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        if (rows > 0)
            draw(w, "9", QString::number(rows));
        for (int i = 0; i < ticked; ++i)
            w.rowList().setChecked(i, true);
        for (const char* item : {"MnuPoistavalitutListalta", "MnuTyhjennäLista",
                                 "MnuTyhjennäMaalit", "MnuTyhjennäKaikki", "MnuTallenna"})
            QVERIFY2(menuItemEnabled(w, item) == enabled.contains(item), item);
        // The items follow the list, not an earlier opening of the menu.
        if (rows > 0) {
            w.rowList().clear();
            QVERIFY(!menuItemEnabled(w, "MnuTyhjennäKaikki"));
            QVERIFY(!menuItemEnabled(w, "MnuPoistavalitutListalta"));
        }
    }

    void removeTickedKeepsOrder()
    {
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        draw(w, "9", "8");
        const QStringList before = listed(w.rowList());
        QTest::mouseDClick(child<QLabel>(w, "lblArvottutxt"), Qt::LeftButton);
        QCOMPARE(w.rowList().checkedCount(), 8);
        for (int i : {0, 3, 4, 5, 7})
            w.rowList().setChecked(i, false);
        QVERIFY(chooseMenuItem(w, "MnuPoistavalitutListalta"));
        QCOMPARE(listed(w.rowList()),
                 (QStringList{before[0], before[3], before[4], before[5], before[7]}));
        QCOMPARE(labelText(w, "lblArvottu"), QStringLiteral("5"));
        QCOMPARE(price(w), QStringLiteral("1"));
        // No tick stays behind on the positions of the removed rows.
        for (int i = 0; i < w.rowList().count(); ++i)
            QVERIFY(!w.rowList().isChecked(i));
        QVERIFY(!menuItemEnabled(w, "MnuPoistavalitutListalta"));
    }

    // Everything is reset whatever the answer about the list; the price label is left empty
    // until the next change.
    void clearEverything_data()
    {
        QTest::addColumn<bool>("warnings");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("rows");
        QTest::newRow("list kept") << true << false << 4;
        QTest::newRow("list cleared") << true << true << 0;
        QTest::newRow("warnings off") << false << false << 0;
    }
    void clearEverything()
    {
        QFETCH(bool, warnings);
        QFETCH(bool, answer);
        QFETCH(int, rows);
        storeSetting("Varoitus", warnings ? "True" : "False");
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        draw(w, "9", "4");
        tick(w, "Chk50Markka");
        tick(w, "Chk1Markka", false);
        tick(w, "chkVieras2_3");
        child<QLineEdit>(w, "txtMaaliEnint_1")->setText("4");
        MessageBox::setNextAnswer(answer);
        QVERIFY(chooseMenuItem(w, "MnuTyhjennäKaikki"));
        QCOMPARE(MessageBox::shownTexts().size(), warnings ? 1 : 0);
        QCOMPARE(w.rowList().count(), rows);
        QCOMPARE(labelText(w, "lblArvottu"), QString::number(rows));
        QCOMPARE(child<QLineEdit>(w, "txtMaali")->text(), QString());
        QCOMPARE(child<QLineEdit>(w, "txtMaaliEnint_1")->text(), QString());
        QCOMPARE(labelText(w, "lbl1_0"), QString());
        QCOMPARE(child<QLineEdit>(w, "txtKertaa")->text(), QStringLiteral("1"));
        QVERIFY(!child<QCheckBox>(w, "chkVieras2_3")->isChecked());
        QVERIFY(!child<QCheckBox>(w, "Chk50Markka")->isChecked());
        QVERIFY(child<QCheckBox>(w, "Chk1Markka")->isChecked());
        QCOMPARE(price(w), QString());
        tick(w, "Chk2Markka");
        QCOMPARE(price(w), rows ? QStringLiteral("2") : QStringLiteral("0"));
    }

    void warningsToggleStoredOnYes()
    {
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        MessageBox::setNextAnswer(true);
        QVERIFY(chooseMenuItem(w, "MnuVaroitukset"));
        QVERIFY(!w.WarningsOn());
        QCOMPARE(MessageBox::shownTitles(), QStringList{" Varoitukset pois!!"});
        QCOMPARE(SettingsStore::read("Rekisteri", "Varoitus"), QStringLiteral("False"));
        MessageBox::setNextAnswer(false);
        QVERIFY(chooseMenuItem(w, "MnuVaroitukset"));
        QVERIFY(w.WarningsOn());
        QCOMPARE(SettingsStore::read("Rekisteri", "Varoitus"), QStringLiteral("False"));
    }

    void closing_data()
    {
        QTest::addColumn<bool>("warnings");
        QTest::addColumn<bool>("answer");
        QTest::newRow("asked, no") << true << false;
        QTest::newRow("asked, yes") << true << true;
        QTest::newRow("warnings off") << false << false;
    }
    void closing()
    {
        QFETCH(bool, warnings);
        QFETCH(bool, answer);
        storeSetting("Varoitus", warnings ? "True" : "False");
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        w.show();
        MessageBox::setNextAnswer(answer);
        QVERIFY(chooseMenuItem(w, "MnuLopeta"));
        QCOMPARE(MessageBox::shownTexts().size(), warnings ? 1 : 0);
        QCOMPARE(w.isVisible(), warnings && !answer);
    }
};

QTEST_MAIN(TestFrmSarvento)
#include "tst_frmsarvento.moc"
