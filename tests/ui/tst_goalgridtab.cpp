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
        child<QPushButton>(w, "cmdNollaaSysteemi")->click();
        child<QPushButton>(w, "cmdListaa_Rivit")->click();
        QCOMPARE(w.rowList().count(), rows);
    }

    void wantedSystem_data()
    {
        QTest::addColumn<bool>("twoMatches");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<int>("size"); // 0: refused, the grid as it was
        QTest::addColumn<QString>("message");
        QTest::newRow("capped to the full 0-1 system") << true << 1 << "100" << 16 << QString();
        QTest::newRow("maximum 0 gives one row") << false << 0 << "500" << 1 << QString();
        QTest::newRow("above 32767") << false << 9 << "36000" << 36000 << QString();
        QTest::newRow("zero does nothing") << false << 9 << "0" << 0 << QString();
        QTest::newRow("letters") << false << 9 << "paljon" << 0
                                 << QStringLiteral("Anna järjestelmän kooksi kokonaisluku.");
        QTest::newRow("too large, two")
            << true << 9 << "20737" << 0
            << QStringLiteral("Suurin mahdollinen järjestelmä on 20736 riviä.");
    }
    void wantedSystem()
    {
        QFETCH(bool, twoMatches);
        QFETCH(int, maximum);
        QFETCH(QString, wanted);
        QFETCH(int, size);
        QFETCH(QString, message);
        GeneratorRandom random(13);
        frmSarvento w(random);
        startOnSystemTab(w, twoMatches);
        tickGrid(w, {{1, 2}});
        child<QLineEdit>(w, "txtMaali")->setText(QString::number(maximum));
        auto* button = child<QPushButton>(w, "cmdHaluttu_Jarjestelma");
        QVERIFY(!button->isEnabled());
        child<QComboBox>(w, "cboJarjestelma")->setEditText(wanted);
        button->click();
        QCOMPARE(MessageBox::shownTexts(),
                 message.isEmpty() ? QStringList() : QStringList{message});
        if (size == 0) {
            QVERIFY(box(w, "chkKoti1", 2)->isChecked()); // nothing drawn, nothing cleared
            return;
        }
        QCOMPARE(child<QComboBox>(w, "cboJarjestelma")->currentText(), QString::number(size));
        QCOMPARE(labelText(w, "lblRiviMaara"), QString::number(size));
        QVERIFY(!labelText(w, "lblJarjestelma_arvottu").isEmpty());
        if (twoMatches)
            for (int goal = 0; goal < 12; ++goal)
                QCOMPARE(box(w, "chkVieras2", goal)->isChecked(), goal <= 1);
    }

    void doubleClickFillsGridAndStakes()
    {
        frmSarvento w;
        startOnSystemTab(w, false);
        QTest::mouseDClick(child<QLabel>(w, "lblRivimäärä"), Qt::LeftButton);
        QVERIFY(child<QCheckBox>(w, "Chk200Markka")->isChecked());
        box(w, "chkKoti1", 0)->setChecked(false); // the count follows at the next change
        QCOMPARE(labelText(w, "lblRiviMaara"), QString::number(11 * 12 * 12 * 12 * 12 * 12));
    }
};

QTEST_MAIN(TestGoalGridTab)
#include "tst_goalgridtab.moc"
