#include "ui/frmAbout.h"
#include "windowtest.h"
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

// The main window driven as a player would, headless, with every message box answered ahead.
using namespace WindowTest;

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
private slots:
    void initTestCase() { setUpHeadless(m_settingsDir); }
    void init() { resetBetweenTests(m_settingsDir); }

    void firstStartShowsNoticeAndDefaults()
    {
        GeneratorRandom random(1);
        frmSarvento w(random);
        bool noticeShown = false;
        ModalRunner::setHandler([&](QDialog& dialog) {
            noticeShown = true;
            auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"));
            auto* skip = dialog.findChild<QCheckBox*>(QStringLiteral("chkAlaNayta"));
            if (ok->isEnabled() || skip->isEnabled())
                return 0;
            dialog.findChild<QPushButton*>(QStringLiteral("cmdHyvaksyn"))->click();
            if (!ok->isEnabled() || !skip->isEnabled())
                return 0;
            ok->click();
            return dialog.result();
        });
        QVERIFY(w.Form_Load());
        QVERIFY(noticeShown);
        QCOMPARE(SettingsStore::read("Rekisteri", "Hyvaksy"), QStringLiteral("True"));
        QVERIFY(w.WarningsOn());
        QVERIFY(child<QAction>(w, "MnuVaroitukset")->isChecked());
        QVERIFY(child<QAction>(w, "MnuSarake3")->isChecked());
        QVERIFY(!child<QAction>(w, "MnuSarake2")->isChecked());
        QCOMPARE(w.ColumnCount(), 3);
        QVERIFY(child<QCheckBox>(w, "Chk1Markka")->isChecked());
        QVERIFY(child<QRadioButton>(w, "OptPeli1")->isChecked());
        QCOMPARE(child<QTabWidget>(w, "SSTab1")->currentIndex(), 0);
        QCOMPARE(w.windowTitle(), QStringLiteral("Sarvento"));
        QVERIFY(!child<QAction>(w, "MnuPoistavalitutListalta")->isEnabled());
    }

    void startupSwitches_data()
    {
        QTest::addColumn<QString>("varoitus");
        QTest::addColumn<QString>("alaNayta");
        QTest::addColumn<bool>("warnings");
        QTest::addColumn<bool>("noticeShown");
        QTest::newRow("warnings stored false") << "False"
                                               << "" << false << true;
        QTest::newRow("warnings stored true, notice skipped") << "True"
                                                              << "True" << true << false;
        QTest::newRow("garbage keeps warnings on") << "ehkä"
                                                   << "ehkä" << true << true;
        QTest::newRow("old numeric true") << "-1"
                                          << "False" << true << true;
    }
    void startupSwitches()
    {
        QFETCH(QString, varoitus);
        QFETCH(QString, alaNayta);
        QFETCH(bool, warnings);
        QFETCH(bool, noticeShown);
        SettingsStore::write("Rekisteri", "Varoitus", varoitus);
        SettingsStore::write("Rekisteri", "AlaNaytaInfoa", alaNayta);
        storeSetting("Hyvaksy", "True");
        bool shown = false;
        ModalRunner::setHandler([&](QDialog& dialog) {
            shown = true;
            // Accepted before: straight to the game.
            if (dialog.findChild<QPushButton*>(QStringLiteral("cmdHyvaksyn"))->isEnabled())
                return 0;
            dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            return 1;
        });
        frmSarvento w;
        QVERIFY(w.Form_Load());
        QCOMPARE(shown, noticeShown);
        QCOMPARE(w.WarningsOn(), warnings);
        QCOMPARE(child<QAction>(w, "MnuVaroitukset")->isChecked(), warnings);
    }

    void refusingNoticeAtStartEnds()
    {
        ModalRunner::setHandler([](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("cmdEnHyvaksy"))->click();
            return 0;
        });
        frmSarvento w;
        QVERIFY(!w.Form_Load());
        QCOMPARE(SettingsStore::read("Rekisteri", "Hyvaksy"), QStringLiteral("False"));
        QVERIFY(MessageBox::shownTexts().isEmpty());
    }

    void refusingNoticeFromInfoAsksWhenRowsWouldBeLost()
    {
        GeneratorRandom random(2);
        frmSarvento w(random);
        QVERIFY(start(w));
        w.show();
        draw(w, "3", "4");
        ModalRunner::setHandler([](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("cmdEnHyvaksy"))->click();
            return 0;
        });
        MessageBox::setNextAnswer(false);
        child<QAction>(w, "MnuInfo")->trigger();
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Pelimies ei lopeta   ;)"});
        QVERIFY(w.isVisible());
        QCOMPARE(w.rowList().count(), 4);
    }

    void drawWithinLimits_data()
    {
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QStringList>("teamMax");
        QTest::addColumn<QStringList>("teamMin");
        QTest::addColumn<QList<int>>("low");
        QTest::addColumn<QList<int>>("high");
        QTest::newRow("overall 2") << "2" << QStringList(6) << QStringList(6)
                                   << QList<int>{0, 0, 0, 0, 0, 0} << QList<int>{2, 2, 2, 2, 2, 2};
        QTest::newRow("own limits win")
            << "1" << QStringList{"3", "", "10", "", "", "5"}
            << QStringList{"3", "", "9", "", "", ""} << QList<int>{3, 0, 9, 0, 0, 0}
            << QList<int>{3, 1, 10, 1, 1, 5};
        QTest::newRow("no overall, every team its own")
            << "" << QStringList{"1", "1", "2", "2", "0", "4"} << QStringList(6)
            << QList<int>{0, 0, 0, 0, 0, 0} << QList<int>{1, 1, 2, 2, 0, 4};
    }
    void drawWithinLimits()
    {
        QFETCH(QString, maximum);
        QFETCH(QStringList, teamMax);
        QFETCH(QStringList, teamMin);
        QFETCH(QList<int>, low);
        QFETCH(QList<int>, high);
        GeneratorRandom random(3);
        frmSarvento w(random);
        QVERIFY(start(w));
        for (int k = 0; k < 6; ++k) {
            child<QLineEdit>(w, QStringLiteral("txtMaaliEnint_%1").arg(k).toUtf8())
                ->setText(teamMax[k]);
            child<QLineEdit>(w, QStringLiteral("txtMaalivah_%1").arg(k).toUtf8())
                ->setText(teamMin[k]);
        }
        draw(w, maximum, "50");
        QVERIFY(w.rowList().count() > 0);
        QCOMPARE(labelText(w, "lblArvottu"), QString::number(w.rowList().count()));
        for (ScoreRow row : w.rowList().rows())
            for (int k = 0; k < 6; ++k) {
                QVERIFY2(row.goal(k) >= low[k] && row.goal(k) <= high[k], qPrintable(row.text()));
            }
        // The result labels show the last row drawn, which is listed (new or not).
        std::array<int, 6> shown{};
        for (int k = 0; k < 6; ++k)
            shown[size_t(k)] = labelText(w, QStringLiteral("lbl1_%1").arg(k).toUtf8()).toInt();
        QVERIFY(w.rowList().contains(ScoreRow(3, shown)));
        QVERIFY(!child<QLabel>(w, "lblVirhe")->isVisibleTo(&w));
    }

    void limitErrors_data()
    {
        QTest::addColumn<int>("team");
        QTest::addColumn<QString>("max");
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("shown");
        QTest::newRow("max below min") << 3 << "1"
                                       << "2"
                                       << "Tarkista maalirajat :\rKohde 2; vieras";
        QTest::newRow("min without max") << 0 << ""
                                         << "1"
                                         << "Tarkista maalirajat :\rKohde 1; koti";
        QTest::newRow("10 over 9 is fine") << 4 << "10"
                                           << "9"
                                           << "";
    }
    void limitErrors()
    {
        QFETCH(int, team);
        QFETCH(QString, max);
        QFETCH(QString, min);
        QFETCH(QString, shown);
        frmSarvento w;
        QVERIFY(start(w));
        child<QLineEdit>(w, QStringLiteral("txtMaaliEnint_%1").arg(team).toUtf8())->setText(max);
        child<QLineEdit>(w, QStringLiteral("txtMaalivah_%1").arg(team).toUtf8())->setText(min);
        draw(w, "3", "5");
        QLabel* error = child<QLabel>(w, "lblVirhe");
        if (shown.isEmpty()) {
            QVERIFY(!error->isVisibleTo(&w));
            QVERIFY(w.rowList().count() > 0);
        } else {
            QVERIFY(error->isVisibleTo(&w));
            QCOMPARE(error->text(), shown);
            QCOMPARE(w.rowList().count(), 0);
        }
    }

    void missingMaximum()
    {
        frmSarvento w;
        QVERIFY(start(w));
        draw(w, "", "1");
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Max. maalimäärä puuttuu"});
        QCOMPARE(MessageBox::shownTitles(), QStringList{"Herätys pelimies"});
        QCOMPARE(w.rowList().count(), 0);
    }

    void drawCountThatIsNoNumber_data()
    {
        QTest::addColumn<QString>("times");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("rows");
        QTest::newRow("letters") << "kaksi"
                                 << "Tarkista annetut Maaliluvut" << 0;
        QTest::newRow("decimal") << "2,5"
                                 << "Tarkista annetut Maaliluvut" << 0;
        QTest::newRow("too large") << "99999999999999999999"
                                   << "Tarkista annetut Maaliluvut" << 0;
        QTest::newRow("empty is one") << ""
                                      << "" << 1;
        QTest::newRow("zero is one") << "0"
                                     << "" << 1;
        QTest::newRow("negative is one") << "-4"
                                         << "" << 1;
        QTest::newRow("leading zero") << "05"
                                      << "" << 5;
    }
    void drawCountThatIsNoNumber()
    {
        QFETCH(QString, times);
        QFETCH(QString, message);
        QFETCH(int, rows);
        GeneratorRandom random(4);
        frmSarvento w(random);
        QVERIFY(start(w));
        draw(w, "9", times);
        QCOMPARE(w.rowList().count(), rows);
        QCOMPARE(MessageBox::shownTexts(),
                 message.isEmpty() ? QStringList() : QStringList{message});
    }

    void duplicateSingleDrawShowsNotice()
    {
        frmSarvento w;
        QVERIFY(start(w));
        draw(w, "0", "1");
        QLabel* notice = child<QLabel>(w, "lblSamaTulos");
        QVERIFY(!notice->isVisibleTo(&w));
        QCOMPARE(labelText(w, "lblArvottu"), QStringLiteral("1"));
        draw(w, "0", "1");
        QCOMPARE(w.rowList().count(), 1);
        QCOMPARE(labelText(w, "lblArvottu"), QStringLiteral("1"));
        QVERIFY(notice->isVisibleTo(&w));
        QCOMPARE(notice->text(), QStringLiteral("SAMA TULOS EI LISÄYSTÄ"));
        // Several draws skip duplicates silently.
        draw(w, "0", "3");
        QVERIFY(!notice->isVisibleTo(&w));
        QCOMPARE(listed(w.rowList()), QStringList{"0-0 0-0 0-0"});
    }

    void priceFollowsStakesListAndTab()
    {
        GeneratorRandom random(5);
        frmSarvento w(random);
        QVERIFY(start(w));
        draw(w, "9", "3");
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("0,6"));
        child<QCheckBox>(w, "Chk2Markka")->setChecked(true);
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("1,5"));
        QCOMPARE(w.PriceText(), QStringLiteral("1,5"));
        child<QCheckBox>(w, "Chk1Markka")->setChecked(false);
        child<QCheckBox>(w, "Chk2Markka")->setChecked(false);
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("0"));
        child<QPushButton>(w, "cmdOnNet")->click();
        QCOMPARE(labelText(w, "lblVirhe"), QStringLiteral("Tarkista panos"));
        QVERIFY(child<QLabel>(w, "lblVirhe")->isVisibleTo(&w));
        child<QCheckBox>(w, "Chk5Markka")->setChecked(true);
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("3"));
        QVERIFY(!child<QLabel>(w, "lblVirhe")->isVisibleTo(&w));
        // The system tab prices the (empty) system.
        child<QTabWidget>(w, "SSTab1")->setCurrentIndex(1);
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("0"));
    }

    void onNetWithNothingDoesNothing()
    {
        frmSarvento w;
        QVERIFY(start(w));
        child<QCheckBox>(w, "Chk1Markka")->setChecked(false);
        child<QPushButton>(w, "cmdOnNet")->click();
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
        GeneratorRandom random(6);
        frmSarvento w(random);
        QVERIFY(start(w));
        w.show();
        child<QLineEdit>(w, "txtMaaliEnint_0")->setText("4");
        draw(w, "5", "3");
        child<QCheckBox>(w, "chkKoti1_4")->setChecked(true);
        MessageBox::setNextAnswer(answer);
        child<QAction>(w, "MnuSarake2")->trigger();
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Haluatko jatkaa? "});
        QCOMPARE(MessageBox::shownTitles(), QStringList{"Tämä toiminto tyhjää kaikki!!!"});
        QCOMPARE(child<QAction>(w, "MnuSarake2")->isChecked(), answer);
        QCOMPARE(child<QAction>(w, "MnuSarake3")->isChecked(), !answer);
        QCOMPARE(w.ColumnCount(), answer ? 2 : 3);
        QCOMPARE(w.rowList().count(), answer ? 0 : 3);
        QCOMPARE(child<QLineEdit>(w, "txtMaali")->text(), answer ? QString() : QStringLiteral("5"));
        QCOMPARE(child<QLineEdit>(w, "txtMaaliEnint_0")->text(),
                 answer ? QString() : QStringLiteral("4"));
        QCOMPARE(child<QCheckBox>(w, "chkKoti1_4")->isChecked(), !answer);
        QCOMPARE(child<QLabel>(w, "lbl1_4")->isHidden(), answer);
        QCOMPARE(w.findChild<QWidget*>("FraPeli3")->isHidden(), answer);
        if (answer) {
            draw(w, "9", "2");
            for (ScoreRow row : w.rowList().rows())
                QCOMPARE(row.text().size(), 7);
        }
        // Choosing the mode in use asks nothing and changes nothing.
        MessageBox::reset();
        child<QAction>(w, answer ? "MnuSarake2" : "MnuSarake3")->trigger();
        QVERIFY(MessageBox::shownTexts().isEmpty());
        QCOMPARE(w.ColumnCount(), answer ? 2 : 3);
    }

    void removeTickedKeepsOrder()
    {
        GeneratorRandom random(7);
        frmSarvento w(random);
        QVERIFY(start(w));
        draw(w, "9", "8");
        QCOMPARE(w.rowList().count(), 8);
        const QStringList before = listed(w.rowList());
        for (int i : {1, 2, 6})
            w.rowList().setChecked(i, true);
        w.Tarkista_Valinta();
        QAction* remove = child<QAction>(w, "MnuPoistavalitutListalta");
        QVERIFY(remove->isEnabled());
        remove->trigger();
        QCOMPARE(listed(w.rowList()),
                 (QStringList{before[0], before[3], before[4], before[5], before[7]}));
        QCOMPARE(labelText(w, "lblArvottu"), QStringLiteral("5"));
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("1"));
        w.Tarkista_Valinta();
        QVERIFY(!remove->isEnabled());
    }

    void doubleClickTicksAll()
    {
        GeneratorRandom random(8);
        frmSarvento w(random);
        QVERIFY(start(w));
        draw(w, "9", "6");
        QTest::mouseDClick(child<QLabel>(w, "lblArvottutxt"), Qt::LeftButton);
        QCOMPARE(w.rowList().checkedCount(), 6);
    }

    void clearList_data()
    {
        QTest::addColumn<bool>("warnings");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("rowsLeft");
        QTest::newRow("asked, yes") << true << true << 0;
        QTest::newRow("asked, no") << true << false << 4;
        QTest::newRow("warnings off") << false << false << 0;
    }
    void clearList()
    {
        QFETCH(bool, warnings);
        QFETCH(bool, answer);
        QFETCH(int, rowsLeft);
        if (!warnings)
            storeSetting("Varoitus", "False");
        GeneratorRandom random(9);
        frmSarvento w(random);
        QVERIFY(start(w));
        draw(w, "9", "4");
        MessageBox::setNextAnswer(answer);
        child<QAction>(w, "MnuTyhjennäLista")->trigger();
        QCOMPARE(MessageBox::shownTexts().size(), warnings ? 1 : 0);
        QCOMPARE(w.rowList().count(), rowsLeft);
        QCOMPARE(labelText(w, "lblArvottu"), QString::number(rowsLeft));
    }

    void clearEverythingAnsweredNo()
    {
        GeneratorRandom random(10);
        frmSarvento w(random);
        QVERIFY(start(w));
        child<QLineEdit>(w, "txtMaaliEnint_1")->setText("3");
        draw(w, "9", "4");
        child<QCheckBox>(w, "Chk50Markka")->setChecked(true);
        child<QCheckBox>(w, "chkVieras2_3")->setChecked(true);
        MessageBox::setNextAnswer(false);
        child<QAction>(w, "MnuTyhjennäKaikki")->trigger();
        QCOMPARE(MessageBox::shownTitles(), QStringList{"Arvotut rivit katoo!!!"});
        QCOMPARE(w.rowList().count(), 4);
        QCOMPARE(child<QLineEdit>(w, "txtMaali")->text(), QString());
        QCOMPARE(child<QLineEdit>(w, "txtMaaliEnint_1")->text(), QString());
        QCOMPARE(labelText(w, "lbl1_0"), QString());
        QVERIFY(!child<QCheckBox>(w, "chkVieras2_3")->isChecked());
        QVERIFY(child<QCheckBox>(w, "Chk1Markka")->isChecked());
        QVERIFY(!child<QCheckBox>(w, "Chk50Markka")->isChecked());
        QCOMPARE(child<QLineEdit>(w, "txtKertaa")->text(), QStringLiteral("1"));
        QCOMPARE(labelText(w, "lblKokoHinta"), QString());
    }

    void editMenuFollowsList()
    {
        frmSarvento w;
        QVERIFY(start(w));
        QMenu* menu = w.findChild<QMenu*>(QStringLiteral("MnuKomentoja"));
        emit menu->aboutToShow();
        for (const char* name : {"MnuTyhjennäLista", "MnuTyhjennäMaalit", "MnuTyhjennäKaikki",
                                 "MnuPoistavalitutListalta"})
            QVERIFY2(!child<QAction>(w, name)->isEnabled(), name);
        draw(w, "2", "1");
        emit menu->aboutToShow();
        QVERIFY(child<QAction>(w, "MnuTyhjennäKaikki")->isEnabled());
    }

    void warningsToggleStoredOnYes_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("stored");
        QTest::newRow("yes stores") << true << "False";
        QTest::newRow("no is for this run") << false << "";
    }
    void warningsToggleStoredOnYes()
    {
        QFETCH(bool, answer);
        QFETCH(QString, stored);
        frmSarvento w;
        QVERIFY(start(w));
        MessageBox::setNextAnswer(answer);
        child<QAction>(w, "MnuVaroitukset")->trigger();
        QVERIFY(!w.WarningsOn());
        QCOMPARE(MessageBox::shownTitles(), QStringList{" Varoitukset pois!!"});
        QCOMPARE(SettingsStore::read("Rekisteri", "Varoitus"), stored);
    }

    void closing_data()
    {
        QTest::addColumn<bool>("warnings");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("closed");
        QTest::newRow("asked, no") << true << false << false;
        QTest::newRow("asked, yes") << true << true << true;
        QTest::newRow("warnings off") << false << false << true;
    }
    void closing()
    {
        QFETCH(bool, warnings);
        QFETCH(bool, answer);
        QFETCH(bool, closed);
        if (!warnings)
            storeSetting("Varoitus", "False");
        frmSarvento w;
        QVERIFY(start(w));
        w.show();
        MessageBox::setNextAnswer(answer);
        child<QAction>(w, "MnuLopeta")->trigger();
        QCOMPARE(MessageBox::shownTexts(),
                 warnings ? QStringList{"Pelimies ei lopeta   ;)"} : QStringList());
        QCOMPARE(w.isVisible(), !closed);
    }
};

QTEST_MAIN(TestFrmSarvento)
#include "tst_frmsarvento.moc"
