// Net play driven headless; the test stands in for the browser and keeps the addresses.
#include "settings/settingskeys.h"
#include "ui/frmOnNet.h"
#include "ui/instancecheck.h"
#include "ui/urlopener.h"
#include "windowtest.h"

using namespace WindowTest;

class TestFrmOnNet : public HeadlessWindowTest, public UrlOpener
{
    Q_OBJECT

    RowListModel m_rows;
    BetSnapshot m_state;
    std::unique_ptr<frmOnNet> m_window;
    QStringList m_opened;
    bool m_browserOpens = true;

    bool open(const QUrl& url) override
    {
        m_opened << QString::fromLatin1(url.toEncoded());
        return m_browserOpens;
    }
    // "rows=1-1 1-1;2-2 2-2", "system=0,1|2||..." (home 1, away 1, ...), "tab", "host=...",
    // "ini=..." (the settings file), "browser=fails"; "open"; anything else clicks "cmd" + it.
    void step(const QString& step)
    {
        const QString key = step.section('=', 0, 0), value = step.section('=', 1);
        if (key == "rows") {
            m_rows.clear();
            for (const QString& text : value.split(';', Qt::SkipEmptyParts))
                m_rows.appendIfNew(*ScoreRow::fromText(text));
        } else if (key == "system") {
            m_state.grid.clear();
            const QStringList teams = value.split('|');
            for (int team = 0; team < teams.size(); ++team)
                for (const QString& goal : teams[team].split(',', Qt::SkipEmptyParts))
                    m_state.grid.setTicked(team, goal.toInt(), true);
            m_state.systemSize = m_state.grid.size(m_state.columnCount);
        } else if (key == "tab") {
            m_state.systemTabShown = true;
        } else if (key == "host") {
            SettingsStore::write(SettingsKeys::Verkko, SettingsKeys::Palvelin, value);
        } else if (key == "ini") {
            TestFile::write(m_settings, "SarVento/SarVento.ini",
                            "[Verkko]\nPalvelin=" + value.toUtf8() + "\n");
        } else if (key == "browser") {
            m_browserOpens = false;
        } else if (key == "open") {
            m_window = std::make_unique<frmOnNet>([this] { return m_state; }, *this);
        } else {
            child<QPushButton>(*m_window, "cmd" + step)->click();
        }
    }

private slots:
    void init()
    {
        resetBetweenTests(m_settings);
        m_opened.clear();
        m_browserOpens = true;
        m_state = {3, 3, 100, {}, "5", &m_rows, {}, 0, false};
        step("rows=1-2 0-1 2-0;1-0 0-0 0-0;2-2 1-1 0-0;3-1 1-3 2-2;0-0 0-0 0-1");
    }

