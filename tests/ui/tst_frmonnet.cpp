#include "settings/settingskeys.h"
#include "ui/frmOnNet.h"
#include "ui/instancecheck.h"
#include "ui/urlopener.h"
#include "windowtest.h"

using namespace WindowTest;

namespace {
const QString orderBase = "https://www.example.com/www4reg?game=multiscore&op=checkGame&";

class CapturingOpener : public UrlOpener
{
public:
    QStringList opened;
    bool accepts = true;
    bool open(const QUrl& url) override
    {
        opened << QString::fromLatin1(url.toEncoded());
        return accepts;
    }
};

class FixedInstanceCheck : public InstanceCheck
{
public:
    bool running = false;
    bool otherCopyRunning() override { return running; }
};
} // namespace

// Net play driven headless against a main-window state the test builds; the addresses handed
// to the browser are captured.
class TestFrmOnNet : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settingsDir;
    RowListModel m_rows;
    NetPlayState m_state;
    CapturingOpener m_opener;
    std::unique_ptr<frmOnNet> m_window;

    void setRows(const QStringList& texts)
    {
        m_rows.clear();
        std::vector<ScoreRow> rows;
        for (const QString& text : texts)
            rows.push_back(*ScoreRow::fromText(text));
        m_rows.appendAll(rows);
    }
    // Ticks per team as "0,1|2|..." for home 1, away 1, ...; the system size follows.
    void setSystem(const QString& ticks)
    {
        m_state.grid.clear();
        const QStringList teams = ticks.split('|');
        for (int team = 0; team < teams.size(); ++team)
            for (const QString& goal : teams[team].split(',', Qt::SkipEmptyParts))
                m_state.grid.setTicked(team, goal.toInt(), true);
        m_state.systemSize = m_state.grid.size(m_state.columnCount);
    }
    frmOnNet& open()
    {
        m_window = std::make_unique<frmOnNet>([this] { return m_state; }, m_opener);
        return *m_window;
    }
    void click(const QString& name) { child<QPushButton>(*m_window, name)->click(); }
    // Enabled buttons: Lähetä, Next, Hylkää, Rivit, Systeemi as 1 or 0.
    QString states()
    {
        QString s;
        for (const char* name :
             {"cmdLaheta", "cmdNextRivi", "cmdHylkaaRivi", "cmdRivit", "cmdSysteemi"})
            s += child<QPushButton>(*m_window, name)->isEnabled() ? '1' : '0';
        return s;
    }
    QString progress() { return labelText(*m_window, "lblRivi"); }

