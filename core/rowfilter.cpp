#include "core/rowfilter.h"
#include "core/compensatedsum.h"
#include "core/numbers.h"
#include "core/rowindex.h"
#include "core/rowlistmodel.h"
#include "core/rowvalue.h"
#include "core/scoremodel.h"
#include <algorithm>
#include <cmath>

namespace {
QString matchBox(const char* name, int match)
{
    return QLatin1String(name) + QLatin1Char('_') + QString::number(match);
}

// Reads the boxes of one from-to condition into range; a fault is told of both boxes when min
// is above max, else of the box at fault.
class RangeReader
{
public:
    RangeReader(const QLocale& locale, std::vector<RowFilterFault>& faults)
        : m_locale(locale), m_faults(faults)
    {
    }

    void read(const QString& minText, const QString& maxText, const QString& minBox,
              const QString& maxBox, const QString& what, bool signedNumbers, FilterRange& range)
    {
        const std::optional<int> min = number(minText, minBox, what, signedNumbers);
        const std::optional<int> max = number(maxText, maxBox, what, signedNumbers);
        if (min)
            range.min = *min;
        if (max)
            range.max = *max;
        if (min && max && *min > *max) {
            const QString message =
                what + QStringLiteral(": vähintään-luku on suurempi kuin enintään-luku.");
            m_faults.push_back({minBox, message});
            m_faults.push_back({maxBox, message});
        }
    }

private:
    // Nothing for an empty box, and for a box at fault (told).
    std::optional<int> number(const QString& text, const QString& box, const QString& what,
                              bool signedNumbers)
    {
        QString plain = text.trimmed();
        if (plain.isEmpty())
            return std::nullopt;
        // The Finnish minus (U+2212) as well as the hyphen.
        if (signedNumbers) {
            plain.replace(QChar(0x2212), QLatin1Char('-'));
            if (m_locale.negativeSign() != QLatin1String("-"))
                plain.replace(m_locale.negativeSign(), QStringLiteral("-"));
        }
        const std::optional<qint64> value = parseWholeNumber(plain, RowFilterLimits::MaxNumber);
        if (value && (signedNumbers || *value >= 0))
            return int(*value);
        m_faults.push_back(
            {box, what + (signedNumbers ? QStringLiteral(": anna kokonaisluku väliltä −99…99.")
                                        : QStringLiteral(": anna kokonaisluku väliltä 0…99."))});
        return std::nullopt;
    }

    const QLocale& m_locale;
    std::vector<RowFilterFault>& m_faults;
};
} // namespace

RowFilterInput readRowFilter(const RowFilterTexts& texts, int matchCount, bool withChance,
                             bool withValue, const QLocale& locale)
{
    RowFilterInput input;
    RowFilterConditions conditions;
    conditions.matches = matchCount == 2 ? 2 : 3;
    conditions.keep = texts.keep;
    RangeReader ranges(locale, input.faults);
    static const char* const outcomeBoxes[] = {"chkMerkki1", "chkMerkkiX", "chkMerkki2"};
    for (int m = 0; m < conditions.matches; ++m) {
        const RowFilterTexts::Match& typed = texts.matches[size_t(m)];
        RowFilterConditions::Match& match = conditions.match[size_t(m)];
        const int k = m + 1;
        match.outcomes = typed.outcomes;
        // No outcome at all would take no row: surely a slip, never a wish.
        if (typed.outcomes == std::array<bool, 3>{false, false, false})
            for (const char* box : outcomeBoxes)
                input.faults.push_back(
                    {matchBox(box, k),
                     QStringLiteral("%1. kohde: valitse merkeistä 1, X ja 2 ainakin yksi.")
                         .arg(k)});
        ranges.read(typed.goalsMin, typed.goalsMax, matchBox("txtMaalitMin", k),
                    matchBox("txtMaalitMax", k), QStringLiteral("%1. kohteen maalit").arg(k), false,
                    match.goals);
        ranges.read(typed.differenceMin, typed.differenceMax, matchBox("txtEroMin", k),
                    matchBox("txtEroMax", k), QStringLiteral("%1. kohteen maaliero").arg(k), true,
                    match.difference);
    }
    const struct
    {
        const QString &min, &max;
        const char* box; // the boxes' names less "Min" and "Max"
        const char* what;
        FilterRange& into;
    } rowRanges[] = {
        {texts.rowGoalsMin, texts.rowGoalsMax, "txtRiviMaalit", "Rivin maalit",
         conditions.rowGoals},
        {texts.homeWinsMin, texts.homeWinsMax, "txtKotivoitot", "Kotivoitot", conditions.homeWins},
        {texts.drawsMin, texts.drawsMax, "txtTasapelit", "Tasapelit", conditions.draws},
        {texts.awayWinsMin, texts.awayWinsMax, "txtVierasvoitot", "Vierasvoitot",
         conditions.awayWins}};
    for (const auto& range : rowRanges)
        ranges.read(range.min, range.max, QLatin1String(range.box) + QLatin1String("Min"),
                    QLatin1String(range.box) + QLatin1String("Max"), QString::fromUtf8(range.what),
                    false, range.into);
    if (withChance && !texts.chanceMin.trimmed().isEmpty()) {
        const std::optional<double> percent = parseDecimal(texts.chanceMin, locale);
        if (percent && *percent >= 0 && *percent <= RowFilterLimits::MaxChancePercent)
            conditions.chanceMin = *percent / 100;
        else
            input.faults.push_back({QStringLiteral("txtKarsTodMin"),
                                    QStringLiteral("Todennäköisyys: anna prosentit väliltä "
                                                   "0…100, esimerkiksi 0,001.")});
    }
    if (withValue && !texts.valueMin.trimmed().isEmpty()) {
        const std::optional<double> value = parseDecimal(texts.valueMin, locale);
        if (value && std::isfinite(*value) && *value >= 0)
            conditions.valueMin = *value;
        else
            input.faults.push_back(
                {QStringLiteral("txtKarsArvoMin"),
                 QStringLiteral("Arvo: anna luku 0 tai enemmän, esimerkiksi 1,2.")});
    }
    if (input.faults.empty())
        input.conditions = conditions;
    return input;
}

