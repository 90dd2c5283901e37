#pragma once
#include "core/rowlistmodel.h"
#include "core/rowstatistics.h"
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

class QBarCategoryAxis;
class QAbstractBarSeries;
class QBarSet;
class QChartView;
class QValueAxis;

namespace Ui {
class frmTilastot;
}

// Statistics of the row list, one group per match: bar charts of the home and away goal
// counts and of the 1/X/2 split, each bar labelled with its count. Not modal; it follows the
// list while open, recounting once per burst of changes.
class frmTilastot : public QWidget
{
    Q_OBJECT
public:
    explicit frmTilastot(const RowListModel& rows, QWidget* parent = nullptr);
    ~frmTilastot() override;

    // What the charts show now.
    const RowStatistics& statistics() const { return m_statistics; }

private:
    struct MatchCharts
    {
        QAbstractBarSeries* goalSeries = nullptr;
        QBarSet* home = nullptr;
        QBarSet* away = nullptr;
        QBarCategoryAxis* goals = nullptr;
        QValueAxis* goalScale = nullptr;
        QBarSet* outcomes = nullptr;
        QBarCategoryAxis* outcomeNames = nullptr;
        QValueAxis* outcomeScale = nullptr;
    };

    void listChanged();
    void refresh();
    void showMatch(const MatchCharts& charts, const MatchStatistics& match);
    MatchCharts buildCharts(QChartView* goalView, QChartView* outcomeView);

    std::unique_ptr<Ui::frmTilastot> ui;
    const RowListModel& m_rows;
    RowStatistics m_statistics;
    std::array<MatchCharts, 3> m_charts;
    QTimer m_refresh;
};
