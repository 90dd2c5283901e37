#include "core/chance.h"
#include "core/numbers.h"
#include <algorithm>
#include <cmath>

void ChanceTally::setModel(std::shared_ptr<const ScoreModel> model)
{
    m_model = std::move(model);
    m_sum.clear();
    m_copies.clear();
    m_rows = 0;
}

void ChanceTally::reset(const ScoreRow* rows, size_t count, bool distinct)
{
    m_sum.clear();
    m_rows = qint64(count);
    m_countsCopies = !distinct;
    if (!m_model)
        return;
    if (distinct) {
        m_copies.clear();
        m_sum.add(m_model->sum(rows, count));
        return;
    }
    m_copies.clearFor(count);
    m_copies.addAll(rows, count, [this](ScoreRow row) { m_sum.add(m_model->probability(row)); });
}

void ChanceTally::add(ScoreRow row)
{
    ++m_rows;
    if (m_model && (!m_countsCopies || m_copies.add(row) == 1))
        m_sum.add(m_model->probability(row));
}

void ChanceTally::remove(ScoreRow row)
{
    if (m_rows == 0)
        return;
    --m_rows;
    if (m_model && !m_countsCopies) {
        m_sum.add(-m_model->probability(row));
    } else if (m_model && m_copies.count(row) == 1) {
        m_copies.remove(row);
        m_sum.add(-m_model->probability(row));
    } else if (m_model) {
        m_copies.remove(row);
    }
}

double ChanceTally::chance() const
{
    return std::clamp(sum(), 0.0, 1.0);
}

namespace Chance {

qint64 oneIn(double chance)
{
    const double n = std::round(1 / std::min(chance, 1.0));
    return n >= 1 && n < 1e15 ? qint64(n) : 0;
}

QString percentText(double chance, const QLocale& locale)
{
    const double percent = std::clamp(chance, 0.0, 1.0) * 100;
    if (percent <= 0 || percent >= 100)
        return formatDecimal(percent, 0, locale) + QStringLiteral(" %");
    // Two decimals from 1 % up, two significant digits below; more while the rounding would
    // show a chance that can still fail as 100 %.
    int decimals = percent >= 1 ? 2 : 1 - int(std::floor(std::log10(percent)));
    constexpr int MostDecimals = 15;
    if (decimals > MostDecimals) // too small for fixed decimals: "1,2e-18 %"
        return locale.toString(percent, 'g', 2) + QStringLiteral(" %");
    while (decimals < MostDecimals && percent >= 1 &&
           formatDecimal(percent, decimals, locale) == formatDecimal(100, decimals, locale))
        ++decimals;
    return formatDecimal(percent, decimals, locale) + QStringLiteral(" %");
}

QString chanceText(double chance, const QLocale& locale)
{
    QString text = percentText(chance, locale);
    if (const qint64 n = oneIn(chance))
        text += QStringLiteral(" (1 : %1)").arg(locale.toString(n));
    return text;
}

} // namespace Chance

std::optional<Chance::Ordered> Chance::orderedByChance(const ScoreModel& model,
                                                       const RowListModel& list)
{
    return reordered(list, model.likeliestFirst(list.rows().data(), size_t(list.count())));
}

std::optional<Chance::Ordered> Chance::reordered(const RowListModel& list,
                                                 const std::vector<int>& order)
{
    if (std::is_sorted(order.begin(), order.end()))
        return std::nullopt;
    Ordered ordered;
    ordered.rows.reserve(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        ordered.rows.push_back(list.at(order[i]));
        if (list.isChecked(order[i]))
            ordered.ticked.push_back(int(i));
    }
    return ordered;
}
