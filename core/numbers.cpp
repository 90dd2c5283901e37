#include "core/numbers.h"

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
        // Checked before it is computed: near the top of the range the next value overflows.
        const int digit = s[i].unicode() - '0';
        if (digit > limit || value > (limit - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
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
    // Checked for digits and separators only; toDouble refuses the rest (no digit, two
    // separators, a value past the double range).
    const QString point = locale.decimalPoint();
    while (i < s.size()) {
        const QChar c = s[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            plain += c;
            ++i;
        } else if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
            plain += QLatin1Char('.');
            ++i;
        } else if (!point.isEmpty() && QStringView(s).mid(i).startsWith(point)) {
            plain += QLatin1Char('.');
            i += point.size();
        } else {
            return std::nullopt;
        }
    }
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString formatDecimal(double value, int decimals, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', decimals);
}
