// Order addresses are built only for a sound host and game, and are then https on that host
// with exactly the expected query, as text nothing a browser could read another way.
#include "core/money.h"
#include "net/orderaddress.h"
#include "tests/fuzz/fuzzcheck.h"
#include <QRegularExpression>
#include <QUrlQuery>
#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const int game = input.byte() % 8;
    const int columnCount = 1 + input.byte() % 4;
    static const char* const names[] = {"C", "fi_FI", "en_US", "sv_SE", "ar_EG", "he_IL"};
    const QLocale locale(QString::fromLatin1(names[input.byte() % std::size(names)]));
    qint64 stakeCents = 0;
    for (int i = 0; i < 3; ++i)
        stakeCents = stakeCents << 8 | input.byte();
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
    if (address) {
        // A second parser must find the same host in the text.
        const QUrl whole("https://" + host + "/", QUrl::StrictMode);
        FUZZ_CHECK(whole.isValid() && whole.userInfo().isEmpty() && whole.port() == -1);
        FUZZ_CHECK(whole.host() == address->host());
        FUZZ_CHECK(Money::parseCents(address->stakeText(), locale) == stakeCents);
    }
    // goals: each team key's value ("2", or "0,1,10" for a system).
    const auto check = [&](const QUrl& url, const QStringList& goals) {
        FUZZ_CHECK(url.isValid() && url.scheme() == QLatin1String("https"));
        FUZZ_CHECK(url.host() == address->host() && url.path() == QLatin1String("/www4reg"));
        FUZZ_CHECK(url.port() == -1 && url.userInfo().isEmpty() && !url.hasFragment());
        FUZZ_CHECK(OrderAddress::mayOpen(url, host));
        static const char* const teamKeys[] = {"h1", "v1", "h2", "v2", "h3", "v3"};
        QList<QPair<QString, QString>> expected = {{"game", "multiscore"},
                                                   {"op", "checkGame"},
                                                   {"T", QString::number(game)},
                                                   {"S", "S"},
                                                   {"L", "F"},
                                                   {"stake", address->stakeText()}};
        for (int team = 0; team < 2 * columnCount; ++team)
            expected.append({QLatin1String(teamKeys[team]), goals.value(team)});
        FUZZ_CHECK(QUrlQuery(url).queryItems(QUrl::FullyDecoded) == expected);
        const QByteArray text = url.toEncoded();
        FUZZ_CHECK(
            std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 0x7f; }));
        FUZZ_CHECK(QUrl::fromEncoded(text, QUrl::StrictMode) == url);
    };

    do {
        const QString text = input.text();
        // A browser's host: between "https://" and the first "/", "?" or "#".
        const QUrl url(text);
        if (OrderAddress::mayOpen(url, host)) {
            const QString encoded = QString::fromLatin1(url.toEncoded());
            const qsizetype end = encoded.indexOf(QRegularExpression("[/?#]"), 8);
            FUZZ_CHECK(encoded.startsWith("https://") && end > 8);
            FUZZ_CHECK(encoded.mid(8, end - 8).toLatin1() == QUrl::toAce(url.host()));
            FUZZ_CHECK(encoded.mid(end).startsWith("/www4reg"));
        }
        const std::optional<ScoreRow> row = ScoreRow::fromText(text);
        const std::optional<QUrl> order = address ? address->forRowText(text) : std::nullopt;
        FUZZ_CHECK(order.has_value() == (address && row && row->matchCount() == columnCount));
        QStringList goals;
        for (int team = 0; order && team < 2 * columnCount; ++team)
            goals << QString::number(row->goal(team));
        if (order)
            check(*order, goals);
    } while (!input.rest().isEmpty());

    QStringList goals;
    for (int team = 0; address && team < 2 * columnCount; ++team) {
        QStringList ticked;
        for (int goal = 0; goal < GoalGrid::Goals; ++goal)
            if (grid.isTicked(team, goal))
                ticked << QString::number(goal);
        goals << ticked.join(QLatin1Char(','));
    }
    if (address)
        check(address->forSystem(grid), goals);
    return 0;
}
