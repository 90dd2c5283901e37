#include "core/chance.h"
#include "core/numbers.h"
#include <algorithm>
#include <cmath>

void ChanceTally::setModel(std::shared_ptr<const ScoreModel> model)
{
    m_model = std::move(model);
    m_sum.clear();
    m_rows = 0;
}

void ChanceTally::reset(const ScoreRow* rows, size_t count)
{
    m_sum.clear();
    m_rows = qint64(count);
    if (m_model)
        m_sum.add(m_model->sum(rows, count));
}

void ChanceTally::add(ScoreRow row)
{
    ++m_rows;
    if (m_model)
        m_sum.add(m_model->probability(row));
}

void ChanceTally::remove(ScoreRow row)
{
    if (m_rows == 0)
        return;
    --m_rows;
    if (m_model)
        m_sum.add(-m_model->probability(row));
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
    if (percent >= 1)
        return formatDecimal(percent, 2, locale) + QStringLiteral(" %");
    // Two significant digits, as far as fifteen decimals reach.
    const int decimals = percent > 0 ? 1 - int(std::floor(std::log10(percent))) : 0;
    if (decimals > 15 || percent <= 0)
        return QStringLiteral("0 %");
    return formatDecimal(percent, decimals, locale) + QStringLiteral(" %");
}

QString chanceText(double chance, const QLocale& locale)
{
    QString text = percentText(chance, locale);
    if (const qint64 n = oneIn(chance))
        text += QStringLiteral(" (1 : %1)").arg(n);
    return text;
}

QString winningText(double chance, const QLocale& locale)
{
    return QStringLiteral("Voittotodennäköisyys ") + chanceText(chance, locale);
}

QString rowText(double chance, const QLocale& locale)
{
    return QStringLiteral("Todennäköisyys ") + chanceText(chance, locale);
}

} // namespace Chance

std::optional<Chance::Ordered> Chance::orderedByChance(const ScoreModel& model,
                                                       const RowListModel& list)
{
    const std::vector<int> order = model.likeliestFirst(list.rows().data(), size_t(list.count()));
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
