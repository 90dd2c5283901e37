#include "games/lottery.h"
#include <QStringList>
#include <algorithm>

LottoRules lottoRules(LottoGame game)
{
    return game == LottoGame::Lotto ? LottoRules{39, 7, 10} : LottoRules{48, 6, 9};
}

std::vector<int> drawSortedNumbers(RandomSource& random, int count, int highest)
{
    std::vector<bool> taken(size_t(highest) + 1, false);
    std::vector<int> numbers;
    numbers.reserve(size_t(count));
    while (int(numbers.size()) < count) {
        const int n = random.oneTo(highest);
        if (taken[size_t(n)])
            continue;
        taken[size_t(n)] = true;
        numbers.push_back(n);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

std::optional<std::vector<int>> drawLottoNumbers(RandomSource& random, LottoGame game,
                                                 std::optional<int> systemSize)
{
    const LottoRules rules = lottoRules(game);
    const int size = systemSize.value_or(rules.plainSize);
    if (size < rules.plainSize || size > rules.largestSystem)
        return std::nullopt;
    return drawSortedNumbers(random, size, rules.highest);
}

std::vector<int> drawKenoRow(RandomSource& random, int size)
{
    return drawSortedNumbers(random, size, KenoHighest);
}

QString numberRowText(const std::vector<int>& numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(','));
}
