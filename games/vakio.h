#pragma once
// The 1X2 pools row: one random mark per match, then widened into a small system by full
// covers ("1x2") and half covers ("1x", "12", "x2"). Works on the texts of the thirteen match
// boxes as they stand, so a window can show them as they are.
#include "core/random.h"
#include <QString>
#include <array>
#include <optional>

namespace Vakio {

constexpr int BoxCount = 13;
constexpr int MinMatches = 10;
// Placement attempts allowed in one system step.
constexpr int AttemptLimit = 15000;

using Boxes = std::array<QString, BoxCount>;

// "x", "1" or "2" for a whole number 0, 1 or 2.
QString mark(int outcome);

// Writes a random mark into each of the first matches boxes; the boxes above keep their text.
void drawRow(Boxes& boxes, int matches, RandomSource& random);

// A half cover written in either order reads the same way: "x1" is "1x", "2x" is "x2", "21" is
// "12". Other texts come back as they are.
QString normalizeHalfCover(const QString& text);

// A cover count as typed: a number (decimal comma or point), its integer part, none below 1.
// Text that is not a number, an empty text included, gives nothing.
std::optional<int> parseCoverCount(const QString& text);

enum class CoverResult
{
    Placed,
    TooMany,     // full + half above the number of matches: nothing placed
    AttemptLimit // the attempts ran out; the covers placed so far stay
};

// Puts full covers, then half covers, onto distinct boxes among the first matches boxes. A full
// cover goes onto a box not already "1x2"; a half cover onto a box holding at most one mark,
// adding a second, different one.
CoverResult placeCovers(Boxes& boxes, int matches, int full, int half, RandomSource& random);

} // namespace Vakio
