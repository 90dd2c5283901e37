#pragma once
#include <QString>
#include <optional>

// Whole numbers as the player types them: optional blanks around, an optional sign, digits
// ("05" is 5). Anything else, or a number beyond the range, reads as nothing.
std::optional<qint64> parseWholeNumber(const QString& text, qint64 limit = 1'000'000'000'000LL);
