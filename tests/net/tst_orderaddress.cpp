#include "net/netplayqueue.h"
#include "net/orderaddress.h"
#include <QtTest>

namespace {
const QLocale finnish(QLocale::Finnish, QLocale::Finland);
const QString base = "https://www.example.com/www4reg?game=multiscore&op=checkGame&";

OrderAddress address(int columns, int game = 1, qint64 stakeCents = 100)
{
    return *OrderAddress::make(OrderAddress::DefaultHost, game, stakeCents, columns, finnish);
}

ScoreRow row(const char* text)
{
    return *ScoreRow::fromText(QString::fromLatin1(text));
}

// Ticks per team written as "0,1|2||||": goals of home 1, away 1, ... separated by "|".
GoalGrid grid(const QString& ticks)
{
    GoalGrid g;
    const QStringList teams = ticks.split('|');
    for (int team = 0; team < teams.size(); ++team)
        for (const QString& goal : teams[team].split(',', Qt::SkipEmptyParts))
            g.setTicked(team, goal.toInt(), true);
    return g;
}

QStringList played(NetPlayQueue& queue)
{
    QStringList seen;
    for (int guard = 0; queue.isPlaying() && guard < 100; ++guard) {
        seen << queue.progressText();
        queue.advance();
    }
    return seen;
}
} // namespace

