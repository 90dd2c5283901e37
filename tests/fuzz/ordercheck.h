#pragma once
// What every order address handed to the browser must be, wherever its host came from: https
// on the configured host, the fixed path, exactly the expected query keys in their order, and
// as text nothing a shell or a browser could read another way.
#include "core/money.h"
#include "net/orderaddress.h"
#include "tests/fuzz/fuzzcheck.h"
#include <QUrlQuery>

namespace OrderCheck {

// goals: the expected value of each team key in use ("2", or "0,1,10" for a system).
inline void checkUrl(const QUrl& url, const OrderAddress& address, const QString& configured,
                     int game, qint64 stakeCents, const QLocale& locale, const QStringList& goals)
{
    FUZZ_CHECK(url.isValid() && url.scheme() == QLatin1String("https"));
    FUZZ_CHECK(url.host() == address.host() && url.path() == QLatin1String("/www4reg"));
    FUZZ_CHECK(url.port() == -1 && url.userInfo().isEmpty() && !url.hasFragment());
    FUZZ_CHECK(OrderAddress::mayOpen(url, configured));
    // The same host text read by a second parser, as part of a whole address: where it names
    // another host than this one, it is not the configured host.
    const QUrl whole("https://" + configured + "/", QUrl::StrictMode);
    FUZZ_CHECK(whole.isValid() && whole.userInfo().isEmpty() && whole.port() == -1);
    FUZZ_CHECK(whole.host() == address.host());

    static const char* const teamKeys[] = {"h1", "v1", "h2", "v2", "h3", "v3"};
    QList<QPair<QString, QString>> expected = {{"game", "multiscore"},
                                               {"op", "checkGame"},
                                               {"T", QString::number(game)},
                                               {"S", "S"},
                                               {"L", "F"},
                                               {"stake", address.stakeText()}};
    FUZZ_CHECK(goals.size() == 2 * address.columnCount());
    for (int team = 0; team < goals.size(); ++team)
        expected.append({QLatin1String(teamKeys[team]), goals[team]});
    FUZZ_CHECK(QUrlQuery(url).queryItems(QUrl::FullyDecoded) == expected);
    // The stake shown and sent is the player's stake, read back in the player's format.
    if (stakeCents >= 0 && stakeCents < 100'000'000'000'000LL)
        FUZZ_CHECK(Money::parseCents(address.stakeText(), locale) == stakeCents);

    // The text the browser gets: printable ASCII without blanks, reading back as itself.
    const QByteArray text = url.toEncoded();
    for (char c : text)
        FUZZ_CHECK(c > ' ' && c < 0x7f);
    FUZZ_CHECK(QUrl::fromEncoded(text, QUrl::StrictMode) == url);
}

inline QStringList rowGoals(ScoreRow row)
{
    QStringList goals;
    for (int team = 0; team < 2 * row.matchCount(); ++team)
        goals << QString::number(row.goal(team));
    return goals;
}

} // namespace OrderCheck
