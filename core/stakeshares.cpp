#include "core/stakeshares.h"
#include "core/compensatedsum.h"
#include "core/numbers.h"
#include <QRegularExpression>
#include <QStringList>
#include <utility>

namespace StakeShares {

namespace {
struct Line
{
    int number = 0; // 1-based, as the player counts the lines
    QString text;
};

QString quoted(const QString& text)
{
    constexpr qsizetype Longest = 40;
    const QString shown = text.trimmed();
    return QLatin1Char('"') + (shown.size() > Longest ? shown.left(Longest) + u'…' : shown) +
           QLatin1Char('"');
}

QString percentText(double percent, const QLocale& locale)
{
    return formatDecimal(percent, 1, locale) + QStringLiteral(" %");
}

// A score or "muu", then blanks, a tab or a semicolon, then the share with its sign as typed,
// and an optional per cent sign. Web tables bring en and em dashes and no-break spaces.
const QRegularExpression& lineShape()
{
    static const QRegularExpression shape(
        QStringLiteral(
            "\\A\\s*(?:([0-9]{1,2})\\s*[-\\x{2013}\\x{2014}:]\\s*([0-9]{1,2})|(muut?))"
            "(?:\\s*[\\t;]\\s*|\\s+)([-+\\x{2212}]?)\\s*([0-9]+(?:[.,][0-9]*)?|[.,][0-9]+)"
            "\\s*%?\\s*\\z"),
        QRegularExpression::UseUnicodePropertiesOption | QRegularExpression::CaseInsensitiveOption);
    return shape;
}

ShareTableRead refused(const QString& error)
{
    return {std::nullopt, error};
}

ShareTableRead readLines(const std::vector<Line>& lines, const QLocale& locale)
{
    ShareTable table;
    std::vector<int> seenOn(size_t(ScoreRow::MaxGoal + 1) * size_t(ScoreRow::MaxGoal + 1), 0);
    int otherOn = 0;
    CompensatedSum sum;
    for (const Line& line : lines) {
        if (line.text.trimmed().isEmpty())
            continue;
        const QRegularExpressionMatch match = lineShape().match(line.text);
        if (!match.hasMatch())
            return refused(
                QStringLiteral("Rivi %1 ei ole tulos ja osuus (esim. \"1-0 12,3 %\"): %2")
                    .arg(line.number)
                    .arg(quoted(line.text)));
        const std::optional<double> number = parseDecimal(match.captured(5), QLocale::c());
        if (!number)
            return refused(QStringLiteral("Rivillä %1 osuus ei ole luku: %2")
                               .arg(line.number)
                               .arg(quoted(line.text)));
        const bool negative = !match.captured(4).isEmpty() && match.captured(4) != u'+';
        const double percent = negative ? -*number : *number;
        if (percent < 0 && *number > 0)
            return refused(QStringLiteral("Rivillä %1 osuus on alle 0: %2")
                               .arg(line.number)
                               .arg(quoted(line.text)));
        if (!match.captured(3).isEmpty()) {
            if (otherOn > 0)
                return refused(QStringLiteral("Rivillä %1 on toinen \"muu\"-rivi; ensimmäinen on "
                                              "rivillä %2.")
                                   .arg(line.number)
                                   .arg(otherOn));
            otherOn = line.number;
            table.other = std::max(percent, 0.0);
        } else {
            const int home = match.captured(1).toInt();
            const int away = match.captured(2).toInt();
            int& first = seenOn[size_t(home * (ScoreRow::MaxGoal + 1) + away)];
            if (first > 0)
                return refused(QStringLiteral("Rivillä %1 tulos %2-%3 on toiseen kertaan; "
                                              "ensimmäinen on rivillä %4.")
                                   .arg(line.number)
                                   .arg(home)
                                   .arg(away)
                                   .arg(first));
            first = line.number;
            table.scores.push_back({home, away, std::max(percent, 0.0)});
        }
        sum.add(std::max(percent, 0.0));
    }
    if (table.scores.empty() && !table.other)
        return refused(QStringLiteral("Jakauma on tyhjä: liitä tulokset ja osuudet, yksi "
                                      "tulos riviä kohti."));
    table.sum = sum.value();
    if (!(table.sum >= LeastSum && table.sum <= MostSum))
        return refused(QStringLiteral("Osuuksien summa on %1; sen pitää olla 95–105 %.")
                           .arg(percentText(table.sum, locale)));
    return {std::move(table), QString()};
}

std::vector<Line> splitLines(const QString& text)
{
    std::vector<Line> lines;
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("\\r\\n|\\r|\\n")));
    for (qsizetype i = 0; i < parts.size(); ++i)
        lines.push_back({int(i + 1), parts[i]});
    return lines;
}
} // namespace

