// Stake tables pasted or typed, and files of "kohde;tulos;osuus": whatever is accepted holds
// shares of 0 or more summing to 95-105 %, each score once, and spreads to public shares that
// sum to 1; a file's tables read back as the same tables.
#include "core/stakeshares.h"
#include "tests/fuzz/fuzzcheck.h"
#include <cmath>
#include <set>

namespace {
void checkTable(const ShareTable& table, const ScoreModel& model)
{
    FUZZ_CHECK(table.sum >= StakeShares::LeastSum && table.sum <= StakeShares::MostSum);
    FUZZ_CHECK(!table.other || *table.other >= 0);
    std::set<std::pair<int, int>> scores;
    for (const ListedScore& score : table.scores) {
        FUZZ_CHECK(score.percent >= 0 && std::isfinite(score.percent));
        FUZZ_CHECK(score.home >= 0 && score.home <= ScoreRow::MaxGoal);
        FUZZ_CHECK(score.away >= 0 && score.away <= ScoreRow::MaxGoal);
        FUZZ_CHECK(scores.insert({score.home, score.away}).second);
    }
    const std::vector<double> cells = StakeShares::shareCells(table, model.match(0));
    double sum = 0;
    for (double cell : cells) {
        FUZZ_CHECK(cell >= 0 && std::isfinite(cell));
        sum += cell;
    }
    FUZZ_CHECK(std::fabs(sum - 1) < 1e-9);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const ScoreModel model = *ScoreModel::make({{1.4, 1.1}, {0.9, 0.7}}, 0);
    FuzzInput input(data, size);
    const bool file = input.byte() % 2;
    const QLocale locale(input.byte() % 2 ? QLocale::Finnish : QLocale::English);
    const QString text = input.text();
    if (!file) {
        const ShareTableRead read = StakeShares::readTable(text, locale);
        FUZZ_CHECK(read.table.has_value() == read.error.isEmpty());
        if (read.table)
            checkTable(*read.table, model);
        return 0;
    }
    const StakeShares::FileRead read = StakeShares::readFile(text, locale);
    FUZZ_CHECK(read.tables.has_value() == read.error.isEmpty());
    if (read.tables)
        for (const QString& table : *read.tables) {
            if (table.isEmpty())
                continue;
            const ShareTableRead again = StakeShares::readTable(table, locale);
            FUZZ_CHECK(again.table.has_value());
            checkTable(*again.table, model);
        }
    return 0;
}