RowFilter::RowFilter(const RowFilterConditions& conditions, const ScoreModel* chances,
                     const RowValue* value)
    : m_matches(conditions.matches == 2 ? 2 : 3), m_chances(chances), m_value(value)
{
    m_cells.assign(3 * MatchCells, 0);
    for (int m = 0; m < m_matches; ++m) {
        const RowFilterConditions::Match& match = conditions.match[size_t(m)];
        for (int h = 0; h < Goals; ++h)
            for (int a = 0; a < Goals; ++a) {
                const int outcome = h > a ? 0 : h == a ? 1 : 2;
                const bool passes = match.outcomes[size_t(outcome)] &&
                                    match.goals.contains(h + a) && match.difference.contains(h - a);
                quint32 cell = (1u << (2 * outcome)) | (quint32(h + a) << GoalsShift);
                if (!passes)
                    cell |= RefusedCell;
                m_cells[size_t(m) * MatchCells + size_t(a) * 256 + size_t(h)] = cell;
            }
    }
    // Only sums without a refusal pass: those are below RefusedCell.
    m_rowPasses.assign(RowTable, 0);
    for (quint32 sum = 0; sum < RefusedCell; ++sum)
        m_rowPasses[sum] = conditions.homeWins.contains(int(sum & 3)) &&
                           conditions.draws.contains(int((sum >> 2) & 3)) &&
                           conditions.awayWins.contains(int((sum >> 4) & 3)) &&
                           conditions.rowGoals.contains(int(sum >> GoalsShift));

    m_judge.cells = m_cells.data();
    m_judge.rowPasses = m_rowPasses.data();
    m_judge.keep = conditions.keep;
    if (conditions.chanceMin) {
        // Chances of another match count give every row 0, as ScoreModel does.
        m_chanceCells.assign(3 * MatchCells, 0.0);
        if (chances && chances->matchCount() == m_matches)
            for (int m = 0; m < m_matches; ++m)
                for (int h = 0; h < Goals; ++h)
                    for (int a = 0; a < Goals; ++a)
                        m_chanceCells[size_t(m) * MatchCells + size_t(a) * 256 + size_t(h)] =
                            chances->match(m).at(h, a);
        m_judge.chanceCells = m_chanceCells.data();
        m_judge.chanceMin = *conditions.chanceMin;
    }
    if (conditions.valueMin) {
        // Without a value no row has one: a value condition then takes nothing.
        static const struct NoValue : RowValue
        {
            double value(ScoreRow) const override { return -1; }
        } none;
        m_judge.value = value ? value : &none;
        m_judge.valueMin = *conditions.valueMin;
    }
}