    void play_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("progress");
        QTest::addColumn<QStringList>("opened"); // query after the stake
        QTest::addColumn<QString>("states");
        QTest::addColumn<QString>("messages");
        const QString sent1 = "h1=1&v1=2&h2=0&v2=1&h3=2&v3=0";
        const QString first = "1/5   (1-2 0-1 2-0)", second = "2/5   (1-0 0-0 0-0)";
        const QString none = "Ei lähetettävää riviä: hae ensin rivit tai järjestelmä.";
        const QString two = "2 riviä jäi pois verkkopelistä, koska niissä ei ole 3 kohdetta.";
        using L = QStringList;
        // clang-format off
        QTest::newRow("system tab") << L{"system=0,1|2|1|0,10|3|3", "tab", "open"} << "( 0,1-2   1-0,10   3-3 )" << L{} << "11100" << "";
        QTest::newRow("system tab, system size 0") << L{"system=0,1||1|1|1|1", "tab", "open"} << first << L{} << "11100" << "";
        QTest::newRow("nothing to take, system of match 3 alone") << L{"rows=", "system=||||1|2", "tab", "open", "Systeemi", "Laheta"} << "" << L{} << "11111" << none;
        QTest::newRow("send, next, send") << L{"open", "Laheta", "NextRivi", "Laheta"} << second << L{sent1, "h1=1&v1=0&h2=0&v2=0&h3=0&v3=0"} << "11100" << "";
        QTest::newRow("all played, list and system left") << L{"rows=1-1 1-1 1-1", "open", "rows=5-5 5-5 5-5", "system=1|1|1|1|1|1", "NextRivi"} << "" << L{} << "00011" << "";
        QTest::newRow("all played, nothing left") << L{"rows=1-1 1-1 1-1", "open", "rows=", "HylkaaRivi"} << "" << L{} << "00000" << "";
        QTest::newRow("taken again") << L{"rows=1-1 1-1 1-1", "open", "NextRivi", "rows=5-5 5-5 5-5", "Rivit", "Laheta"} << "1/1   (5-5 5-5 5-5)" << L{"h1=5&v1=5&h2=5&v2=5&h3=5&v3=5"} << "11100" << "";
        QTest::newRow("system bet") << L{"rows=", "system=0,1||10,11|2|3|3", "open", "Systeemi", "Laheta", "NextRivi"} << "" << L{"h1=0,1&v1=&h2=10,11&v2=2&h3=3&v3=3"} << "00000" << "";
        QTest::newRow("other host configured") << L{"host=bets.example.org", "open", "Laheta"} << first << L{sent1} << "11100" << "";
        QTest::newRow("host with a NUL") << L{"ini=10.0.0.1\\0.example.com", "open", "Laheta"} << "" << L{} << "11111" << "Verkkopelin palvelimen nimi \"10.0.0.1\\u0000.example.com\" ei kelpaa. Korjaa asetus Verkko / Palvelin.\n" + none;
        QTest::newRow("host changed after taking") << L{"open", "host=example.net", "Laheta"} << first << L{} << "11100" << "Osoite ei ole verkkopelin palvelimella, joten sitä ei avata:\nhttps://www.example.com/www4reg?game=multiscore&op=checkGame&T=3&S=S&L=F&stake=1&" + sent1;
        QTest::newRow("browser fails") << L{"browser=fails", "open", "Laheta"} << first << L{sent1} << "11100" << "Selain ei avannut osoitetta. Yritä uudelleen.";
        QTest::newRow("one row of two matches") << L{"rows=1-1 1-1;2-2 2-2 2-2", "open"} << "1/1   (2-2 2-2 2-2)" << L{} << "11100" << "1 rivi jäi pois verkkopelistä, koska siinä ei ole 3 kohdetta.";
        QTest::newRow("two rows left out") << L{"rows=1-1 1-1;2-2 2-2 2-2;0-0 3-3", "open"} << "1/1   (2-2 2-2 2-2)" << L{} << "11100" << two;
        // clang-format on
    }
    void play()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, opened);
        for (const QString& s : steps)
            step(s);
        QTEST(labelText(*m_window, "lblRivi"), "progress");
        const QString host = SettingsStore::read(SettingsKeys::Verkko, SettingsKeys::Palvelin);
        for (QString& query : opened)
            query.prepend("https://" + (host.isEmpty() ? "www.example.com" : host) +
                          "/www4reg?game=multiscore&op=checkGame&T=3&S=S&L=F&stake=1&");
        QCOMPARE(m_opened, opened);
        QString on; // Lähetä, Next, Hylkää, Rivit, Systeemi enabled as 1 or 0
        for (const char* name : {"Laheta", "NextRivi", "HylkaaRivi", "Rivit", "Systeemi"})
            on +=
                QString::number(child<QPushButton>(*m_window, QString("cmd") + name)->isEnabled());
        QTEST(on, "states");
        QTEST(MessageBox::shownTexts().join('\n'), "messages");
    }

    // While the first copy lives another refuses net play, not after.
    void anotherCopy()
    {
        const QString path = m_settings.filePath("instance.lock");
        auto first = std::make_unique<LockFileInstanceCheck>(path);
        LockFileInstanceCheck second(path);
        QVERIFY(frmOnNet::mayOpen(nullptr, *first));
        QVERIFY(!frmOnNet::mayOpen(nullptr, second));
        first.reset();
        QVERIFY(frmOnNet::mayOpen(nullptr, second));
        QCOMPARE(MessageBox::shownTexts().size(), 1);
    }
};

QTEST_MAIN(TestFrmOnNet)
#include "tst_frmonnet.moc"