private slots:
    void initTestCase() { setUpHeadless(m_settingsDir); }
    void init()
    {
        resetBetweenTests(m_settingsDir);
        m_window.reset();
        m_opener = CapturingOpener();
        m_rows.clear();
        m_state = NetPlayState();
        m_state.gameNumber = 3;
        m_state.stakePerRowCents = 100;
        m_state.priceText = "5";
        m_state.rows = &m_rows;
        setRows({"1-2 0-1 2-0", "1-0 0-0 0-0", "2-2 1-1 0-0", "3-1 1-3 2-2", "0-0 0-0 0-1"});
    }

    // What is taken at opening follows the main window's tab and system size.
    void load_data()
    {
        QTest::addColumn<bool>("systemTab");
        QTest::addColumn<QString>("ticks");
        QTest::addColumn<bool>("listEmpty");
        QTest::addColumn<QString>("progress");
        QTest::addColumn<QString>("states");
        // clang-format off
        QTest::newRow("rows tab") << false << "0|1|2|3|4|5" << false << "1/5   (1-2 0-1 2-0)" << "11100";
        QTest::newRow("system tab") << true << "0,1|2|1|0,10|3|3" << false << "( 0,1-2   1-0,10   3-3 )" << "11100";
        QTest::newRow("system tab, system size 0") << true << "0,1||1|1|1|1" << false << "1/5   (1-2 0-1 2-0)" << "11100";
        QTest::newRow("rows tab, list empty") << false << "0|1|2|3|4|5" << true << "" << "11111";
        QTest::newRow("system tab, nothing at all") << true << "" << true << "" << "11111";
        // clang-format on
    }
    void load()
    {
        QFETCH(bool, systemTab);
        QFETCH(QString, ticks);
        QFETCH(bool, listEmpty);
        if (listEmpty)
            m_rows.clear();
        setSystem(ticks);
        m_state.systemTabShown = systemTab;
        frmOnNet& w = open();
        QCOMPARE(w.windowTitle(), "Sarvento OnNet   PELINUMERO: 3  Panos: 1 €  Pelin hinta: 5 €");
        QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
        QTEST(progress(), "progress");
        QTEST(states(), "states");
        QVERIFY(m_opener.opened.isEmpty());
    }

    // Clicks by button name; skipped rows count in the progress, sending never advances.
    void play_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("progress");
        QTest::addColumn<QStringList>("opened"); // query after the stake
        QTest::addColumn<QString>("states");
        // clang-format off
        QTest::newRow("skip row 1") << QStringList{"cmdHylkaaRivi"} << "2/5   (1-0 0-0 0-0)" << QStringList{} << "11100";
        QTest::newRow("send twice") << QStringList{"cmdLaheta", "cmdLaheta"} << "1/5   (1-2 0-1 2-0)" << QStringList{"h1=1&v1=2&h2=0&v2=1&h3=2&v3=0", "h1=1&v1=2&h2=0&v2=1&h3=2&v3=0"} << "11100";
        QTest::newRow("send, next, send") << QStringList{"cmdLaheta", "cmdNextRivi", "cmdLaheta"} << "2/5   (1-0 0-0 0-0)" << QStringList{"h1=1&v1=2&h2=0&v2=1&h3=2&v3=0", "h1=1&v1=0&h2=0&v2=0&h3=0&v3=0"} << "11100";
        QTest::newRow("all played") << QStringList{"cmdNextRivi", "cmdNextRivi", "cmdHylkaaRivi", "cmdNextRivi", "cmdNextRivi"} << "" << QStringList{} << "00010";
        QTest::newRow("taken again, sent") << QStringList{"cmdNextRivi", "cmdNextRivi", "cmdHylkaaRivi", "cmdNextRivi", "cmdNextRivi", "cmdRivit", "cmdLaheta"} << "1/5   (1-2 0-1 2-0)" << QStringList{"h1=1&v1=2&h2=0&v2=1&h3=2&v3=0"} << "11100";
        // clang-format on
    }
    void play()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, opened);
        open();
        for (const QString& name : clicks)
            click(name);
        QTEST(progress(), "progress");
        for (QString& query : opened)
            query.prepend(orderBase + "T=3&S=S&L=F&stake=1&");
        QCOMPARE(m_opener.opened, opened);
        QTEST(states(), "states");
    }

    // After the last bet the take buttons follow what the main window has at that moment.
    void allPlayed_data()
    {
        QTest::addColumn<bool>("system");
        QTest::addColumn<int>("rowsLeft");
        QTest::addColumn<QString>("ticksLeft");
        QTest::addColumn<QString>("states");
        // clang-format off
        QTest::newRow("rows; list and system left") << false << 2 << "1|1|1|1|1|1" << "00011";
        QTest::newRow("rows; nothing left") << false << 0 << "" << "00000";
        QTest::newRow("system; list left") << true << 1 << "" << "00010";
        QTest::newRow("system; system left") << true << 0 << "2|2|2|2|2|2" << "00001";
        // clang-format on
    }
    void allPlayed()
    {
        QFETCH(bool, system);
        QFETCH(int, rowsLeft);
        QFETCH(QString, ticksLeft);
        setRows({"1-1 1-1 1-1", "2-2 2-2 2-2"});
        setSystem("0,1|2|3|4|5|6,7");
        m_state.systemTabShown = system;
        open();
        click("cmdLaheta");
        setRows(QStringList{"5-5 5-5 5-5", "6-6 6-6 6-6"}.mid(0, rowsLeft));
        setSystem(ticksLeft);
        for (int i = 0; i < 2; ++i)
            click("cmdNextRivi");
        QCOMPARE(progress(), QString());
        QTEST(states(), "states");
    }

    // The system is one bet; its address holds the ticked goal lists.
    void systemBet()
    {
        m_rows.clear();
        m_state.columnCount = 2;
        m_state.stakePerRowCents = 50;
        setSystem("0,1||10,11|2|5|5");
        open();
        QCOMPARE(states(), "11111");
        click("cmdSysteemi");
        QCOMPARE(progress(), "( 0,1-   10,11-2 )");
        click("cmdLaheta");
        QCOMPARE(m_opener.opened,
                 QStringList{orderBase + "T=3&S=S&L=F&stake=0,5&h1=0,1&v1=&h2=10,11&v2=2"});
        click("cmdNextRivi");
        QCOMPARE(progress(), QString());
        QCOMPARE(states(), "00000");
    }

    // Nothing that cannot be played reaches the browser; the player is told why.
    void refusals_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("hostAtSend");
        QTest::addColumn<bool>("browserOpens");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("opened");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("states"); // after sending
        const QStringList three{"1-1 1-1 1-1"};
        // clang-format off
        QTest::newRow("other host configured") << "bets.example.org" << "bets.example.org" << true << three << 1 << "" << "11100";
        QTest::newRow("host with a path") << "example.org/x?y=1" << "example.org/x?y=1" << true << three << 0 << "Verkkopelin palvelimen nimi \"example.org/x?y=1\" ei kelpaa. Korjaa asetus Verkko / Palvelin.\nEi lähetettävää riviä: hae ensin rivit tai järjestelmä." << "11111";
        QTest::newRow("host changed after taking") << "" << "example.net" << true << three << 0 << "Osoite ei ole verkkopelin palvelimella, joten sitä ei avata:\nhttps://www.example.com/www4reg?game=multiscore&op=checkGame&T=3&S=S&L=F&stake=1&h1=1&v1=1&h2=1&v2=1&h3=1&v3=1" << "11100";
        QTest::newRow("browser does not open") << "" << "" << false << three << 1 << "Selain ei avannut osoitetta. Yritä uudelleen." << "11100";
        QTest::newRow("one row of two matches") << "" << "" << true << QStringList{"1-1 1-1", "2-2 2-2 2-2"} << 1 << "1 rivi jäi pois verkkopelistä, koska siinä ei ole 3 kohdetta." << "11100";
        QTest::newRow("every row of two matches") << "" << "" << true << QStringList{"1-1 1-1", "2-2 2-2"} << 0 << "2 riviä jäi pois verkkopelistä, koska niissä ei ole 3 kohdetta.\nEi lähetettävää riviä: hae ensin rivit tai järjestelmä." << "11111";
        // clang-format on
    }
    void refusals()
    {
        QFETCH(QString, host);
        QFETCH(QString, hostAtSend);
        QFETCH(bool, browserOpens);
        QFETCH(QStringList, rows);
        QFETCH(int, opened);
        SettingsStore::write(SettingsKeys::Verkko, SettingsKeys::Palvelin, host);
        m_opener.accepts = browserOpens;
        setRows(rows);
        open();
        SettingsStore::write(SettingsKeys::Verkko, SettingsKeys::Palvelin, hostAtSend);
        click("cmdLaheta");
        QCOMPARE(m_opener.opened.size(), opened);
        QTEST(MessageBox::shownTexts().join('\n'), "message");
        QTEST(states(), "states");
    }

    // "Lopeta" and the window's own close control both end play, once.
    void finish_data()
    {
        QTest::addColumn<bool>("byButton");
        // clang-format off
        QTest::newRow("Lopeta") << true;
        QTest::newRow("close control") << false;
        // clang-format on
    }
    void finish()
    {
        QFETCH(bool, byButton);
        frmOnNet& w = open();
        w.show();
        QSignalSpy finished(&w, &frmOnNet::finished);
        if (byButton)
            click("cmdLopeta");
        else
            w.close();
        w.close();
        QCOMPARE(finished.count(), 1);
        QVERIFY(!w.isVisible());
    }

    void mayOpen_data()
    {
        QTest::addColumn<bool>("otherRunning");
        QTest::addColumn<QStringList>("messages");
        // clang-format off
        QTest::newRow("alone") << false << QStringList{};
        QTest::newRow("another copy") << true << QStringList{"Toinen Sarvento-ohjelma on jo käynnissä. Verkkopeliä voi pelata vain yhdestä ohjelmasta kerrallaan."};
        // clang-format on
    }
    void mayOpen()
    {
        QFETCH(bool, otherRunning);
        FixedInstanceCheck check;
        check.running = otherRunning;
        QCOMPARE(frmOnNet::mayOpen(nullptr, check), !otherRunning);
        QTEST(MessageBox::shownTexts(), "messages");
    }

    // The first copy holds the lock while it lives; a later one takes it over after it ends.
    void lockFile()
    {
        const QString path = m_settingsDir.filePath("instance.lock");
        auto first = std::make_unique<LockFileInstanceCheck>(path);
        LockFileInstanceCheck second(path);
        QVERIFY(!first->otherCopyRunning());
        QVERIFY(second.otherCopyRunning());
        first.reset();
        QVERIFY(!second.otherCopyRunning());
    }
};

QTEST_MAIN(TestFrmOnNet)
#include "tst_frmonnet.moc"
