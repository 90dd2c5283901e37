#include "ui/games/lottocountchart.h"
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QValueAxis>
#include <algorithm>

LottoCountChart::LottoCountChart(QWidget* parent)
    : QChartView(parent), m_bars(new QBarSet(QStringLiteral("Arvottu"))),
      m_numbers(new QBarCategoryAxis), m_times(new QValueAxis)
{
    // The view's own chart: one set in its place would leave this one to nobody.
    QChart* chart = this->chart();
    chart->legend()->hide();
    auto* series = new QBarSeries;
    series->setBarWidth(0.8);
    series->append(m_bars);
    chart->addSeries(series);
    chart->addAxis(m_numbers, Qt::AlignBottom);
    chart->addAxis(m_times, Qt::AlignLeft);
    series->attachAxis(m_numbers);
    series->attachAxis(m_times);
    m_times->setLabelFormat(QStringLiteral("%d"));
    // Up to 48 numbers side by side: a small font keeps every number readable.
    QFont small = m_numbers->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    m_numbers->setLabelsFont(small);
    m_numbers->setTruncateLabels(false);
    m_bars->setColor(QColor(0x9e, 0xb8, 0xd9));
    m_bars->setSelectedColor(QColor(0xd9, 0x3b, 0x2b));
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(220);
}

void LottoCountChart::showCounts(const std::vector<qint64>& counts,
                                 const std::vector<int>& highlighted)
{
    QStringList numbers;
    QList<qreal> values;
    for (size_t n = 1; n <= counts.size(); ++n) {
        numbers << QString::number(n);
        values << qreal(counts[n - 1]);
    }
    if (m_numbers->categories() != numbers) {
        m_numbers->clear();
        m_numbers->append(numbers);
    }
    m_bars->deselectAllBars();
    m_bars->remove(0, m_bars->count());
    m_bars->append(values);
    QList<int> selected;
    for (int n : highlighted)
        selected << n - 1;
    m_bars->selectBars(selected);
    const qint64 most = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
    // Whole-number ticks even before anything has been drawn.
    m_times->setRange(0, qMax<qint64>(most, 5));
    m_times->applyNiceNumbers();
}
