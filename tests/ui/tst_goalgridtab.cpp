#include "windowtest.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>

using namespace WindowTest;

// The goal-grid tab of the main window: counting, pricing, listing and the random systems.
class TestGoalGridTab : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settingsDir;

    static QCheckBox* box(frmSarvento& w, const char* column, int goal)
    {
        return child<QCheckBox>(w, QStringLiteral("%1_%2").arg(QLatin1String(column)).arg(goal));
    }
    static void tick(frmSarvento& w, const char* column, std::initializer_list<int> goals)
    {
        for (int goal : goals)
            box(w, column, goal)->setChecked(true);
    }
    static void toSystemTab(frmSarvento& w) { child<QTabWidget>(w, "SSTab1")->setCurrentIndex(1); }
    static void toTwoMatches(frmSarvento& w)
    {
        MessageBox::setNextAnswer(true);
        child<QAction>(w, "MnuSarake2")->trigger();
    }

private slots:
    void initTestCase() { setUpHeadless(m_settingsDir); }
    void init() { resetBetweenTests(m_settingsDir); }

    void sizeAndPriceFollowTicks()
    {
        frmSarvento w;
        QVERIFY(start(w));
        toSystemTab(w);
        child<QCheckBox>(w, "Chk5Markka")->setChecked(true); // 0,2 + 1 per row
        toTwoMatches(w);
        toSystemTab(w);
        tick(w, "chkKoti1", {1, 2});
        tick(w, "chkVieras1", {0});
        tick(w, "chkKoti2", {3});
        QCOMPARE(labelText(w, "lblRiviMaara"), QStringLiteral("0"));
        tick(w, "chkVieras2", {0, 1, 2});
        QCOMPARE(labelText(w, "lblRiviMaara"), QStringLiteral("6"));
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("7,2"));
        box(w, "chkVieras1", 0)->setChecked(false);
        QCOMPARE(labelText(w, "lblRiviMaara"), QStringLiteral("0"));
        QCOMPARE(labelText(w, "lblKokoHinta"), QString());
    }

    void thirdMatchCountsOnlyWithThreeMatches()
    {
        frmSarvento w;
        QVERIFY(start(w));
        toSystemTab(w);
        for (const char* column : {"chkKoti1", "chkVieras1", "chkKoti2", "chkVieras2"})
            tick(w, column, {0, 1});
        QCOMPARE(labelText(w, "lblRiviMaara"), QStringLiteral("0"));
        tick(w, "chkKoti3", {11});
        tick(w, "chkVieras3", {2, 5});
        QCOMPARE(labelText(w, "lblRiviMaara"), QStringLiteral("32"));
    }

    void listing_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("rows");
        QTest::newRow("old rows removed") << true << 4;
        QTest::newRow("old rows kept") << false << 8;
    }
    void listing()
    {
        QFETCH(bool, answer);
        QFETCH(int, rows);
        GeneratorRandom random(11);
        frmSarvento w(random);
        QVERIFY(start(w));
        toTwoMatches(w);
        child<QLineEdit>(w, "txtMaali")->setText("9");
        child<QLineEdit>(w, "txtKertaa")->setText("4");
        child<QPushButton>(w, "cmdArvo_Tulokset")->click();
        QCOMPARE(w.rowList().count(), 4);
        toSystemTab(w);
        tick(w, "chkKoti1", {0, 1});
        tick(w, "chkVieras1", {2});
        tick(w, "chkKoti2", {1});
        tick(w, "chkVieras2", {0, 3});
        // The hidden third grid is ignored with two matches.
        tick(w, "chkKoti3", {4, 5});
        QCOMPARE(labelText(w, "lblRiviMaara"), QStringLiteral("4"));
        MessageBox::reset();
        MessageBox::setNextAnswer(answer);
        child<QPushButton>(w, "cmdListaa_Rivit")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Poistetaanko listalla jo olevat rivit? "});
        QCOMPARE(MessageBox::shownTitles(), QStringList{"Poisto"});
        QCOMPARE(w.rowList().count(), rows);
        QCOMPARE(labelText(w, "lblArvottu"), QString::number(rows));
        QCOMPARE(listed(w.rowList()).mid(rows - 4),
                 (QStringList{"0-2 1-0", "0-2 1-3", "1-2 1-0", "1-2 1-3"}));
    }

    void listingIntoEmptyListAsksNothing()
    {
        frmSarvento w;
        QVERIFY(start(w));
        toSystemTab(w);
        tick(w, "chkKoti1", {11});
        for (const char* column :
             {"chkVieras1", "chkKoti2", "chkVieras2", "chkKoti3", "chkVieras3"})
            tick(w, column, {column[3] == 'V' ? 0 : 2});
        child<QPushButton>(w, "cmdListaa_Rivit")->click();
        QVERIFY(MessageBox::shownTexts().isEmpty());
        QCOMPARE(listed(w.rowList()), QStringList{"11-0 2-0 2-0"});
        // An empty system lists nothing.
        child<QPushButton>(w, "cmdNollaaSysteemi")->click();
        child<QPushButton>(w, "cmdListaa_Rivit")->click();
        QCOMPARE(w.rowList().count(), 1);
    }

    void clearingTicksWholeRowAgain()
    {
        frmSarvento w;
        QVERIFY(start(w));
        toSystemTab(w);
        child<QCheckBox>(w, "ChkArvo_Koko_Rivi")->setChecked(false);
        tick(w, "chkKoti1", {3});
        child<QPushButton>(w, "cmdNollaaSysteemi")->click();
        QVERIFY(child<QCheckBox>(w, "ChkArvo_Koko_Rivi")->isChecked());
        QVERIFY(!box(w, "chkKoti1", 3)->isChecked());
        QCOMPARE(labelText(w, "lblRiviMaara"), QStringLiteral("0"));
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("0"));
    }

    void drawOneRowIntoGrid()
    {
        GeneratorRandom random(12);
        frmSarvento w(random);
        QVERIFY(start(w));
        toSystemTab(w);
        child<QPushButton>(w, "cmd_Arvo_Jarjestelma")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Max. maalimäärä puuttuu"});
        child<QLineEdit>(w, "txtMaali")->setText("4");
        child<QPushButton>(w, "cmd_Arvo_Jarjestelma")->click();
        QCOMPARE(labelText(w, "lblRiviMaara"), QStringLiteral("1"));
        for (const char* column :
             {"chkKoti1", "chkVieras1", "chkKoti2", "chkVieras2", "chkKoti3", "chkVieras3"}) {
            int ticks = 0;
            for (int goal = 0; goal < 12; ++goal)
                ticks += box(w, column, goal)->isChecked() ? 1 : 0;
            QCOMPARE(ticks, 1);
        }
    }

    void wantedSystem_data()
    {
        QTest::addColumn<bool>("twoMatches");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("size");
        QTest::newRow("capped to the full 0-1 system") << true << "1"
                                                       << "100"
                                                       << "16"
                                                       << "16";
        QTest::newRow("maximum 0 gives one row") << false << "0"
                                                 << "500"
                                                 << "1"
                                                 << "1";
        QTest::newRow("reachable size") << false << "5"
                                        << "36"
                                        << "36"
                                        << "36";
        QTest::newRow("above 32767") << false << "9"
                                     << "36000"
                                     << "36000"
                                     << "36000";
    }
    void wantedSystem()
    {
        QFETCH(bool, twoMatches);
        QFETCH(QString, maximum);
        QFETCH(QString, wanted);
        QFETCH(QString, written);
        QFETCH(QString, size);
        GeneratorRandom random(13);
        frmSarvento w(random);
        QVERIFY(start(w));
        if (twoMatches)
            toTwoMatches(w);
        toSystemTab(w);
        child<QLineEdit>(w, "txtMaali")->setText(maximum);
        auto* combo = child<QComboBox>(w, "cboJarjestelma");
        auto* button = child<QPushButton>(w, "cmdHaluttu_Jarjestelma");
        QVERIFY(!button->isEnabled());
        combo->setEditText(wanted);
        QVERIFY(button->isEnabled());
        button->click();
        QCOMPARE(combo->currentText(), written);
        QCOMPARE(labelText(w, "lblRiviMaara"), size);
        QVERIFY(!labelText(w, "lblJarjestelma_arvottu").isEmpty());
        if (twoMatches)
            for (const char* column : {"chkKoti1", "chkVieras1", "chkKoti2", "chkVieras2"})
                for (int goal = 0; goal < 12; ++goal)
                    QCOMPARE(box(w, column, goal)->isChecked(), goal <= 1);
        combo->setEditText(QString());
        QVERIFY(!button->isEnabled());
    }

    void wantedSystemRefusesBadInput_data()
    {
        QTest::addColumn<bool>("twoMatches");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters") << false << "paljon"
                                 << "Anna järjestelmän kooksi kokonaisluku.";
        QTest::newRow("too large, three") << false << "2985985"
                                          << "Suurin mahdollinen järjestelmä on 2985984 riviä.";
        QTest::newRow("too large, two") << true << "20737"
                                        << "Suurin mahdollinen järjestelmä on 20736 riviä.";
        QTest::newRow("zero does nothing") << false << "0"
                                           << "";
    }
    void wantedSystemRefusesBadInput()
    {
        QFETCH(bool, twoMatches);
        QFETCH(QString, wanted);
        QFETCH(QString, message);
        frmSarvento w;
        QVERIFY(start(w));
        if (twoMatches)
            toTwoMatches(w);
        MessageBox::reset();
        toSystemTab(w);
        child<QLineEdit>(w, "txtMaali")->setText("9");
        tick(w, "chkKoti1", {1});
        child<QComboBox>(w, "cboJarjestelma")->setEditText(wanted);
        child<QPushButton>(w, "cmdHaluttu_Jarjestelma")->click();
        QCOMPARE(MessageBox::shownTexts(),
                 message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(box(w, "chkKoti1", 1)->isChecked()); // nothing drawn, nothing cleared
    }

    void doubleClickFillsGridAndStakes()
    {
        frmSarvento w;
        QVERIFY(start(w));
        toSystemTab(w);
        QTest::mouseDClick(child<QLabel>(w, "lblRivimäärä"), Qt::LeftButton);
        QVERIFY(box(w, "chkVieras3", 11)->isChecked());
        QVERIFY(child<QCheckBox>(w, "Chk200Markka")->isChecked());
        QVERIFY(!child<QCheckBox>(w, "Chk300Markka")->isChecked());
        // The count follows at the next box change.
        box(w, "chkKoti1", 0)->setChecked(false);
        QCOMPARE(labelText(w, "lblRiviMaara"), QString::number(11LL * 12 * 12 * 12 * 12 * 12));
    }
};

QTEST_MAIN(TestGoalGridTab)
#include "tst_goalgridtab.moc"
