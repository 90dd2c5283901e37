#include "core/rowfilter.h"
#include "core/compensatedsum.h"
#include "core/numbers.h"
#include "core/rowindex.h"
#include "core/rowlistmodel.h"
#include "core/rowvalue.h"
#include "core/scoremodel.h"
#include <algorithm>
#include <cmath>

bool operator==(const RowFilterTexts& a, const RowFilterTexts& b)
{
    for (size_t m = 0; m < 3; ++m) {
        const RowFilterTexts::Match& x = a.matches[m];
        const RowFilterTexts::Match& y = b.matches[m];
        if (x.outcomes != y.outcomes || x.goalsMin != y.goalsMin || x.goalsMax != y.goalsMax ||
            x.differenceMin != y.differenceMin || x.differenceMax != y.differenceMax)
            return false;
    }
    return a.rowGoalsMin == b.rowGoalsMin && a.rowGoalsMax == b.rowGoalsMax &&
           a.homeWinsMin == b.homeWinsMin && a.homeWinsMax == b.homeWinsMax &&
           a.drawsMin == b.drawsMin && a.drawsMax == b.drawsMax && a.awayWinsMin == b.awayWinsMin &&
           a.awayWinsMax == b.awayWinsMax && a.chanceMin == b.chanceMin &&
           a.valueMin == b.valueMin && a.keep == b.keep;
}

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
    ranges.read(texts.rowGoalsMin, texts.rowGoalsMax, QStringLiteral("txtRiviMaalitMin"),
                QStringLiteral("txtRiviMaalitMax"), QStringLiteral("Rivin maalit"), false,
                conditions.rowGoals);
    ranges.read(texts.homeWinsMin, texts.homeWinsMax, QStringLiteral("txtKotivoitotMin"),
                QStringLiteral("txtKotivoitotMax"), QStringLiteral("Kotivoitot"), false,
                conditions.homeWins);
    ranges.read(texts.drawsMin, texts.drawsMax, QStringLiteral("txtTasapelitMin"),
                QStringLiteral("txtTasapelitMax"), QStringLiteral("Tasapelit"), false,
                conditions.draws);
    ranges.read(texts.awayWinsMin, texts.awayWinsMax, QStringLiteral("txtVierasvoitotMin"),
                QStringLiteral("txtVierasvoitotMax"), QStringLiteral("Vierasvoitot"), false,
                conditions.awayWins);
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
    : m_matches(conditions.matches == 2 ? 2 : 3), m_keep(conditions.keep),
      m_plain(!conditions.chanceMin && !conditions.valueMin), m_chanceMin(conditions.chanceMin),
      m_valueMin(conditions.valueMin), m_chances(chances), m_value(value)
{
    m_cells.resize(size_t(3 * Goals * Goals), 0);
    for (int m = 0; m < m_matches; ++m) {
        const RowFilterConditions::Match& match = conditions.match[size_t(m)];
        for (int h = 0; h < Goals; ++h)
            for (int a = 0; a < Goals; ++a) {
                const int outcome = h > a ? 0 : h == a ? 1 : 2;
                const bool passes = match.outcomes[size_t(outcome)] &&
                                    match.goals.contains(h + a) && match.difference.contains(h - a);
                quint32 cell = (1u << (4 * outcome)) | (quint32(h + a) << GoalsShift);
                if (!passes)
                    cell |= 0x2000'0000u << m;
                m_cells[size_t((m * Goals + h) * Goals + a)] = cell;
            }
    }
    m_outcomeCounts.resize(CountsMask + 1);
    for (quint32 n = 0; n <= CountsMask; ++n)
        m_outcomeCounts[n] = conditions.homeWins.contains(int(n & 15)) &&
                             conditions.draws.contains(int((n >> 4) & 15)) &&
                             conditions.awayWins.contains(int(n >> 8));
    m_rowGoals.resize(GoalsMask + 1);
    for (quint32 g = 0; g <= GoalsMask; ++g)
        m_rowGoals[g] = conditions.rowGoals.contains(int(g));
}

bool RowFilter::takesByChance(ScoreRow row) const
{
    if (m_chanceMin && (!m_chances || !(m_chances->probability(row) >= *m_chanceMin)))
        return false;
    return !m_valueMin || (m_value && m_value->value(row) >= *m_valueMin);
}

RowFilter::Remaining RowFilter::remaining(const ScoreRow* rows, size_t count,
                                          const std::vector<bool>& firstCopy) const
{
    Remaining left;
    // The plain count first: it is what is wanted while typing, and the cheapest loop.
    if (!m_chances && !m_value) {
        qint64 kept = 0;
        for (size_t i = 0; i < count; ++i)
            kept += keeps(rows[i]);
        left.rows = kept;
        return left;
    }
    CompensatedSum chance;
    double valueSum = 0;
    const bool copies = !firstCopy.empty();
    for (size_t i = 0; i < count; ++i) {
        const ScoreRow row = rows[i];
        if (!keeps(row))
            continue;
        ++left.rows;
        if (m_chances && (!copies || firstCopy[i]))
            chance.add(m_chances->probability(row));
        if (m_value)
            valueSum += m_value->value(row);
    }
    left.chance = left.rows == 0 ? 0.0 : std::clamp(chance.value(), 0.0, 1.0);
    if (m_value && left.rows > 0)
        left.meanValue = valueSum / double(left.rows);
    return left;
}

std::optional<RowFilter::Marked>
RowFilter::mark(const ScoreRow* rows, size_t count,
                const std::function<bool(qint64, qint64)>& progress) const
{
    // A block between reports: a few milliseconds of work.
    constexpr size_t Block = size_t(1) << 18;
    Marked marked;
    marked.remove.resize(count);
    size_t removing = 0;
    for (size_t from = 0; from < count; from += Block) {
        if (progress && !progress(qint64(from), qint64(count)))
            return std::nullopt;
        const size_t to = std::min(count, from + Block);
        for (size_t i = from; i < to; ++i)
            if (!keeps(rows[i])) {
                marked.remove[i] = true;
                ++removing;
            }
    }
    if (progress && !progress(qint64(count), qint64(count)))
        return std::nullopt;
    marked.count = removing;
    return marked;
}

std::optional<int> RowFilter::apply(RowListModel& list,
                                    const std::function<bool(qint64, qint64)>& progress) const
{
    list.announceStaged();
    const std::optional<Marked> marked = mark(list.rows().data(), size_t(list.count()), progress);
    if (!marked)
        return std::nullopt;
    return list.removeMarked(marked->remove, marked->count);
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
