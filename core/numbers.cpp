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
