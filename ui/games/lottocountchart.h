#pragma once
// Bar chart of the lotto machine's counts: one bar per number, the numbers of the best row
// highlighted, so the player sees at a glance what the ranking table says.
#include <QtCharts/QChartView>
#include <vector>

class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

class LottoCountChart : public QChartView
{
    Q_OBJECT
public:
    explicit LottoCountChart(QWidget* parent = nullptr);

    // counts[n - 1] is how often number n came up; highlighted holds numbers.
    void showCounts(const std::vector<qint64>& counts, const std::vector<int>& highlighted);

    const QBarSet* bars() const { return m_bars; }

private:
    QBarSet* m_bars;
    QBarCategoryAxis* m_numbers;
    QValueAxis* m_times;
};