double RowFilter::Judge::valueOf(ScoreRow row) const
{
    return value->value(row);
}

RowFilter::Remaining RowFilter::remaining(const ScoreRow* rows, size_t count,
                                          const std::vector<bool>* firstCopy,
                                          size_t mostChecked) const
{
    Remaining left;
    // The plain count first: it is what is wanted while typing, and the cheapest loop.
    if (!m_chances && !m_value) {
        left.rows = withJudge([rows, count](const Judge judge, auto matches) {
            qint64 kept = 0;
            for (size_t i = 0; i < count; ++i)
                kept += judge.takes<matches()>(rows[i]) == judge.keep;
            return kept;
        });
        return left;
    }
    CompensatedSum chance;
    double valueSum = 0;
    // Copies unknown: the rows remaining hashed as they come, which costs only as many as
    // remain.
    RowIndex seen;
    const bool marked = firstCopy && !firstCopy->empty();
    bool hashing = m_chances && !firstCopy;
    withJudge([&](const Judge judge, auto matches) {
        for (size_t i = 0; i < count; ++i) {
            const ScoreRow row = rows[i];
            if (judge.takes<matches()>(row) != judge.keep)
                continue;
            ++left.rows;
            if (hashing && size_t(left.rows) > mostChecked) {
                hashing = false;
                left.chanceCounted = false;
                seen.clear();
            }
            if (m_chances && left.chanceCounted &&
                (marked ? bool((*firstCopy)[i]) : !hashing || seen.insert(row)))
                chance.add(m_chances->probability(row));
            if (m_value)
                valueSum += m_value->value(row);
        }
        return 0;
    });
    left.chance =
        left.rows == 0 || !left.chanceCounted ? 0.0 : std::clamp(chance.value(), 0.0, 1.0);
    if (m_value && left.rows > 0)
        left.meanValue = valueSum / double(left.rows);
    return left;
}

std::optional<int> RowFilter::apply(RowListModel& list,
                                    const std::function<bool(qint64, qint64)>& progress) const
{
    list.announceStaged();
    const ScoreRow* rows = list.rows().data();
    const size_t count = size_t(list.count());
    // The positions of the fewer, rows kept or rows removed, are collected and the list cut by
    // them: a cut down to a few rows then writes little more than the few, and so does one
    // that removes a few. A sample tells which are fewer.
    const size_t sample = std::min<size_t>(count, 1024);
    size_t keptInSample = 0;
    for (size_t s = 0; s < sample; ++s)
        keptInSample += keeps(rows[s * count / sample]);
    const bool collectKept = keptInSample * 2 < sample;
    const size_t expected = (collectKept ? keptInSample : sample - keptInSample) *
                            (count / std::max<size_t>(sample, 1));
    std::vector<quint32> positions;
    positions.reserve(expected + expected / 8 + 1024);
    // A block between reports: a few milliseconds of work.
    constexpr size_t Block = size_t(1) << 18;
    for (size_t from = 0; from < count; from += Block) {
        if (progress && (!progress(qint64(from), qint64(count)) || list.rows().data() != rows ||
                         size_t(list.count()) != count))
            return std::nullopt;
        const size_t to = std::min(count, from + Block);
        withJudge([&](const Judge judge, auto matches) {
            const bool taken = judge.keep == collectKept;
            for (size_t i = from; i < to; ++i)
                if (judge.takes<matches()>(rows[i]) == taken)
                    positions.push_back(quint32(i));
            return 0;
        });
    }
    if (progress && (!progress(qint64(count), qint64(count)) || list.rows().data() != rows ||
                     size_t(list.count()) != count))
        return std::nullopt;
    return collectKept ? list.keepOnly(std::move(positions)) : list.removeAt(std::move(positions));
}

namespace RowFilterCopies {
std::vector<bool> firstCopies(const std::vector<ScoreRow>& rows, size_t count)
{
    RowIndex index;
    std::vector<quint32> slotOfRow;
    index.rebuild(rows, 0, &slotOfRow);
    if (index.size() == rows.size())
        return {};
    std::vector<bool> seen(index.slotCount(), false);
    std::vector<bool> first(count);
    for (size_t i = 0; i < count; ++i) {
        first[i] = !seen[slotOfRow[i]];
        seen[slotOfRow[i]] = true;
    }
    return first;
}
} // namespace RowFilterCopies
