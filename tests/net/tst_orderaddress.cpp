#include "net/orderaddress.h"
#include <QtTest>

namespace {
const QString base = "https://www.example.com/www4reg?game=multiscore&op=checkGame&T=3&S=S&L=F&";

// Ticks per team as "0,1|2||...": home 1, away 1, home 2, ...
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
    // A row's goals or, with "|" in the input, the system's ticks.
    void orderAddress_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("stakeCents");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("query");
        // clang-format off
        QTest::newRow("two matches, stake 0,5") << 2 << 50 << "3-0 1-1" << "stake=0,5&h1=3&v1=0&h2=1&v2=1";
        QTest::newRow("system, empty column") << 3 << 100 << "0,1||2|0,1,2|3|3" << "stake=1&h1=0,1&v1=&h2=2&v2=0,1,2&h3=3&v3=3";
        QTest::newRow("system, goals 10 and 11, match 3 left out") << 2 << 100 << "0,10,11|11|10|0|5|5" << "stake=1&h1=0,10,11&v1=11&h2=10&v2=0";
        // clang-format on
    }
    void orderAddress()
    {
        QFETCH(int, columns);
        QFETCH(int, stakeCents);
        QFETCH(QString, input);
        QFETCH(QString, query);
        const OrderAddress made = *OrderAddress::make(OrderAddress::DefaultHost, 3, stakeCents,
                                                      columns, QLocale(QLocale::Finnish));
        const std::optional<QUrl> url =
            input.contains('|') ? made.forSystem(grid(input)) : made.forRowText(input);
        QCOMPARE(QString::fromLatin1(url.value_or(QUrl()).toEncoded()), base + query);
    }

    // The host setting is edited by hand: taken in small letters, and a hidden character must not
    // make the address lead elsewhere than the text shows. Control characters, ports and users:
    // see the fuzz target.
    void hosts()
    {
        const auto address = OrderAddress::make("Bets.Example.ORG", 1, 100, 2);
        QCOMPARE(address->forRowText(u"1-0 0-1")->host(), "bets.example.org");
        QVERIFY(
            OrderAddress::mayOpen(QUrl("https://bets.example.org/www4reg"), "Bets.Example.ORG"));
        const QString hidden = QString("www.exam") + QChar(0x200b) + "ple.com";
        QVERIFY(!OrderAddress::make(hidden, 1, 100, 2));
        QVERIFY(!OrderAddress::mayOpen(QUrl("https://www.example.com/www4reg"), hidden));
    }

    // Only https order addresses on exactly the configured host reach the browser: a host that
    // merely ends or starts with its name is someone else's.
    void mayOpen_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("opened");
        const QString www = OrderAddress::DefaultHost;
        // clang-format off
        QTest::newRow("the order address") << www << "https://www.example.com/www4reg?T=1" << true;
        QTest::newRow("plain http") << www << "http://www.example.com/www4reg?T=1" << false;
        QTest::newRow("another port") << www << "https://www.example.com:444/www4reg?T=1" << false;
        QTest::newRow("another path") << www << "https://www.example.com/www4reg/../x?T=1" << false;
        QTest::newRow("a user") << www << "https://me@www.example.com/www4reg?T=1" << false;
        QTest::newRow("name ends the host") << "example.com" << "https://evil-example.com/www4reg" << false;
        QTest::newRow("name as a subdomain") << "example.com" << "https://www.example.com/www4reg" << false;
        QTest::newRow("name starts the host") << www << "https://www.example.com.evil.net/www4reg" << false;
        QTest::newRow("configured subdomain, url its parent") << www << "https://example.com/www4reg" << false;
        // clang-format on
    }
    void mayOpen()
    {
        QFETCH(QString, host);
        QFETCH(QString, url);
        QTEST(OrderAddress::mayOpen(QUrl(url), host), "opened");
    }
};

QTEST_GUILESS_MAIN(OrderAddressTest)
#include "tst_orderaddress.moc"
