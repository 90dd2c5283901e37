#include "ui/frmTilastot.h"
#include "ui_frmTilastot.h"
#include <QCursor>
#include <QLocale>
#include <QToolTip>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>
#include <QtCharts/QHorizontalBarSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>

namespace {
// Bars standing up, or lying down (then the category names have room beside them).
QAbstractBarSeries* labelledSeries(Qt::Orientation bars, QBarSet* first, QBarSet* second = nullptr)
{
    QAbstractBarSeries* series = bars == Qt::Vertical
                                     ? static_cast<QAbstractBarSeries*>(new QBarSeries)
                                     : new QHorizontalBarSeries;
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    // Counts of millions in full, never as 3e+06.
    series->setLabelsPrecision(12);
    for (QBarSet* bars : {first, second}) {
        if (!bars)
            continue;
        // The theme writes labels in white, unreadable above a bar on a white chart.
        bars->setLabelColor(Qt::black);
        series->append(bars);
    }
    return series;
}

QChart* attach(QChartView* view, QAbstractBarSeries* series, QBarCategoryAxis* categories,
               QValueAxis* scale)
{
    // The view's own chart: one set in its place would leave this one to nobody.
    QChart* chart = view->chart();
    chart->addSeries(series);
    const bool upright = series->type() == QAbstractSeries::SeriesTypeBar;
    chart->addAxis(categories, upright ? Qt::AlignBottom : Qt::AlignLeft);
    chart->addAxis(scale, upright ? Qt::AlignLeft : Qt::AlignBottom);
    series->attachAxis(categories);
    series->attachAxis(scale);
    scale->setLabelFormat(QStringLiteral("%d"));
    chart->setMargins(QMargins(2, 2, 2, 2));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(180);
    return chart;
}

void setValues(QBarSet* bars, const std::vector<qint64>& values)
{
    QList<qreal> list;
    list.reserve(qsizetype(values.size()));
    for (qint64 value : values)
        list << qreal(value);
    bars->remove(0, bars->count());
    bars->append(list);
}

void setCategories(QBarCategoryAxis* axis, const QStringList& names)
{
    if (axis->categories() == names)
        return;
    axis->clear();
    axis->append(names);
}

// Room above the tallest bar for its label (more for one standing on end), and whole-number
// steps for small lists.
void setScale(QValueAxis* scale, qint64 highest, bool uprightLabels = false)
{
    scale->setRange(0, std::max<qreal>(5, qreal(highest) * (uprightLabels ? 2.0 : 1.15)));
    scale->applyNiceNumbers();
}

QString percent(double share)
{
    return QLocale().toString(share * 100, 'f', 1) + QStringLiteral(" %");
}
} // namespace

frmTilastot::frmTilastot(const RowListModel& rows, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmTilastot>()), m_rows(rows)
{
    ui->setupUi(this);
    m_charts = {buildCharts(ui->chtMaalit1, ui->chtTulos1),
                buildCharts(ui->chtMaalit2, ui->chtTulos2),
                buildCharts(ui->chtMaalit3, ui->chtTulos3)};

    // A draw announces its rows many times and a removal resets the model; counting once
    // when the burst is over keeps a change of millions of rows to a single pass.
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(0);
    connect(&m_refresh, &QTimer::timeout, this, &frmTilastot::refresh);
    connect(&rows, &RowListModel::countChanged, this, &frmTilastot::listChanged);
    connect(&rows, &QAbstractItemModel::modelReset, this, &frmTilastot::listChanged);
    connect(&rows, &QAbstractItemModel::rowsInserted, this, &frmTilastot::listChanged);
    connect(&rows, &QAbstractItemModel::rowsRemoved, this, &frmTilastot::listChanged);
    connect(&rows, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                // Ticks change no score; recounting millions of rows per tick would lag.
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                    listChanged();
            });

    refresh();
}

frmTilastot::~frmTilastot() = default;

