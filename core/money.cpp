#include "core/money.h"
#include <optional>

namespace Money {

QString formatCents(qint64 cents, const QLocale& locale)
{
    const bool negative = cents < 0;
    const quint64 magnitude = negative ? quint64(-(cents + 1)) + 1 : quint64(cents);
    QString text = QString::number(magnitude / 100);
    const int fraction = int(magnitude % 100);
    if (fraction != 0) {
        text += locale.decimalPoint();
        text += QLatin1Char(char('0' + fraction / 10));
        if (fraction % 10 != 0)
            text += QLatin1Char(char('0' + fraction % 10));
    }
    return negative ? locale.negativeSign() + text : text;
}

std::optional<qint64> parseCents(const QString& text, const QLocale& locale)
{
    QString s = text.trimmed();
    s.replace(locale.decimalPoint(), QStringLiteral("."));
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    // Some locales write the sign with a direction mark before it: remove all of it.
    bool negative = false;
    if (s.startsWith(locale.negativeSign())) {
        negative = true;
        s.remove(0, locale.negativeSign().size());
    } else if (s.startsWith(QLatin1Char('-'))) {
        negative = true;
        s.remove(0, 1);
    }
    const qsizetype dot = s.indexOf(QLatin1Char('.'));
    const QString whole = dot < 0 ? s : s.left(dot);
    const QString fraction = dot < 0 ? QString() : s.mid(dot + 1);
    if ((whole.isEmpty() && fraction.isEmpty()) || fraction.size() > 2 || whole.size() > 12)
        return std::nullopt;
    for (QChar c : whole + fraction)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    qint64 cents = whole.isEmpty() ? 0 : whole.toLongLong() * 100;
    if (!fraction.isEmpty())
        cents += fraction.size() == 1 ? fraction.toInt() * 10 : fraction.toInt();
    return negative ? -cents : cents;
}

} // namespace Money
