#include "core/poolvalue.h"
#include "core/money.h"
#include "core/numbers.h"
#include <algorithm>

namespace {
// Euros as typed, with blanks (also no-break ones) between digit groups let through.
std::optional<qint64> readEuros(QString text, const QLocale& locale)
{
    text.remove(u' ').remove(QChar(0x00a0)).remove(QChar(0x202f));
    return Money::parseCents(text, locale);
}
} // namespace

PoolRead readPool(const PoolTexts& texts, const QLocale& locale)
{
    PoolRead read;
    const std::optional<qint64> total = readEuros(texts.total, locale);
    if (!total || *total <= 0) {
        read.error = QStringLiteral("Anna pelin odotettu vaihto euroina, esim. 250000.");
        read.field = 0;
        return read;
    }
    const std::optional<double> returned = parseDecimal(texts.returned.trimmed(), locale);
    if (!returned || !(*returned > 0 && *returned <= 100)) {
        read.error = QStringLiteral("Anna voittoihin palautettava osuus prosentteina (yli 0 ja "
                                    "enintään 100), esim. 65.");
        read.field = 1;
        return read;
    }
    std::optional<qint64> jackpot = qint64(0);
    if (!texts.jackpot.trimmed().isEmpty())
        jackpot = readEuros(texts.jackpot, locale);
    if (!jackpot || *jackpot < 0) {
        read.error = QStringLiteral("Potti on euroina 0 tai enemmän; tyhjä on 0.");
        read.field = 2;
        return read;
    }
    read.pool = Pool{*total, *returned / 100, *jackpot};
    return read;
}

DistributionRead readDistribution(const DistributionTexts& texts, int matches,
                                  const QLocale& locale)
{
    DistributionRead read;
    Distribution distribution;
    for (int m = 0; m < std::clamp(matches, 0, 3); ++m) {
        ShareTableRead table = StakeShares::readTable(texts.tables[size_t(m)], locale);
        if (!table.table) {
            read.error = QStringLiteral("Kohteen %1 pelijakauma: ").arg(m + 1) + table.error;
            read.errorMatch = m + 1;
            return read;
        }
        distribution.tables.push_back(std::move(*table.table));
    }
    PoolRead pool = readPool(texts.pool, locale);
    if (!pool.pool) {
        read.error = pool.error;
        read.poolField = pool.field;
        return read;
    }
    distribution.pool = *pool.pool;
    read.distribution = std::move(distribution);
    return read;
}

std::shared_ptr<const PoolValue> PoolValue::make(std::shared_ptr<const ScoreModel> model,
                                                 const Distribution& distribution,
                                                 qint64 stakeCents)
{
    if (!model || int(distribution.tables.size()) != model->matchCount())
        return nullptr;
    std::vector<std::vector<double>> shares;
    for (int m = 0; m < model->matchCount(); ++m)
        shares.push_back(StakeShares::shareCells(distribution.tables[size_t(m)], model->match(m)));
    return make(std::move(model), shares, distribution.pool, stakeCents);
}

std::shared_ptr<const PoolValue> PoolValue::make(std::shared_ptr<const ScoreModel> model,
                                                 const std::vector<std::vector<double>>& shares,
                                                 const Pool& pool, qint64 stakeCents)
{
    constexpr size_t Cells = size_t(MatchScores::Goals * MatchScores::Goals);
    if (!model || model->isEmpty() || int(shares.size()) != model->matchCount() ||
        stakeCents <= 0 || pool.totalCents <= 0 || pool.jackpotCents < 0 ||
        !(pool.returnShare > 0 && pool.returnShare <= 1))
        return nullptr;
    std::shared_ptr<PoolValue> value(new PoolValue);
    for (const std::vector<double>& match : shares) {
        if (match.size() != Cells)
            return nullptr;
        value->m_shares.insert(value->m_shares.end(), match.begin(), match.end());
    }
    value->m_model = std::move(model);
    value->m_count = value->m_model->matchCount();
    value->m_total = double(pool.totalCents) / 100;
    value->m_stake = double(stakeCents) / 100;
    value->m_payout = pool.returnShare * value->m_total + double(pool.jackpotCents) / 100;
    return value;
}

void ValueTally::setValue(std::shared_ptr<const PoolValue> value)
{
    m_value = std::move(value);
    m_sum.clear();
    m_rows = 0;
}

void ValueTally::reset(const ScoreRow* rows, size_t count)
{
    m_sum.clear();
    m_rows = qint64(count);
    if (!m_value)
        return;
    const PoolValue& value = *m_value;
    for (size_t i = 0; i < count; ++i)
        m_sum.add(value.valueOf(rows[i]));
}

void ValueTally::add(ScoreRow row)
{
    ++m_rows;
    if (m_value)
        m_sum.add(m_value->valueOf(row));
}

void ValueTally::remove(ScoreRow row)
{
    if (m_rows == 0)
        return;
    --m_rows;
    if (m_value)
        m_sum.add(-m_value->valueOf(row));
}

namespace RowValues {

QString valueText(double value, const QLocale& locale)
{
    return formatDecimal(value, 2, locale);
}

QString expectedReturnText(double expectedReturn, const QLocale& locale)
{
    return QStringLiteral("Odotettu palautus %1 % panoksesta")
        .arg(formatDecimal(expectedReturn * 100, 0, locale));
}

std::optional<Chance::Ordered> orderedByValue(const PoolValue& value, const RowListModel& list)
{
    std::vector<double> values(size_t(list.count()));
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = value.valueOf(list.at(int(i)));
    return Chance::reordered(list, highestFirst(values));
}

} // namespace RowValues
