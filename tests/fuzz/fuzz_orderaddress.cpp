// The order address from a configured host, game, stake and rows or a goal system: built only
// for a sound host and game, and then always https on that host with the expected query.
#include "tests/fuzz/ordercheck.h"
#include <algorithm>

namespace {
QLocale chooseLocale(uint8_t choice)
{
    static const char* const names[] = {"C", "fi_FI", "en_US", "sv_SE", "ar_EG", "he_IL"};
    return QLocale(QString::fromLatin1(names[choice % std::size(names)]));
}

bool hasControlOrBlank(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.category() == QChar::Other_Control || c.isSpace(); });
}

// What a browser takes for the host: the text between "https://" and the first "/", "?" or "#".
void checkOpenable(const QString& text, const QString& host)
{
    const QUrl url(text);
    if (!OrderAddress::mayOpen(url, host))
        return;
    const QByteArray encoded = url.toEncoded();
    FUZZ_CHECK(encoded.startsWith("https://"));
    const QByteArray rest = encoded.mid(8);
    qsizetype end = 0;
    while (end < rest.size() && !QByteArray("/?#").contains(rest[end]))
        ++end;
    FUZZ_CHECK(rest.left(end) == QUrl::toAce(url.host()));
    FUZZ_CHECK(rest.mid(end).startsWith("/www4reg"));
    for (char c : encoded)
        FUZZ_CHECK(c > ' ' && c < 0x7f);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const int game = input.byte() % 8;
    const int columnCount = 1 + input.byte() % 4;
    const QLocale locale = chooseLocale(input.byte());
    qint64 stakeCents = 0;
    for (int i = 0; i < 3; ++i)
        stakeCents = stakeCents * 256 + input.byte();
    GoalGrid grid;
    for (int team = 0; team < GoalGrid::Teams; ++team) {
        const int ticks = input.byte() << 8 | input.byte();
        for (int goal = 0; goal < GoalGrid::Goals; ++goal)
            grid.setTicked(team, goal, ticks >> goal & 1);
    }
    const QString host = input.sizedText();

    const std::optional<OrderAddress> address =
        OrderAddress::make(host, game, stakeCents, columnCount, locale);
    if (game < 1 || game > 6 || (columnCount != 2 && columnCount != 3) || host.isEmpty() ||
        hasControlOrBlank(host))
        FUZZ_CHECK(!address);

    while (true) {
        const QString text = input.text();
        checkOpenable(text, host);
        if (address) {
            const std::optional<ScoreRow> row = ScoreRow::fromText(text);
            const std::optional<QUrl> url = address->forRowText(text);
            FUZZ_CHECK(url.has_value() == (row && row->matchCount() == columnCount));
            if (url)
                OrderCheck::checkUrl(*url, *address, host, game, stakeCents, locale,
                                     OrderCheck::rowGoals(*row));
        }
        if (input.rest().isEmpty())
            break;
    }

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
