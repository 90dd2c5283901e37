#pragma once
// The per-user shift of every coupon mark, in millimetres. Stored as text with a decimal
// comma ("2,6", "-4") whatever the session's language; read exactly, with a comma or a point
// in any language, so that a stored "2,6" or "2.6" shifts 2.6 mm. A text that is no number
// shifts nothing.

#include <QLocale>
#include <QString>
#include <optional>

struct PrintOffset
{
    double x = 0; // mm to the right
    double y = 0; // mm down
};

namespace PrintOffsets {

// Farther than this no printer misses a coupon; larger numbers are typing errors.
inline constexpr double Limit = 1000;

// Optional blanks, an optional sign, digits with one decimal comma or point (or the user's
// own separator). A comma is never a thousands separator here: no offset reaches a thousand.
std::optional<double> parse(const QString& text, const QLocale& locale = QLocale());
double parseOrZero(const QString& text, const QLocale& locale = QLocale());
// Shortest form with the user's decimal separator, no grouping: -4,0 becomes "-4", 2,50 "2,5".
QString format(double mm, const QLocale& locale = QLocale());
// The one form stored: shortest, decimal comma.
QString storedText(double mm);

// The stored texts: VaakaReuna moves the marks down, PystyReuna to the right.
PrintOffset fromStored(const QString& vaakaReuna, const QString& pystyReuna,
                       const QLocale& locale = QLocale());

} // namespace PrintOffsets
