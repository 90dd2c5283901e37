// The order address from a configured host, game, stake and rows or a goal system: built only
// for a sound host and game, and then always https on that host with the expected query, and
// as text nothing a shell or a browser could read another way.
#include "core/money.h"
#include "net/orderaddress.h"
#include "tests/fuzz/fuzzcheck.h"
#include <QUrlQuery>
#include <algorithm>

namespace {

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const int game = input.byte() % 8;
    const int columnCount = 1 + input.byte() % 4;
    static const char* const names[] = {"C", "fi_FI", "en_US", "sv_SE", "ar_EG", "he_IL"};
    const QLocale locale(QString::fromLatin1(names[input.byte() % std::size(names)]));
    qint64 stakeCents = input.byte();
    stakeCents = stakeCents << 16 | input.byte() << 8;
    stakeCents |= input.byte();
    GoalGrid grid;
    for (int team = 0; team < GoalGrid::Teams; ++team) {
        int ticks = input.byte() << 8;
        ticks |= input.byte();
        for (int goal = 0; goal < GoalGrid::Goals; ++goal)
            grid.setTicked(team, goal, ticks >> goal & 1);
    }
    const QString host = input.sizedText();
    const std::optional<OrderAddress> address =
        OrderAddress::make(host, game, stakeCents, columnCount, locale);
    const bool blank = std::any_of(host.cbegin(), host.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.isSpace();
    });
    if (game < 1 || game > 6 || (columnCount != 2 && columnCount != 3) || host.isEmpty() || blank)
        FUZZ_CHECK(!address);

    do {
        const QString text = input.text();
        // What a browser takes for the host: the text between "https://" and the first "/",
        // "?" or "#".
        const QUrl url(text);
        if (OrderAddress::mayOpen(url, host)) {
            const QByteArray encoded = url.toEncoded();
            FUZZ_CHECK(encoded.startsWith("https://"));
            const QByteArray rest = encoded.mid(8);
            qsizetype end = 0;
            while (end < rest.size() && !QByteArray("/?#").contains(rest[end]))
                ++end;
            FUZZ_CHECK(rest.left(end) == QUrl::toAce(url.host()));
            FUZZ_CHECK(rest.mid(end).startsWith("/www4reg"));
        }
        if (address) {
            const std::optional<ScoreRow> row = ScoreRow::fromText(text);
            const std::optional<QUrl> order = address->forRowText(text);
            FUZZ_CHECK(order.has_value() == (row && row->matchCount() == columnCount));
            if (order)
                checkUrl(*order, *address, host, game, stakeCents, locale, rowGoals(*row));
        }
    } while (!input.rest().isEmpty());

    if (address) {
        QStringList goals;
        for (int team = 0; team < 2 * columnCount; ++team) {
            QStringList ticked;
            for (int goal = 0; goal < GoalGrid::Goals; ++goal)
                if (grid.isTicked(team, goal))
                    ticked << QString::number(goal);
            goals << ticked.join(QLatin1Char(','));
        }
        checkUrl(address->forSystem(grid), *address, host, game, stakeCents, locale, goals);
    }
    return 0;
}
