#pragma once
// Long-odds outcomes: for each of 3 to 6 matches a home win "1", a draw "X" or an away win "2",
// each with the same chance.
#include "core/random.h"
#include <QString>
#include <array>
#include <optional>

namespace Veto {

constexpr int MaxMatches = 6;
// Repetitions beyond this are refused: they change nothing a player can see, only the wait.
constexpr qint64 MaxRepetitions = 1'000'000;

using Outcomes = std::array<QString, MaxMatches>;

// Draws outcomes for the first matches labels, repetitions + 1 times over the same labels, so
// the last round stands; none for repetitions below 0. Labels from matches on keep their text.
void draw(Outcomes& labels, int matches, qint64 repetitions, RandomSource& random);

// The repetitions box as typed: a number (decimal comma or point) up to MaxRepetitions, taken
// by its integer part; nothing for other text.
std::optional<qint64> parseRepetitions(const QString& text);

} // namespace Veto
