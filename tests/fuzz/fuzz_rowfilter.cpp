// The filter window's boxes as typed: read either into conditions within their ranges or into
// faults naming boxes of the window, never both; and the filter built from them judges rows as
// the conditions say, checked one by one.
#include "core/rowfilter.h"
#include "core/scoremodel.h"
#include "tests/fuzz/fuzzcheck.h"
#include <QSet>

namespace {
bool inRange(const FilterRange& range, int least, int most)
{
    const bool minOpen = range.min == FilterRange().min;
    const bool maxOpen = range.max == FilterRange().max;
    return (minOpen || (range.min >= least && range.min <= most)) &&
           (maxOpen || (range.max >= least && range.max <= most)) &&
           (minOpen || maxOpen || range.min <= range.max);
}

bool takenByHand(ScoreRow row, const RowFilterConditions& c, const ScoreModel& chances)
{
    if (row.matchCount() != c.matches)
        return false;
    int goals = 0, wins[3] = {0, 0, 0};
    for (int m = 0; m < c.matches; ++m) {
        const int home = row.goal(2 * m), away = row.goal(2 * m + 1);
        const int outcome = home > away ? 0 : home == away ? 1 : 2;
        const RowFilterConditions::Match& match = c.match[size_t(m)];
        if (!match.outcomes[size_t(outcome)] || !match.goals.contains(home + away) ||
            !match.difference.contains(home - away))
            return false;
        goals += home + away;
        ++wins[outcome];
    }
    return c.rowGoals.contains(goals) && c.homeWins.contains(wins[0]) &&
           c.draws.contains(wins[1]) && c.awayWins.contains(wins[2]) &&
           (!c.chanceMin || chances.probability(row) >= *c.chanceMin) && !c.valueMin;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const int matches = input.byte() % 2 ? 2 : 3;
    const uint8_t switches = input.byte();
    const bool withChance = switches & 1, withValue = switches & 2;
    static const char* const names[] = {"C", "fi_FI", "en_US", "de_DE", "ar_EG", "he_IL"};
    const QLocale locale(QString::fromLatin1(names[(switches >> 2) % std::size(names)]));
    const uint8_t ticks[2] = {input.byte(), input.byte()};

    RowFilterTexts texts;
    for (size_t m = 0; m < 3; ++m) {
        RowFilterTexts::Match& match = texts.matches[m];
        for (size_t o = 0; o < 3; ++o) {
            const size_t bit = 3 * m + o;
            match.outcomes[o] = !(ticks[bit / 8] >> (bit % 8) & 1);
        }
        for (QString* box :
             {&match.goalsMin, &match.goalsMax, &match.differenceMin, &match.differenceMax})
            *box = input.text();
    }
    for (QString* box : {&texts.rowGoalsMin, &texts.rowGoalsMax, &texts.homeWinsMin,
                         &texts.homeWinsMax, &texts.drawsMin, &texts.drawsMax, &texts.awayWinsMin,
                         &texts.awayWinsMax, &texts.chanceMin, &texts.valueMin})
        *box = input.text();
    texts.keep = ticks[1] & 0x80;

    const RowFilterInput read = readRowFilter(texts, matches, withChance, withValue, locale);
    FUZZ_CHECK(read.conditions.has_value() == read.faults.empty());
    static const QSet<QString> boxes = [] {
        QSet<QString> all{"txtRiviMaalitMin",   "txtRiviMaalitMax",   "txtKotivoitotMin",
                          "txtKotivoitotMax",   "txtTasapelitMin",    "txtTasapelitMax",
                          "txtVierasvoitotMin", "txtVierasvoitotMax", "txtKarsTodMin",
                          "txtKarsArvoMin"};
        for (int k = 1; k <= 3; ++k)
            for (const char* name : {"chkMerkki1", "chkMerkkiX", "chkMerkki2", "txtMaalitMin",
                                     "txtMaalitMax", "txtEroMin", "txtEroMax"})
                all << QString("%1_%2").arg(QLatin1String(name)).arg(k);
        return all;
    }();
    for (const RowFilterFault& fault : read.faults) {
        FUZZ_CHECK(boxes.contains(fault.box) && !fault.message.isEmpty());
        // The third match's boxes are not read in two-match mode, nor the chance and value
        // boxes while they are disabled.
        FUZZ_CHECK(matches == 3 || !fault.box.endsWith(QLatin1String("_3")));
        FUZZ_CHECK(withChance || fault.box != QLatin1String("txtKarsTodMin"));
        FUZZ_CHECK(withValue || fault.box != QLatin1String("txtKarsArvoMin"));
    }
    if (!read.conditions)
        return 0;

    const RowFilterConditions& c = *read.conditions;
    FUZZ_CHECK(c.matches == matches && c.keep == texts.keep);
    for (int m = 0; m < matches; ++m) {
        FUZZ_CHECK(inRange(c.match[size_t(m)].goals, 0, 99));
        FUZZ_CHECK(inRange(c.match[size_t(m)].difference, -99, 99));
        FUZZ_CHECK(c.match[size_t(m)].outcomes != (std::array<bool, 3>{false, false, false}));
    }
    for (const FilterRange* range : {&c.rowGoals, &c.homeWins, &c.draws, &c.awayWins})
        FUZZ_CHECK(inRange(*range, 0, 99));
    FUZZ_CHECK(!c.chanceMin || (*c.chanceMin >= 0 && *c.chanceMin <= 1));
    FUZZ_CHECK(!c.valueMin || *c.valueMin >= 0);
    FUZZ_CHECK(withChance || !c.chanceMin);
    FUZZ_CHECK(withValue || !c.valueMin);

    // Rows from the rest of the input, judged by the tables and by hand alike. With a value
    // condition but no value, no row is taken.
    const std::vector<ExpectedGoals> goals{{1.4, 1.1}, {2.2, 0.7}, {0.8, 1.6}};
    const ScoreModel chances = *ScoreModel::make({goals.begin(), goals.begin() + matches}, 0);
    const RowFilter filter(c, &chances);
    const QByteArray rest = input.rest();
    std::vector<ScoreRow> rows;
    for (qsizetype at = 0; at + 6 <= rest.size(); at += 6) {
        std::array<int, ScoreRow::MaxTeams> teams{};
        for (size_t team = 0; team < 6; ++team)
            teams[team] = uint8_t(rest[at + qsizetype(team)]) % 100;
        rows.push_back(ScoreRow(matches, teams));
    }
    qint64 kept = 0;
    for (ScoreRow row : rows) {
        FUZZ_CHECK(filter.takes(row) == takenByHand(row, c, chances));
        kept += filter.keeps(row);
    }
    FUZZ_CHECK(filter.remaining(rows.data(), rows.size()).rows == kept);
    return 0;
}
