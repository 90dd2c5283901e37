#pragma once
// Rows of the number games (Lotto, Viking Lotto, Keno): distinct numbers from 1 to a highest
// number, ascending, and the comma-joined row text the windows show and copy.
#include "core/random.h"
#include <QString>
#include <optional>
#include <vector>

enum class LottoGame
{
    Lotto,
    Viking
};

struct LottoRules
{
    int highest;       // numbers are drawn from 1 to this
    int plainSize;     // numbers in a plain row
    int largestSystem; // most numbers a system of the game holds
};

LottoRules lottoRules(LottoGame game);

// count distinct numbers from 1 to highest, ascending; count must not exceed highest.
std::vector<int> drawSortedNumbers(RandomSource& random, int count, int highest);

// A plain row without a size, else the number set of a system of that size (a size equal to
// the plain row's is the plain row). nullopt when the game has no system of that size.
std::optional<std::vector<int>> drawLottoNumbers(RandomSource& random, LottoGame game,
                                                 std::optional<int> systemSize);

constexpr int KenoHighest = 70;
constexpr int KenoSmallest = 2;
constexpr int KenoLargest = 10;

std::vector<int> drawKenoRow(RandomSource& random, int size);

// "3,11,17": decimal numbers joined by commas, no blanks.
QString numberRowText(const std::vector<int>& numbers);
