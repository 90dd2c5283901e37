#include "ui/frmAbout.h"
#include "windowtest.h"
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>

using namespace WindowTest;

// The main window driven as a player would, headless, with every message box answered ahead.
class TestFrmSarvento : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settingsDir;

    static void draw(frmSarvento& w, const QString& maximum, const QString& times)
    {
        child<QLineEdit>(w, "txtMaali")->setText(maximum);
        child<QLineEdit>(w, "txtKertaa")->setText(times);
        child<QPushButton>(w, "cmdArvo_Tulokset")->click();
    }
    static void answerNotice(const char* button)
    {
        ModalRunner::setHandler([button](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
            return dialog.result();
        });
    }

private slots:
    void initTestCase() { setUpHeadless(m_settingsDir); }
    void init() { resetBetweenTests(m_settingsDir); }

    void firstStart()
    {
        frmSarvento w;
        bool peliinFirstDisabled = false;
        ModalRunner::setHandler([&](QDialog& dialog) {
            auto* ok = dialog.findChild<QPushButton*>("cmdOK");
            peliinFirstDisabled = !ok->isEnabled();
            dialog.findChild<QPushButton*>("cmdHyvaksyn")->click();
            ok->click();
            return dialog.result();
        });
        QVERIFY(w.Form_Load());
        QVERIFY(peliinFirstDisabled);
        QCOMPARE(SettingsStore::read("Rekisteri", "Hyvaksy"), QStringLiteral("True"));
        QVERIFY(w.WarningsOn() && child<QAction>(w, "MnuVaroitukset")->isChecked());
        QCOMPARE(w.ColumnCount(), 3);
        QVERIFY(child<QAction>(w, "MnuSarake3")->isChecked());
        QVERIFY(child<QCheckBox>(w, "Chk1Markka")->isChecked());
        QVERIFY(child<QRadioButton>(w, "OptPeli1")->isChecked());
        QCOMPARE(child<QTabWidget>(w, "SSTab1")->currentIndex(), 0);
    }

    void startupSwitches_data()
    {
        QTest::addColumn<QString>("varoitus");
        QTest::addColumn<QString>("alaNayta");
        QTest::addColumn<bool>("warnings");
        QTest::addColumn<bool>("noticeShown");
        // clang-format off
        QTest::newRow("warnings stored false") << "False" << "" << false << true;
        QTest::newRow("notice skipped") << "True" << "True" << true << false;
        // clang-format on
    }
    void startupSwitches()
    {
        QFETCH(QString, varoitus);
        QFETCH(QString, alaNayta);
        QFETCH(bool, warnings);
        QFETCH(bool, noticeShown);
        storeSetting("Varoitus", varoitus);
        storeSetting("AlaNaytaInfoa", alaNayta);
        storeSetting("Hyvaksy", "True");
        bool shown = false;
        ModalRunner::setHandler([&](QDialog& dialog) {
            shown = true; // accepted before: "HYVÄKSYN" is off and "Peliin" leads on
            return dialog.findChild<QPushButton*>("cmdHyvaksyn")->isEnabled() ? 0 : 1;
        });
        frmSarvento w;
        QVERIFY(w.Form_Load());
        QCOMPARE(shown, noticeShown);
        QCOMPARE(w.WarningsOn(), warnings);
        QCOMPARE(child<QAction>(w, "MnuVaroitukset")->isChecked(), warnings);
    }

    void refusingTheNotice()
    {
        answerNotice("cmdEnHyvaksy");
        frmSarvento first;
        QVERIFY(!first.Form_Load());
        QCOMPARE(SettingsStore::read("Rekisteri", "Hyvaksy"), QStringLiteral("False"));

        // From the menu with rows listed, the ordinary closing question protects them.
        frmSarvento w;
        QVERIFY(start(w));
        w.show();
        draw(w, "3", "4");
        answerNotice("cmdEnHyvaksy");
        MessageBox::setNextAnswer(false);
        child<QAction>(w, "MnuInfo")->trigger();
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Pelimies ei lopeta   ;)"});
        QVERIFY(w.isVisible());
    }

    void drawWithinLimits()
    {
        frmSarvento w;
        QVERIFY(start(w));
        child<QLineEdit>(w, "txtMaaliEnint_2")->setText("10");
        child<QLineEdit>(w, "txtMaalivah_2")->setText("9"); // own limits win
        draw(w, "1", "50");
        for (ScoreRow row : w.rowList().rows())
            QVERIFY2(row.goal(0) <= 1 && row.goal(2) >= 9 && row.goal(5) <= 1,
                     qPrintable(row.text()));
        QCOMPARE(labelText(w, "lblArvottu"), QString::number(w.rowList().count()));
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("times");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("errorLabel");
        QTest::addColumn<int>("rows");
        // clang-format off
        QTest::newRow("letters") << "9" << "kaksi" << "Tarkista annetut Maaliluvut" << "" << 0;
        QTest::newRow("decimal") << "9" << "2,5" << "Tarkista annetut Maaliluvut" << "" << 0;
        QTest::newRow("too large") << "9" << "99999999999999999999" << "Tarkista annetut Maaliluvut" << "" << 0;
        QTest::newRow("zero is one") << "9" << "0" << "" << "" << 1;
        QTest::newRow("leading zero") << "9" << "05" << "" << "" << 5;
        QTest::newRow("no maximum") << "" << "1" << "Max. maalimäärä puuttuu" << "" << 0;
        QTest::newRow("team max below min") << "9" << "1" << "" << "Tarkista maalirajat :\nKohde 2; vieras" << 0;
        // clang-format on
    }
    void badInput()
    {
        QFETCH(QString, maximum);
        QFETCH(QString, times);
        QFETCH(QString, message);
        QFETCH(QString, errorLabel);
        QFETCH(int, rows);
        frmSarvento w;
        QVERIFY(start(w));
        child<QLineEdit>(w, "txtMaaliEnint_3")->setText(errorLabel.isEmpty() ? "" : "1");
        child<QLineEdit>(w, "txtMaalivah_3")->setText(errorLabel.isEmpty() ? "" : "2");
        draw(w, maximum, times);
        QCOMPARE(w.rowList().count(), rows);
        QCOMPARE(MessageBox::shownTexts(),
                 message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(child<QLabel>(w, "lblVirhe")->isVisibleTo(&w), !errorLabel.isEmpty());
        QCOMPARE(labelText(w, "lblVirhe"), errorLabel);
    }

    void duplicateSingleDrawShowsNotice()
    {
        frmSarvento w;
        QVERIFY(start(w));
        QLabel* notice = child<QLabel>(w, "lblSamaTulos");
        draw(w, "0", "1");
        QVERIFY(!notice->isVisibleTo(&w));
        draw(w, "0", "1");
        QVERIFY(notice->isVisibleTo(&w));
        QCOMPARE(labelText(w, "lblArvottu"), QStringLiteral("1"));
        draw(w, "0", "3"); // several draws skip duplicates silently
        QVERIFY(!notice->isVisibleTo(&w));
        QCOMPARE(listed(w.rowList()), QStringList{"0-0 0-0 0-0"});
    }

    void priceFollowsStakes()
    {
        frmSarvento w;
        QVERIFY(start(w));
        draw(w, "9", "3");
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("0,6"));
        child<QCheckBox>(w, "Chk2Markka")->setChecked(true);
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("1,5"));
        child<QCheckBox>(w, "Chk1Markka")->setChecked(false);
        child<QCheckBox>(w, "Chk2Markka")->setChecked(false);
        child<QPushButton>(w, "cmdOnNet")->click();
        QCOMPARE(labelText(w, "lblVirhe"), QStringLiteral("Tarkista panos"));
        child<QCheckBox>(w, "Chk5Markka")->setChecked(true);
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("3"));
        QVERIFY(!child<QLabel>(w, "lblVirhe")->isVisibleTo(&w));
    }

    void modeSwitch_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("yes clears") << true;
        QTest::newRow("no keeps") << false;
    }
    void modeSwitch()
    {
        QFETCH(bool, answer);
        frmSarvento w;
        QVERIFY(start(w));
        draw(w, "5", "3");
        child<QCheckBox>(w, "chkKoti1_4")->setChecked(true);
        MessageBox::setNextAnswer(answer);
        child<QAction>(w, "MnuSarake2")->trigger();
        QCOMPARE(MessageBox::shownTitles(), QStringList{"Tämä toiminto tyhjää kaikki!!!"});
        QCOMPARE(w.ColumnCount(), answer ? 2 : 3);
        QCOMPARE(w.rowList().count(), answer ? 0 : 3);
        QCOMPARE(child<QLineEdit>(w, "txtMaali")->text(), answer ? "" : "5");
        QCOMPARE(child<QCheckBox>(w, "chkKoti1_4")->isChecked(), !answer);
        QCOMPARE(child<QWidget>(w, "FraPeli3")->isHidden(), answer);
        // Choosing the mode in use asks nothing.
        MessageBox::reset();
        child<QAction>(w, answer ? "MnuSarake2" : "MnuSarake3")->trigger();
        QVERIFY(MessageBox::shownTexts().isEmpty());
        QCOMPARE(w.ColumnCount(), answer ? 2 : 3);
    }

    void removeTickedKeepsOrder()
    {
        frmSarvento w;
        QVERIFY(start(w));
        draw(w, "9", "8");
        const QStringList before = listed(w.rowList());
        QTest::mouseDClick(child<QLabel>(w, "lblArvottutxt"), Qt::LeftButton);
        QCOMPARE(w.rowList().checkedCount(), 8);
        for (int i : {0, 3, 4, 5, 7})
            w.rowList().setChecked(i, false);
        emit child<QMenu>(w, "MnuKomentoja")->aboutToShow();
        child<QAction>(w, "MnuPoistavalitutListalta")->trigger();
        QCOMPARE(listed(w.rowList()),
                 (QStringList{before[0], before[3], before[4], before[5], before[7]}));
        QCOMPARE(labelText(w, "lblArvottu"), QStringLiteral("5"));
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("1"));
    }

    void clearEverythingAnsweredNo()
    {
        frmSarvento w;
        QVERIFY(start(w));
        draw(w, "9", "4");
        child<QCheckBox>(w, "Chk50Markka")->setChecked(true);
        child<QCheckBox>(w, "chkVieras2_3")->setChecked(true);
        MessageBox::setNextAnswer(false);
        child<QAction>(w, "MnuTyhjennäKaikki")->trigger();
        QCOMPARE(w.rowList().count(), 4);
        QCOMPARE(child<QLineEdit>(w, "txtMaali")->text(), QString());
        QVERIFY(!child<QCheckBox>(w, "chkVieras2_3")->isChecked());
        QVERIFY(!child<QCheckBox>(w, "Chk50Markka")->isChecked());
        QCOMPARE(labelText(w, "lblKokoHinta"), QString());
    }

    void warningsToggleStoredOnYes()
    {
        frmSarvento w;
        QVERIFY(start(w));
        MessageBox::setNextAnswer(true);
        child<QAction>(w, "MnuVaroitukset")->trigger();
        QVERIFY(!w.WarningsOn());
        QCOMPARE(MessageBox::shownTitles(), QStringList{" Varoitukset pois!!"});
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
        frmSarvento w;
        QVERIFY(start(w));
        w.show();
        MessageBox::setNextAnswer(answer);
        child<QAction>(w, "MnuLopeta")->trigger();
        QCOMPARE(MessageBox::shownTexts().size(), warnings ? 1 : 0);
        QCOMPARE(w.isVisible(), warnings && !answer);
    }
};

QTEST_MAIN(TestFrmSarvento)
#include "tst_frmsarvento.moc"
