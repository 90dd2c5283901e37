#pragma once
#include <QLocale>
#include <QString>
#include <optional>

// Whole numbers as the player types them: optional blanks around, an optional sign, digits
// ("05" is 5). Anything else, or a number beyond the range, reads as nothing.
std::optional<qint64> parseWholeNumber(const QString& text, qint64 limit = 1'000'000'000'000LL);

// Decimal numbers as the player types them: optional blanks around, an optional minus, digits
// with at most one decimal separator, which may be the locale's or a dot or a comma ("2,15" and
// "2.15" alike). No exponent, no grouping; anything else, or a value past the double range,
// reads as nothing.
std::optional<double> parseDecimal(const QString& text, const QLocale& locale = QLocale());

// A number with a fixed count of decimals in the locale's format, without grouping.
QString formatDecimal(double value, int decimals, const QLocale& locale = QLocale());