class OrderAddressTest : public QObject
{
    Q_OBJECT

private slots:
    void rowAddress_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("game");
        QTest::addColumn<qint64>("stakeCents");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("query"); // empty: refused
        QTest::newRow("three matches") << 3 << 3 << qint64(100) << "1-2 0-1 2-0"
                                       << "T=3&S=S&L=F&stake=1&h1=1&v1=2&h2=0&v2=1&h3=2&v3=0";
        QTest::newRow("two matches") << 2 << 6 << qint64(100) << "3-0 1-1"
                                     << "T=6&S=S&L=F&stake=1&h1=3&v1=0&h2=1&v2=1";
        QTest::newRow("stake 0,5") << 2 << 1 << qint64(50) << "0-0 0-0"
                                   << "T=1&S=S&L=F&stake=0,5&h1=0&v1=0&h2=0&v2=0";
        QTest::newRow("stake 3") << 2 << 2 << qint64(300) << "0-0 0-0"
                                 << "T=2&S=S&L=F&stake=3&h1=0&v1=0&h2=0&v2=0";
        QTest::newRow("goals 10 and 11") << 3 << 1 << qint64(100) << "10-11 0-1 11-2"
                                         << "T=1&S=S&L=F&stake=1&h1=10&v1=11&h2=0&v2=1&h3=11&v3=2";
        QTest::newRow("two matches in a three-match game") << 3 << 1 << qint64(100) << "1-2 0-1"
                                                           << "";
        QTest::newRow("three matches in a two-match game") << 2 << 1 << qint64(100) << "1-2 0-1 2-0"
                                                           << "";
        QTest::newRow("missing goal") << 3 << 1 << qint64(100) << "1-2 0-1 2-"
                                      << "";
        QTest::newRow("trailing text") << 3 << 1 << qint64(100) << "1-2 0-1 2-0&x=1"
                                       << "";
        QTest::newRow("letters") << 2 << 1 << qint64(100) << "a-b c-d"
                                 << "";
        QTest::newRow("double blank") << 2 << 1 << qint64(100) << "1-2  0-1"
                                      << "";
        QTest::newRow("empty") << 2 << 1 << qint64(100) << ""
                               << "";
    }
    void rowAddress()
    {
        QFETCH(int, columns);
        QFETCH(int, game);
        QFETCH(qint64, stakeCents);
        QFETCH(QString, row);
        QFETCH(QString, query);
        const std::optional<QUrl> url = address(columns, game, stakeCents).forRowText(row);
        QCOMPARE(url.has_value(), !query.isEmpty());
        if (url)
            QCOMPARE(QString::fromLatin1(url->toEncoded()), base + query);
    }

    void systemAddress_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("ticks");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("shown");
        QTest::newRow("three matches") << 3 << "0,1|2|1|0,1,2|3|3"
                                       << "h1=0,1&v1=2&h2=1&v2=0,1,2&h3=3&v3=3"
                                       << "0,1-2   1-0,1,2   3-3";
        QTest::newRow("empty column") << 3 << "0,1||2|2|2|2"
                                      << "h1=0,1&v1=&h2=2&v2=2&h3=2&v3=2"
                                      << "0,1-   2-2   2-2";
        QTest::newRow("goals 10 and 11") << 2 << "0,10,11|11|10|0"
                                         << "h1=0,10,11&v1=11&h2=10&v2=0"
                                         << "0,10,11-11   10-0";
        QTest::newRow("match 3 left out with two") << 2 << "1|1|1|1|5|5"
                                                   << "h1=1&v1=1&h2=1&v2=1"
                                                   << "1-1   1-1";
    }
    void systemAddress()
    {
        QFETCH(int, columns);
        QFETCH(QString, ticks);
        QFETCH(QString, query);
        const GoalGrid g = grid(ticks);
        const QUrl url = address(columns, 4, 50).forSystem(g);
        QCOMPARE(QString::fromLatin1(url.toEncoded()), base + "T=4&S=S&L=F&stake=0,5&" + query);
        QTEST(SystemText::describe(g, columns), "shown");
    }

    // Only a plain host name is taken from the settings.
    void host_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("used"); // empty: refused
        QTest::newRow("plain") << "bets.example.org"
                               << "bets.example.org";
        QTest::newRow("capitals") << "Bets.Example.ORG"
                                  << "bets.example.org";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("with a path") << "example.org/evil?x=1"
                                     << "";
        QTest::newRow("with a port") << "example.org:8080"
                                     << "";
        QTest::newRow("with a user") << "me@example.org"
                                     << "";
        QTest::newRow("with a scheme") << "http://example.org"
                                       << "";
        QTest::newRow("with a blank") << "example .org"
                                      << "";
    }
    void host()
    {
        QFETCH(QString, host);
        QFETCH(QString, used);
        const auto made = OrderAddress::make(host, 1, 100, 2, finnish);
        QCOMPARE(made.has_value(), !used.isEmpty());
        if (made)
            QCOMPARE(made->forRow(row("1-1 1-1"))->host(), used);
    }

    void makeRefusesGameAndColumns()
    {
        QVERIFY(!OrderAddress::make("example.org", 0, 100, 3));
        QVERIFY(!OrderAddress::make("example.org", 7, 100, 3));
        QVERIFY(!OrderAddress::make("example.org", 1, 100, 4));
    }

    void mayOpen_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("allowed");
        const QString query = "?game=multiscore&T=1";
        QTest::newRow("order address") << "https://www.example.com/www4reg" + query << true;
        QTest::newRow("host in capitals") << "https://WWW.example.com/www4reg" + query << true;
        QTest::newRow("plain http") << "http://www.example.com/www4reg" + query << false;
        QTest::newRow("other host") << "https://www.example.net/www4reg" + query << false;
        QTest::newRow("subdomain") << "https://www.example.com.evil.net/www4reg" << false;
        QTest::newRow("other path") << "https://www.example.com/other" + query << false;
        QTest::newRow("port") << "https://www.example.com:444/www4reg" + query << false;
        QTest::newRow("user") << "https://me@www.example.com/www4reg" + query << false;
        QTest::newRow("file") << "file:///etc/passwd" << false;
        QTest::newRow("empty") << "" << false;
    }
    void mayOpen()
    {
        QFETCH(QString, url);
        QTEST(OrderAddress::mayOpen(QUrl(url), OrderAddress::DefaultHost), "allowed");
    }

    // Rows of the wrong match count are left out; skipped rows count in the progress.
    void queueRows_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("refused");
        QTest::addColumn<QStringList>("progress");
        QTest::newRow("three rows")
            << 3 << QStringList{"1-2 0-1 2-0", "0-0 0-0 0-0", "10-1 1-11 2-2"} << 0
            << QStringList{"1/3   (1-2 0-1 2-0)", "2/3   (0-0 0-0 0-0)", "3/3   (10-1 1-11 2-2)"};
        QTest::newRow("one row") << 2 << QStringList{"3-1 1-3"} << 0
                                 << QStringList{"1/1   (3-1 1-3)"};
        QTest::newRow("mixed counts")
            << 2 << QStringList{"1-1 1-1 1-1", "2-2 2-2", "3-3 3-3 3-3", "4-4 4-4"} << 2
            << QStringList{"1/2   (2-2 2-2)", "2/2   (4-4 4-4)"};
        QTest::newRow("none fits") << 3 << QStringList{"1-1 1-1"} << 1 << QStringList{};
        QTest::newRow("empty list") << 3 << QStringList{} << 0 << QStringList{};
    }
    void queueRows()
    {
        QFETCH(int, columns);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, progress);
        std::vector<ScoreRow> scoreRows;
        for (const QString& text : rows)
            scoreRows.push_back(*ScoreRow::fromText(text));
        NetPlayQueue queue;
        const NetPlayQueue::Taken taken = queue.takeRows(scoreRows, address(columns));
        QCOMPARE(taken.queued, progress.size());
        QTEST(taken.refused, "refused");
        QCOMPARE(played(queue), progress);
        QVERIFY(queue.currentAddress().isEmpty());
        QVERIFY(queue.progressText().isEmpty());
    }

    // The current address follows the current row.
    void queueAddressFollowsRow()
    {
        NetPlayQueue queue;
        queue.takeRows({row("1-2 0-1"), row("3-4 5-6")}, address(2));
        queue.advance();
        QVERIFY(queue.currentAddress().toString().endsWith("h1=3&v1=4&h2=5&v2=6"));
    }

    // The system is one bet; it replaces rows in play, and a grid without ticks in matches 1
    // and 2 changes nothing.
    void queueSystem_data()
    {
        QTest::addColumn<QString>("ticks");
        QTest::addColumn<QStringList>("progress");
        QTest::newRow("system") << "0,1|2|1|0,1,2|3|3" << QStringList{"( 0,1-2   1-0,1,2   3-3 )"};
        QTest::newRow("one team ticked") << "|||4||" << QStringList{"( -   -4   - )"};
        QTest::newRow("only match 3")
            << "||||1|2" << QStringList{"1/2   (1-1 1-1 1-1)", "2/2   (2-2 2-2 2-2)"};
        QTest::newRow("nothing") << "" << QStringList{"1/2   (1-1 1-1 1-1)", "2/2   (2-2 2-2 2-2)"};
    }
    void queueSystem()
    {
        QFETCH(QString, ticks);
        NetPlayQueue queue;
        queue.takeRows({row("1-1 1-1 1-1"), row("2-2 2-2 2-2")}, address(3));
        queue.takeSystem(grid(ticks), address(3));
        QTEST(played(queue), "progress");
    }
};

QTEST_GUILESS_MAIN(OrderAddressTest)
#include "tst_orderaddress.moc"