ShareTableRead readTable(const QString& text, const QLocale& locale)
{
    return readLines(splitLines(text), locale);
}

FileRead readFile(const QString& content, const QLocale& locale)
{
    std::array<std::vector<Line>, 3> matches;
    bool first = true;
    for (const Line& line : splitLines(content)) {
        QString text = line.text.trimmed();
        if (first && text.startsWith(QChar(0xfeff)))
            text = text.mid(1).trimmed();
        if (text.isEmpty())
            continue;
        if (std::exchange(first, false) &&
            text.compare(QStringLiteral("kohde;tulos;osuus"), Qt::CaseInsensitive) == 0)
            continue;
        const QStringList fields = text.split(u';');
        const std::optional<qint64> match =
            fields.size() == 3 ? parseWholeNumber(fields[0], 3) : std::nullopt;
        if (!match || *match < 1)
            return {std::nullopt,
                    QStringLiteral("Rivi %1 ei ole muotoa kohde;tulos;osuus (kohde 1–3): %2")
                        .arg(line.number)
                        .arg(quoted(text))};
        // The score and the share as the table box shows them; the line keeps its number.
        matches[size_t(*match - 1)].push_back(
            {line.number, fields[1].trimmed() + QLatin1Char(' ') + fields[2].trimmed()});
    }
    std::array<QString, 3> tables;
    for (size_t m = 0; m < 3; ++m) {
        if (matches[m].empty())
            continue;
        const ShareTableRead read = readLines(matches[m], locale);
        if (!read.table)
            return {std::nullopt, QStringLiteral("Kohde %1: ").arg(m + 1) + read.error};
        QStringList texts;
        for (const Line& line : matches[m])
            texts << line.text;
        tables[m] = texts.join(u'\n');
    }
    return {tables, QString()};
}

std::vector<double> shareCells(const ShareTable& table, const MatchScores& scores)
{
    constexpr int Goals = MatchScores::Goals;
    std::vector<double> cells(size_t(Goals * Goals), 0.0);
    std::vector<bool> listed(cells.size(), false);
    double scale = 1;
    double rest = 0;
    if (table.other) {
        scale = 100 / table.sum;
        rest = *table.other * scale;
    } else if (table.sum <= 100) {
        rest = 100 - table.sum;
    } else {
        scale = 100 / table.sum;
    }
    for (const ListedScore& score : table.scores) {
        if (score.home >= Goals || score.away >= Goals)
            continue;
        const size_t cell = size_t(score.home * Goals + score.away);
        cells[cell] = score.percent * scale / 100;
        listed[cell] = true;
    }
    CompensatedSum unlisted;
    for (size_t cell = 0; cell < cells.size(); ++cell)
        if (!listed[cell])
            unlisted.add(scores.cells()[cell]);
    if (unlisted.value() > 0)
        for (size_t cell = 0; cell < cells.size(); ++cell)
            if (!listed[cell])
                cells[cell] = rest / 100 * scores.cells()[cell] / unlisted.value();
    return cells;
}

QString sumText(const ShareTable& table, const QLocale& locale)
{
    QString text = QStringLiteral("Summa ") + percentText(table.sum, locale);
    if (!table.other && table.sum < 100)
        text += QStringLiteral(", loput %1 listaamattomille tuloksille")
                    .arg(percentText(100 - table.sum, locale));
    else if (table.sum != 100)
        text += QStringLiteral(", skaalattu 100 %:iin");
    return text;
}

} // namespace StakeShares
