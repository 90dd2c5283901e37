#include "ui/games/frmRandom.h"
#include "core/numbers.h"
#include "ui/dialogs.h"
#include "ui/games/lottocountchart.h"
#include "ui/games/ui_frmRandom.h"
#include "ui/texts.h"
#include "ui/wholetextfocus.h"
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <limits>

namespace {
constexpr int FewestBest = 6;
constexpr int MostBest = 11;
constexpr int PositionsPerColumn = 12;
// How often a run lets the window repaint and take clicks.
constexpr qint64 EventIntervalMs = 50;
constexpr qint64 MostRows = std::numeric_limits<qint32>::max();

// The rows to draw, or nothing with the refusal set. A count below 0, however far, draws no
// row, as 0 does.
std::optional<qint64> rowCount(const QString& typed, QString& refusal)
{
    const QString text = typed.trimmed();
    if (const auto rows = parseWholeNumber(text, MostRows))
        return rows;
    static const QRegularExpression whole(QStringLiteral("^([+-]?)[0-9]+$"));
    const QRegularExpressionMatch match = whole.match(text);
    if (!match.hasMatch())
        refusal = QStringLiteral("Anna arvottava rivimäärä kokonaislukuna.");
    else if (match.captured(1) == QLatin1String("-"))
        return 0;
    else
        refusal = QStringLiteral("Rivimäärä on liian suuri. Suurin sallittu on %1.").arg(MostRows);
    return std::nullopt;
}
} // namespace

frmRandom::frmRandom(RandomSource& random, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmRandom>()), m_random(random),
      m_machine(LottoGame::Lotto)
{
    ui->setupUi(this);
    buildPositions();
    buildShowBest();
    m_chart = new LottoCountChart(this);
    m_chart->setObjectName(QStringLiteral("chtArvotut"));
    ui->layoutChart->addWidget(m_chart);
    selectWholeTextOnFocus(ui->txtLottoRivi);

    connect(ui->Command1, &QPushButton::clicked, this, &frmRandom::Command1_Click);
    connect(ui->cmdStop, &QPushButton::clicked, this, &frmRandom::cmdStop_Click);
    connect(ui->cmdJarjestaIso, &QPushButton::clicked, this, &frmRandom::Jarjesta);
    connect(ui->cmdJarjestaPieni, &QPushButton::clicked, this, &frmRandom::cmdJarjestaPieni_Click);
    connect(ui->cmdLopeta, &QPushButton::clicked, this, &QWidget::close);
    for (QRadioButton* game : {ui->optPeli_0, ui->optPeli_1}) {
        connect(game, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                optPeli_Click();
        });
    }
    showTable();
    updateChart();
}

frmRandom::~frmRandom() = default;

void frmRandom::buildPositions()
{
    QFont bold = font();
    bold.setBold(true);
    for (int k = 1; k <= LottoMachine::Positions; ++k) {
        auto* ball = new QLabel(ui->framePositions);
        ball->setObjectName(QStringLiteral("Pallo_%1").arg(k));
        ball->setFont(bold);
        ball->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* count = new QLabel(ui->framePositions);
        count->setObjectName(QStringLiteral("nro_%1").arg(k));
        count->setMinimumWidth(count->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
        const int row = (k - 1) % PositionsPerColumn;
        const int column = 2 * ((k - 1) / PositionsPerColumn);
        ui->layoutPositions->addWidget(ball, row, column);
        ui->layoutPositions->addWidget(count, row, column + 1);
        m_balls.push_back(ball);
        m_counts.push_back(count);
    }
    // The best few stay at the top when the rest are hidden.
    ui->layoutPositions->setRowStretch(PositionsPerColumn, 1);
}

void frmRandom::buildShowBest()
{
    for (int n = FewestBest; n <= MostBest; ++n) {
        auto* option = new QRadioButton(QString::number(n), ui->Frame1);
        option->setObjectName(QStringLiteral("optNayta_%1").arg(n));
        ui->layoutNayta->addWidget(option, 0, n - FewestBest);
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                optNayta_Click();
        });
        m_best.push_back(option);
    }
    m_best[size_t(7 - FewestBest)]->setChecked(true);
}

