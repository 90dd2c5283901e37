#include "ui/GoalGridTab.h"
#include "windowtest.h"
#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>

using namespace WindowTest;

// The goal-grid tab of the main window: counting, pricing, listing and the random systems.
class TestGoalGridTab : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settingsDir;
    std::unique_ptr<GeneratorRandom> m_random;

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
    static bool startOnSystemTab(frmSarvento& w, bool twoMatches)
    {
        if (!start(w))
            return false;
        MessageBox::setNextAnswer(true);
        if (twoMatches && !chooseMenuItem(w, "MnuSarake2"))
            return false;
        MessageBox::reset();
        child<QTabWidget>(w, "SSTab1")->setCurrentIndex(1);
        return true;
    }

private slots:
    void initTestCase() { setUpHeadless(m_settingsDir); }
    void init()
    {
        resetBetweenTests(m_settingsDir);
        m_random = std::make_unique<GeneratorRandom>(13);
    }

    void sizeAndPriceFollowTicks()
    {
        frmSarvento w(*m_random);
        QVERIFY(startOnSystemTab(w, true));
        child<QCheckBox>(w, "Chk5Markka")->setChecked(true); // 1,2 per row
        tickGrid(w, {{1, 2}, {0}, {3}, {0, 1, 2}, {7}});     // third grid ignored
        QCOMPARE(labelText(w, "lblRiviMaara"), QStringLiteral("6"));
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("7,2"));
        box(w, "chkVieras1", 0)->setChecked(false);
        QCOMPARE(labelText(w, "lblRiviMaara"), QStringLiteral("0"));
        QCOMPARE(labelText(w, "lblKokoHinta"), QString());
    }

    // A system is listed whole, also rows the list holds already.
    void listing_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("rows");
        const QStringList system{"0-0 0-0", "0-0 0-3", "1-0 0-0", "1-0 0-3"};
        QTest::newRow("old rows removed") << true << system;
        QTest::newRow("old rows kept") << false << QStringList{"0-0 0-0"} + system;
    }
    void listing()
    {
        QFETCH(bool, answer);
        QFETCH(QStringList, rows);
        frmSarvento w(*m_random);
        QVERIFY(startOnSystemTab(w, true));
        child<QLineEdit>(w, "txtMaali")->setText("0");
        child<QPushButton>(w, "cmdArvo_Tulokset")->click();
        tickGrid(w, {{0, 1}, {0}, {0}, {0, 3}, {4, 5}});
        MessageBox::setNextAnswer(answer);
        child<QPushButton>(w, "cmdListaa_Rivit")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Poistetaanko listalla jo olevat rivit? "});
        QCOMPARE(listed(w.rowList()), rows);
        QCOMPARE(labelText(w, "lblArvottu"), QString::number(rows.size()));
        // Clearing empties the grid; an empty system lists nothing.
        child<QPushButton>(w, "cmdNollaaSysteemi")->click();
        child<QPushButton>(w, "cmdListaa_Rivit")->click();
        QCOMPARE(w.rowList().count(), rows.size());
    }

    void wantedSystem_data()
    {
        QTest::addColumn<bool>("twoMatches");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("size"); // 0: refused, the grid as it was; -1: searched, gave up
        QTest::addColumn<QString>("message");
        // clang-format off
        // Typed sizes are not completed to listed ones ("12", "54").
        QTest::newRow("typed 1 stays 1") << false << 9 << "1" << 1 << QString();
        QTest::newRow("typed 5 stays 5, not reached") << false << 9 << "5" << -1 << QString();
        QTest::newRow("capped to the full 0-1 system") << true << 1 << "100" << 16 << QString();
        QTest::newRow("maximum 0 gives one row") << false << 0 << "500" << 1 << QString();
        QTest::newRow("above 32767") << false << 9 << "36000" << 36000 << QString();
        QTest::newRow("no such size") << false << 9 << "13" << -1 << QString();
        QTest::newRow("zero does nothing") << false << 9 << "0" << 0 << QString();
        QTest::newRow("letters") << false << 9 << "paljon" << 0 << QStringLiteral("Anna järjestelmän kooksi kokonaisluku.");
        QTest::newRow("too large, two") << true << 9 << "20737" << 0 << QStringLiteral("Suurin mahdollinen järjestelmä on 20736 riviä.");
        // clang-format on
    }
    void wantedSystem()
    {
        QFETCH(bool, twoMatches);
        QFETCH(int, maximum);
        QFETCH(QString, typed);
        QFETCH(int, size);
        QFETCH(QString, message);
        frmSarvento w(*m_random);
        QVERIFY(startOnSystemTab(w, twoMatches));
        tickGrid(w, {{1, 2}, {0}, {0}, {0}, {0}, {0}});
        QCOMPARE(labelText(w, "lblRiviMaara"), QStringLiteral("2"));
        child<QLineEdit>(w, "txtMaali")->setText(QString::number(maximum));
        auto* button = child<QPushButton>(w, "cmdHaluttu_Jarjestelma");
        QVERIFY(!button->isEnabled());
        auto* wanted = child<QComboBox>(w, "cboJarjestelma");
        // Typed into the focused box of an active window: only then would completion act.
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        wanted->lineEdit()->setFocus();
        QTest::keyClicks(wanted->lineEdit(), typed);

        button->click();
        QCOMPARE(MessageBox::shownTexts(),
                 message.isEmpty() ? QStringList() : QStringList{message});
        if (size == 0) {
            QVERIFY(box(w, "chkKoti1", 2)->isChecked()); // nothing drawn, nothing cleared
            QCOMPARE(labelText(w, "lblRiviMaara"), QStringLiteral("2"));
            return;
        }
        QCOMPARE(wanted->currentText(), size > 0 ? QString::number(size) : typed);
        QCOMPARE(labelText(w, "lblRiviMaara"), QString::number(qMax(size, 0)));
        QCOMPARE(labelText(w, "lblJarjestelma_arvottu").isEmpty(), size < 0);
        QCOMPARE(w.goalGrid().shownSize(), qint64(qMax(size, 0)));
        if (size < 0)
            QVERIFY(!box(w, "chkKoti1", 2)->isChecked());
        if (twoMatches)
            for (int goal = 0; goal < 12; ++goal)
                QCOMPARE(box(w, "chkVieras2", goal)->isChecked(), goal <= 1);
    }

    void doubleClickFillsGridAndStakes()
    {
        frmSarvento w(*m_random);
        QVERIFY(startOnSystemTab(w, false));
        QTest::mouseDClick(child<QLabel>(w, "lblRivimäärä"), Qt::LeftButton);
        QVERIFY(child<QCheckBox>(w, "Chk200Markka")->isChecked());
        QVERIFY(!child<QCheckBox>(w, "Chk300Markka")->isChecked());
        box(w, "chkKoti1", 0)->setChecked(false); // the count follows at the next change
        QCOMPARE(labelText(w, "lblRiviMaara"), QString::number(11 * 12 * 12 * 12 * 12 * 12));
    }
};

QTEST_MAIN(TestGoalGridTab)
#include "tst_goalgridtab.moc"
