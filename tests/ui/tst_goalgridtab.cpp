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

    static QCheckBox* box(frmSarvento& w, const QString& column, int goal)
    {
        return child<QCheckBox>(w, QStringLiteral("%1_%2").arg(column).arg(goal));
    }
    // Ticks "home1 away1 home2 away2 [home3 away3]" given as goal lists, e.g.
    // {{0,1},{2},{1},{0,3}}.
    static void tickGrid(frmSarvento& w, const QList<QList<int>>& teams)
    {
        const QStringList columns{"chkKoti1",   "chkVieras1", "chkKoti2",
                                  "chkVieras2", "chkKoti3",   "chkVieras3"};
        for (int team = 0; team < teams.size(); ++team)
            for (int goal : teams[team])
                box(w, columns[team], goal)->setChecked(true);
    }
    static void startOnSystemTab(frmSarvento& w, bool twoMatches)
    {
        QVERIFY(start(w));
        if (twoMatches) {
            MessageBox::setNextAnswer(true);
            child<QAction>(w, "MnuSarake2")->trigger();
            MessageBox::reset();
        }
        child<QTabWidget>(w, "SSTab1")->setCurrentIndex(1);
    }

private slots:
    void initTestCase() { setUpHeadless(m_settingsDir); }
    void init() { resetBetweenTests(m_settingsDir); }

    void sizeAndPriceFollowTicks()
    {
        frmSarvento w;
        startOnSystemTab(w, true);
        child<QCheckBox>(w, "Chk5Markka")->setChecked(true); // 1,2 per row
        tickGrid(w, {{1, 2}, {0}, {3}, {0, 1, 2}, {7}});     // third grid ignored
        QCOMPARE(labelText(w, "lblRiviMaara"), QStringLiteral("6"));
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("7,2"));
        box(w, "chkVieras1", 0)->setChecked(false);
        QCOMPARE(labelText(w, "lblRiviMaara"), QStringLiteral("0"));
        QCOMPARE(labelText(w, "lblKokoHinta"), QString());
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
        frmSarvento w;
        startOnSystemTab(w, true);
        child<QLineEdit>(w, "txtMaali")->setText("9");
        child<QLineEdit>(w, "txtKertaa")->setText("4");
        child<QPushButton>(w, "cmdArvo_Tulokset")->click();
        tickGrid(w, {{0, 1}, {2}, {1}, {0, 3}, {4, 5}});
        MessageBox::setNextAnswer(answer);
        child<QPushButton>(w, "cmdListaa_Rivit")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Poistetaanko listalla jo olevat rivit? "});
        QCOMPARE(labelText(w, "lblArvottu"), QString::number(rows));
        QCOMPARE(listed(w.rowList()).mid(rows - 4),
                 (QStringList{"0-2 1-0", "0-2 1-3", "1-2 1-0", "1-2 1-3"}));
        // Clearing empties the grid; an empty system lists nothing.
        child<QCheckBox>(w, "ChkArvo_Koko_Rivi")->setChecked(false);
        child<QPushButton>(w, "cmdNollaaSysteemi")->click();
        QVERIFY(child<QCheckBox>(w, "ChkArvo_Koko_Rivi")->isChecked());
        child<QPushButton>(w, "cmdListaa_Rivit")->click();
        QCOMPARE(w.rowList().count(), rows);
    }

    void wantedSystem_data()
    {
        QTest::addColumn<bool>("twoMatches");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("size");
        QTest::newRow("capped to the full 0-1 system") << true << "1"
                                                       << "100"
                                                       << "16";
        QTest::newRow("maximum 0 gives one row") << false << "0"
                                                 << "500"
                                                 << "1";
        QTest::newRow("above 32767") << false << "9"
                                     << "36000"
                                     << "36000";
    }
    void wantedSystem()
    {
        QFETCH(bool, twoMatches);
        QFETCH(QString, maximum);
        QFETCH(QString, wanted);
        QFETCH(QString, size);
        GeneratorRandom random(13);
        frmSarvento w(random);
        startOnSystemTab(w, twoMatches);
        child<QLineEdit>(w, "txtMaali")->setText(maximum);
        auto* button = child<QPushButton>(w, "cmdHaluttu_Jarjestelma");
        QVERIFY(!button->isEnabled());
        child<QComboBox>(w, "cboJarjestelma")->setEditText(wanted);
        button->click();
        QCOMPARE(child<QComboBox>(w, "cboJarjestelma")->currentText(), size);
        QCOMPARE(labelText(w, "lblRiviMaara"), size);
        QVERIFY(!labelText(w, "lblJarjestelma_arvottu").isEmpty());
        if (twoMatches)
            for (int goal = 0; goal < 12; ++goal)
                QCOMPARE(box(w, "chkVieras2", goal)->isChecked(), goal <= 1);
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
        startOnSystemTab(w, twoMatches);
        child<QLineEdit>(w, "txtMaali")->setText("9");
        tickGrid(w, {{1}});
        child<QComboBox>(w, "cboJarjestelma")->setEditText(wanted);
        child<QPushButton>(w, "cmdHaluttu_Jarjestelma")->click();
        QCOMPARE(MessageBox::shownTexts(),
                 message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(box(w, "chkKoti1", 1)->isChecked()); // nothing drawn, nothing cleared
    }

    void doubleClickFillsGridAndStakes()
    {
        frmSarvento w;
        startOnSystemTab(w, false);
        QTest::mouseDClick(child<QLabel>(w, "lblRivimäärä"), Qt::LeftButton);
        QVERIFY(box(w, "chkVieras3", 11)->isChecked());
        QVERIFY(child<QCheckBox>(w, "Chk200Markka")->isChecked());
        QVERIFY(!child<QCheckBox>(w, "Chk300Markka")->isChecked());
        box(w, "chkKoti1", 0)->setChecked(false); // the count follows at the next change
        QCOMPARE(labelText(w, "lblRiviMaara"), QString::number(11 * 12 * 12 * 12 * 12 * 12));
    }
};

QTEST_MAIN(TestGoalGridTab)
#include "tst_goalgridtab.moc"
