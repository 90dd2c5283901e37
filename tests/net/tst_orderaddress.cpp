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
        // clang-format off
        QTest::newRow("three matches") << 3 << 3 << qint64(100) << "1-2 0-1 2-0" << "T=3&S=S&L=F&stake=1&h1=1&v1=2&h2=0&v2=1&h3=2&v3=0";
        QTest::newRow("two matches") << 2 << 6 << qint64(100) << "3-0 1-1" << "T=6&S=S&L=F&stake=1&h1=3&v1=0&h2=1&v2=1";
        QTest::newRow("stake 0,5") << 2 << 1 << qint64(50) << "0-0 0-0" << "T=1&S=S&L=F&stake=0,5&h1=0&v1=0&h2=0&v2=0";
        QTest::newRow("stake 3") << 2 << 2 << qint64(300) << "0-0 0-0" << "T=2&S=S&L=F&stake=3&h1=0&v1=0&h2=0&v2=0";
        QTest::newRow("goals 10 and 11") << 3 << 1 << qint64(100) << "10-11 0-1 11-2" << "T=1&S=S&L=F&stake=1&h1=10&v1=11&h2=0&v2=1&h3=11&v3=2";
        QTest::newRow("two matches in a three-match game") << 3 << 1 << qint64(100) << "1-2 0-1" << "";
        QTest::newRow("three matches in a two-match game") << 2 << 1 << qint64(100) << "1-2 0-1 2-0" << "";
        QTest::newRow("missing goal") << 3 << 1 << qint64(100) << "1-2 0-1 2-" << "";
        QTest::newRow("trailing text") << 3 << 1 << qint64(100) << "1-2 0-1 2-0&x=1" << "";
        // clang-format on
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
        // clang-format off
        QTest::newRow("three matches") << 3 << "0,1|2|1|0,1,2|3|3" << "h1=0,1&v1=2&h2=1&v2=0,1,2&h3=3&v3=3" << "0,1-2   1-0,1,2   3-3";
        QTest::newRow("empty column") << 3 << "0,1||2|2|2|2" << "h1=0,1&v1=&h2=2&v2=2&h3=2&v3=2" << "0,1-   2-2   2-2";
        QTest::newRow("goals 10 and 11") << 2 << "0,10,11|11|10|0" << "h1=0,10,11&v1=11&h2=10&v2=0" << "0,10,11-11   10-0";
        QTest::newRow("match 3 left out with two") << 2 << "1|1|1|1|5|5" << "h1=1&v1=1&h2=1&v2=1" << "1-1   1-1";
        // clang-format on
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
        // clang-format off
        QTest::newRow("plain") << "bets.example.org" << "bets.example.org";
        QTest::newRow("capitals") << "Bets.Example.ORG" << "bets.example.org";
        QTest::newRow("with a path") << "example.org/evil?x=1" << "";
        QTest::newRow("with a port") << "example.org:8080" << "";
        QTest::newRow("with a user") << "me@example.org" << "";
        // clang-format on
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

    void mayOpen_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("allowed");
        const QString query = "?game=multiscore&T=1";
        // clang-format off
        QTest::newRow("order address") << "https://www.example.com/www4reg" + query << true;
        QTest::newRow("plain http") << "http://www.example.com/www4reg" + query << false;
        QTest::newRow("other host") << "https://www.example.net/www4reg" + query << false;
        QTest::newRow("subdomain") << "https://www.example.com.evil.net/www4reg" << false;
        QTest::newRow("other path") << "https://www.example.com/other" + query << false;
        QTest::newRow("port") << "https://www.example.com:444/www4reg" + query << false;
        // clang-format on
    }
    void mayOpen()
    {
        QFETCH(QString, url);
        QTEST(OrderAddress::mayOpen(QUrl(url), OrderAddress::DefaultHost), "allowed");
    }

    // The system is one bet; it replaces rows in play, and a grid without ticks in matches 1
    // and 2 changes nothing.
    void queueSystem_data()
    {
        QTest::addColumn<QString>("ticks");
        QTest::addColumn<QString>("progress");
        // clang-format off
        QTest::newRow("system") << "0,1|2|1|0,1,2|3|3" << "( 0,1-2   1-0,1,2   3-3 )";
        QTest::newRow("only match 3") << "||||1|2" << "1/1   (1-1 1-1 1-1)";
        // clang-format on
    }
    void queueSystem()
    {
        QFETCH(QString, ticks);
        NetPlayQueue queue;
        queue.takeRows({row("1-1 1-1 1-1")}, address(3));
        queue.takeSystem(grid(ticks), address(3));
        QTEST(queue.progressText(), "progress");
        queue.advance();
        QVERIFY(!queue.isPlaying());
    }
};

QTEST_GUILESS_MAIN(OrderAddressTest)
#include "tst_orderaddress.moc"
