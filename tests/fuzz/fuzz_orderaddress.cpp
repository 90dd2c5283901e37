// The order address from a configured host, game, stake and rows or a goal system: built only
// for a sound host and game, and then always https on that host with the expected query.
#include "tests/fuzz/ordercheck.h"
#include <algorithm>

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
                OrderCheck::checkUrl(*order, *address, host, game, stakeCents, locale,
                                     OrderCheck::rowGoals(*row));
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
        OrderCheck::checkUrl(address->forSystem(grid), *address, host, game, stakeCents, locale,
                             goals);
    }
    return 0;
}
