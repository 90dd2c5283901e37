#include "core/numbers.h"
#include <cmath>

std::optional<qint64> parseWholeNumber(const QString& text, qint64 limit)
{
    const QString s = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+')))
        negative = s[i++] == QLatin1Char('-');
    if (i == s.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < QLatin1Char('0') || s[i] > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (s[i].unicode() - '0');
        if (value > limit)
            return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<double> parseDecimal(const QString& text, const QLocale& locale)
{
    const QString s = text.trimmed();
    QString plain; // the C form that QString::toDouble reads
    qsizetype i = 0;
    if (s.startsWith(QLatin1Char('-'))) {
        plain += QLatin1Char('-');
        i = 1;
    } else if (!locale.negativeSign().isEmpty() && s.startsWith(locale.negativeSign())) {
        plain += QLatin1Char('-');
        i = locale.negativeSign().size();
    }
    const QString point = locale.decimalPoint();
    int digits = 0;
    bool separatorSeen = false;
    while (i < s.size()) {
        const QChar c = s[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            plain += c;
            ++digits;
            ++i;
            continue;
        }
        qsizetype length = 0;
        if (c == QLatin1Char('.') || c == QLatin1Char(','))
            length = 1;
        else if (!point.isEmpty() && QStringView(s).mid(i).startsWith(point))
            length = point.size();
        if (length == 0 || separatorSeen)
            return std::nullopt;
        separatorSeen = true;
        plain += QLatin1Char('.');
        i += length;
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value == 0 ? 0.0 : value; // no "-0"
}

QString formatDecimal(double value, int decimals, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plain.toString(value, 'f', decimals);
    // A value that rounds to zero is written without its sign.
    if (value < 0 && plain.toString(-value, 'f', decimals) == plain.toString(0.0, 'f', decimals))
        text = plain.toString(0.0, 'f', decimals);
    return text;
}