frmTilastot::MatchCharts frmTilastot::buildCharts(QChartView* goalView, QChartView* outcomeView)
{
    MatchCharts charts;
    charts.home = new QBarSet(QStringLiteral("Koti"));
    charts.away = new QBarSet(QStringLiteral("Vieras"));
    charts.goals = new QBarCategoryAxis;
    charts.goals->setTitleText(QStringLiteral("Maalit"));
    charts.goalScale = new QValueAxis;
    charts.goalSeries = labelledSeries(Qt::Vertical, charts.home, charts.away);
    QChart* goalChart = attach(goalView, charts.goalSeries, charts.goals, charts.goalScale);
    // Over many goal counts the bars carry no labels; pointing at one tells its count.
    connect(charts.goalSeries, &QAbstractBarSeries::hovered, this,
            [](bool entered, int goal, QBarSet* bars) {
                if (!entered)
                    return QToolTip::hideText();
                QToolTip::showText(QCursor::pos(), QStringLiteral("%1, %2 maalia: %L3 riviä")
                                                       .arg(bars->label())
                                                       .arg(goal)
                                                       .arg(qint64(bars->at(goal))));
            });
    goalChart->legend()->setAlignment(Qt::AlignTop);

    charts.outcomes = new QBarSet(QStringLiteral("Rivejä"));
    charts.outcomeNames = new QBarCategoryAxis;
    charts.outcomeScale = new QValueAxis;
    QAbstractBarSeries* outcomes = labelledSeries(Qt::Horizontal, charts.outcomes);
    charts.outcomeNames->setTruncateLabels(false);
    // Few steps: the counts of a long list are wide numbers.
    charts.outcomeScale->setTickCount(3);
    attach(outcomeView, outcomes, charts.outcomeNames, charts.outcomeScale)->legend()->hide();
    return charts;
}

void frmTilastot::listChanged()
{
    m_refresh.start();
}

void frmTilastot::refresh()
{
    m_refresh.stop();
    m_statistics = RowStatistics(m_rows);
    const int matches = m_statistics.matchCount();
    ui->lblRivit->setText(
        matches == 0 ? QStringLiteral("Listassa ei ole rivejä.")
                     : QStringLiteral("Rivejä listassa: %L1").arg(m_statistics.rowCount()));
    QGroupBox* const groups[] = {ui->fraKohde1, ui->fraKohde2, ui->fraKohde3};
    for (int m = 0; m < 3; ++m) {
        groups[m]->setVisible(m < matches);
        if (m < matches)
            showMatch(m_charts[size_t(m)], m_statistics.match(m));
    }
}

void frmTilastot::showMatch(const MatchCharts& charts, const MatchStatistics& match)
{
    QStringList goals;
    for (size_t g = 0; g < match.homeGoals.size(); ++g)
        goals << QString::number(g);
    setCategories(charts.goals, goals);
    setValues(charts.home, match.homeGoals);
    setValues(charts.away, match.awayGoals);
    const qint64 mostGoals =
        std::max(*std::max_element(match.homeGoals.begin(), match.homeGoals.end()),
                 *std::max_element(match.awayGoals.begin(), match.awayGoals.end()));
    // Labels on dozens of narrow bars would only overlap; over more than a few bars, or with
    // long counts, they stand on end to fit their bar's width.
    const bool manyGoals = goals.size() > 14;
    charts.goalSeries->setLabelsVisible(!manyGoals);
    const bool onEnd = goals.size() > 6 || mostGoals >= 1000;
    charts.goalSeries->setLabelsAngle(onEnd ? -90 : 0);
    setScale(charts.goalScale, mostGoals, onEnd && !manyGoals);
    QFont goalFont = font();
    if (manyGoals)
        goalFont.setPointSizeF(goalFont.pointSizeF() * 0.7);
    charts.goals->setLabelsFont(goalFont);
    charts.goals->setLabelsAngle(manyGoals ? -90 : 0);

    // The share of each outcome stands beside its bar, the count at its end.
    setCategories(charts.outcomeNames,
                  {QStringLiteral("1  ") + percent(match.share(MatchStatistics::HomeWin)),
                   QStringLiteral("X  ") + percent(match.share(MatchStatistics::Draw)),
                   QStringLiteral("2  ") + percent(match.share(MatchStatistics::AwayWin))});
    setValues(charts.outcomes, {match.outcomes.begin(), match.outcomes.end()});
    setScale(charts.outcomeScale, *std::max_element(match.outcomes.begin(), match.outcomes.end()));
}
