#include "net/orderaddress.h"
#include "core/money.h"
#include <QStringList>
#include <QUrlQuery>
#include <algorithm>

namespace {
const QString path = QStringLiteral("/www4reg");
const char* const teamKeys[GoalGrid::Teams] = {"h1", "v1", "h2", "v2", "h3", "v3"};

// The host comes from a setting anyone can edit. QUrl reads a NUL as the end of an address
// ("10.0.0.1\0.example.com" became 10.0.0.1), and other control or invisible characters make
// a host read otherwise than it shows.
bool hasHiddenCharacters(const QString& host)
{
    return std::any_of(host.cbegin(), host.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
}

QString normalHost(const QString& host)
{
    // setHost also passes over blanks before an address (" 0" names 0.0.0.0).
    if (hasHiddenCharacters(host) ||
        std::any_of(host.cbegin(), host.cend(), [](QChar c) { return c.isSpace(); }))
        return QString();
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(host, QUrl::StrictMode);
    return url.isValid() ? url.host() : QString();
}
} // namespace

std::optional<OrderAddress> OrderAddress::make(const QString& host, int game, qint64 stakeCents,
                                               int columnCount, const QLocale& locale)
{
    const QString normal = normalHost(host);
    // setHost takes the text as a whole host, so a slash, colon or "@" leaves it invalid.
    if (normal.isEmpty() || game < 1 || game > 6 || (columnCount != 2 && columnCount != 3))
        return std::nullopt;
    OrderAddress address;
    address.m_host = normal;
    address.m_game = game;
    address.m_columnCount = columnCount;
    address.m_stakeText = Money::formatCents(stakeCents, locale);
    return address;
}

bool OrderAddress::accepts(ScoreRow row) const
{
    return row.isValid() && row.matchCount() == m_columnCount;
}

std::optional<QUrl> OrderAddress::forRow(ScoreRow row) const
{
    if (!accepts(row))
        return std::nullopt;
    QString goals[GoalGrid::Teams];
    for (int team = 0; team < 2 * m_columnCount; ++team)
        goals[team] = QString::number(row.goal(team));
    return build(goals);
}

std::optional<QUrl> OrderAddress::forRowText(QStringView text) const
{
    const std::optional<ScoreRow> row = ScoreRow::fromText(text);
    return row ? forRow(*row) : std::nullopt;
}

QUrl OrderAddress::forSystem(const GoalGrid& grid) const
{
    QString goals[GoalGrid::Teams];
    for (int team = 0; team < 2 * m_columnCount; ++team)
        goals[team] = SystemText::teamGoals(grid, team);
    return build(goals);
}

QUrl OrderAddress::build(const QString (&goals)[GoalGrid::Teams]) const
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("game"), QStringLiteral("multiscore"));
    query.addQueryItem(QStringLiteral("op"), QStringLiteral("checkGame"));
    query.addQueryItem(QStringLiteral("T"), QString::number(m_game));
    query.addQueryItem(QStringLiteral("S"), QStringLiteral("S"));
    query.addQueryItem(QStringLiteral("L"), QStringLiteral("F"));
    query.addQueryItem(QStringLiteral("stake"), m_stakeText);
    // An empty value must still read "v1=": a null text would drop the "=".
    for (int team = 0; team < 2 * m_columnCount; ++team)
        query.addQueryItem(QLatin1String(teamKeys[team]),
                           goals[team].isNull() ? QStringLiteral("") : goals[team]);

    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(m_host);
    url.setPath(path);
    url.setQuery(query);
    return url;
}

bool OrderAddress::mayOpen(const QUrl& url, const QString& host)
{
    const QString normal = normalHost(host);
    return url.isValid() && !normal.isEmpty() && url.scheme() == QLatin1String("https") &&
           url.host() == normal && url.port() == -1 && url.userInfo().isEmpty() &&
           url.path() == path;
}

namespace SystemText {

QString teamGoals(const GoalGrid& grid, int team)
{
    QString list;
    for (int goal = 0; goal < GoalGrid::Goals; ++goal) {
        if (!grid.isTicked(team, goal))
            continue;
        if (!list.isEmpty())
            list += QLatin1Char(',');
        list += QString::number(goal);
    }
    return list;
}

bool hasTicks(const GoalGrid& grid)
{
    for (int team = 0; team < 4; ++team)
        if (grid.tickCount(team) > 0)
            return true;
    return false;
}

QString describe(const GoalGrid& grid, int columnCount)
{
    QStringList matches;
    for (int match = 0; match < columnCount; ++match)
        matches << teamGoals(grid, 2 * match) + QLatin1Char('-') + teamGoals(grid, 2 * match + 1);
    return matches.join(QStringLiteral("   "));
}

} // namespace SystemText
