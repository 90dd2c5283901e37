#pragma once
#include <QLocale>
#include <QString>
#include <array>
#include <optional>

// Money is counted in whole cents and shown in the user's number format without grouping
// or trailing zeros: 60 cents reads "0,6" in Finnish, 200 cents "2".
namespace Money {

// The twelve stake boxes in their order, 0,2 to 100 euros.
constexpr std::array<int, 12> StakeBoxCents = {20,  30,   50,   100,  200,  300,
                                               500, 1000, 2000, 3000, 5000, 10000};

QString formatCents(qint64 cents, const QLocale& locale = QLocale());

// Reads a number of euros typed in the user's format ("1,5") or with a dot; nullopt if it
// is not a number with at most two decimals.
std::optional<qint64> parseCents(const QString& text, const QLocale& locale = QLocale());

} // namespace Money