void frmRandom::closeEvent(QCloseEvent* event)
{
    if (m_running) {
        // The run's loop is still on the stack: stop it and close once it has returned.
        m_stopRequested = true;
        m_closeAfterRun = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

LottoGame frmRandom::selectedGame() const
{
    return ui->optPeli_1->isChecked() ? LottoGame::Viking : LottoGame::Lotto;
}

int frmRandom::shownBest() const
{
    for (size_t k = 0; k < m_best.size(); ++k) {
        if (m_best[k]->isChecked())
            return FewestBest + int(k);
    }
    return 7;
}

bool frmRandom::hasRun() const
{
    return m_rowsDrawn > 0;
}

void frmRandom::setRunning(bool running)
{
    m_running = running;
    const std::initializer_list<QWidget*> blocked = {
        ui->Command1, ui->cmdLopeta, ui->cmdJarjestaIso, ui->cmdJarjestaPieni, ui->frmPeli};
    for (QWidget* control : blocked)
        control->setEnabled(!running);
    if (running)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

void frmRandom::Command1_Click()
{
    QString refusal;
    const auto rows = rowCount(ui->txtLkmMaara->text(), refusal);
    if (!rows) {
        MessageBox::show(this, Texts::AppTitle, refusal, MessageBox::Exclamation);
        return;
    }
    setRunning(true);
    m_stopRequested = false;
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    const qint64 drawn =
        m_machine.run(m_random, selectedGame(), *rows,
                      [this, &sinceEvents](qint64 soFar) { return keepGoing(soFar, sinceEvents); });
    m_rowsDrawn = drawn;
    // Also 0: the table has just been reset, so an older run's count would not belong to it.
    ui->Arvottu->setText(QString::number(drawn));
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    ui->Aika->setText(locale.toString(double(clock.elapsed()) / 1000.0, 'f', 2));
    QCoreApplication::processEvents();
    setRunning(false);
    QApplication::beep();
    Jarjesta();
    if (m_closeAfterRun)
        close();
}

bool frmRandom::keepGoing(qint64 drawn, QElapsedTimer& sinceEvents)
{
    if (sinceEvents.elapsed() >= EventIntervalMs) {
        ui->Arvottu->setText(QString::number(drawn));
        QCoreApplication::processEvents();
        sinceEvents.restart();
    }
    return !m_stopRequested;
}

void frmRandom::Jarjesta()
{
    m_machine.rankMostFirst();
    showTable();
    NaytaArvotut();
}

void frmRandom::cmdJarjestaPieni_Click()
{
    m_machine.rankLeastFirst();
    showTable();
    NaytaArvotut();
}

void frmRandom::optPeli_Click()
{
    const bool lotto = selectedGame() == LottoGame::Lotto;
    QRadioButton* six = m_best[0];
    six->setEnabled(!lotto);
    // Selecting a different show-best option shows the best of the table as it stands.
    m_best[size_t((lotto ? 7 : 6) - FewestBest)]->setChecked(true);
    m_machine.reset();
    m_rowsDrawn = 0;
    showTable();
    ui->txtLottoRivi->clear();
    ui->Arvottu->clear();
    updateChart();
}

void frmRandom::optNayta_Click()
{
    // During a run the table is not ranked yet; the run's end shows the chosen count.
    if (hasRun() && !m_running)
        NaytaArvotut();
}

void frmRandom::showTable()
{
    const auto& table = m_machine.table();
    for (size_t k = 0; k < table.size(); ++k) {
        m_balls[k]->setText(QString::number(table[k].ball));
        m_counts[k]->setText(table[k].count ? QString::number(*table[k].count) : QString());
    }
}

void frmRandom::NaytaArvotut()
{
    const int shown = hasRun() ? shownBest() : 0;
    for (size_t k = 0; k < m_balls.size(); ++k) {
        m_balls[k]->setVisible(int(k) < shown);
        m_counts[k]->setVisible(int(k) < shown);
    }
    Numerot_Riviin();
    focusWholeText(ui->txtLottoRivi);
    updateChart();
}

void frmRandom::Numerot_Riviin()
{
    // Before a run the table ranks nothing, so there is no best row to offer.
    ui->txtLottoRivi->setText(hasRun() ? numberRowText(m_machine.leaders(shownBest())) : QString());
}

void frmRandom::updateChart()
{
    const int highest = lottoRules(selectedGame()).highest;
    std::vector<qint64> counts(size_t(highest), 0);
    for (const LottoMachine::Position& position : m_machine.table()) {
        if (position.ball <= highest)
            counts[size_t(position.ball - 1)] = position.count.value_or(0);
    }
    std::vector<int> highlighted;
    if (hasRun())
        highlighted = m_machine.leaders(shownBest());
    m_chart->showCounts(counts, highlighted);
}
