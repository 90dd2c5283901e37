#include "print/printoffset.h"
#include <cmath>

namespace PrintOffsets {

std::optional<double> parse(const QString& text, const QLocale& locale)
{
    QString s = text.trimmed();
    if (s.startsWith(locale.negativeSign()) && locale.negativeSign() != QLatin1String("-"))
        s.replace(0, locale.negativeSign().size(), QStringLiteral("-"));
    qsizetype i = 0;
    if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+')))
        ++i;
    int digits = 0;
    bool separatorSeen = false;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            ++digits;
        } else if (!separatorSeen && (c == QLatin1Char('.') || c == QLatin1Char(',') ||
                                      QStringView(&c, 1) == locale.decimalPoint())) {
            separatorSeen = true;
            s[i] = QLatin1Char('.');
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    const double value = s.toDouble(&ok);
    if (!ok || std::fabs(value) > Limit)
        return std::nullopt;
    return value == 0 ? 0.0 : value; // no "-0"
}

double parseOrZero(const QString& text, const QLocale& locale)
{
    return parse(text, locale).value_or(0);
}

namespace {
QString shortest(double mm, const QString& separator)
{
    // Ten decimals hold anything typed; the rest is binary noise.
    QString text = QString::number(mm, 'f', 10);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    // A plain hyphen even where the locale writes a minus sign: it is what players type.
    return text.replace(QLatin1Char('.'), separator);
}
} // namespace

QString format(double mm, const QLocale& locale)
{
    return shortest(mm, locale.decimalPoint());
}

QString storedText(double mm)
{
    return shortest(mm, QStringLiteral(","));
}

PrintOffset fromStored(const QString& vaakaReuna, const QString& pystyReuna, const QLocale& locale)
{
    return {parseOrZero(pystyReuna, locale), parseOrZero(vaakaReuna, locale)};
}

} // namespace PrintOffsets
