#pragma once
// The lotto machine window: runs the machine for a row count with progress and Stop, ranks the
// numbers most or least drawn first, offers the best 6 to 11 as a row and charts the counts.
// While a run goes on only Stop and the show-best choice answer; closing the window stops the
// run and closes once it has ended.
#include "core/random.h"
#include "games/lottomachine.h"
#include <QWidget>
#include <memory>
#include <vector>

class LottoCountChart;
class QElapsedTimer;
class QLabel;
class QRadioButton;
namespace Ui {
class frmRandom;
}

class frmRandom : public QWidget
{
    Q_OBJECT
public:
    explicit frmRandom(RandomSource& random, QWidget* parent = nullptr);
    ~frmRandom() override;

    bool isRunning() const { return m_running; }

signals:
    // The window was closed, by "Lopeta" or by its frame; the main window shows itself again.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void Command1_Click();
    void cmdStop_Click() { m_stopRequested = true; }
    void Jarjesta();
    void cmdJarjestaPieni_Click();
    void optPeli_Click();
    void optNayta_Click();

private:
    void buildPositions();
    void buildShowBest();
    LottoGame selectedGame() const;
    int shownBest() const;
    bool hasRun() const;
    void setRunning(bool running);
    // Answered every 100 rows: repaints and takes in clicks now and then, reports a stop.
    bool keepGoing(qint64 drawn, QElapsedTimer& sinceEvents);
    void showTable();
    void NaytaArvotut();
    void Numerot_Riviin();
    void updateChart();

    std::unique_ptr<Ui::frmRandom> ui;
    RandomSource& m_random;
    LottoMachine m_machine;
    std::vector<QLabel*> m_balls;      // Pallo_1 to Pallo_48
    std::vector<QLabel*> m_counts;     // nro_1 to nro_48
    std::vector<QRadioButton*> m_best; // optNayta_6 to optNayta_11
    LottoCountChart* m_chart = nullptr;
    bool m_running = false;
    bool m_stopRequested = false;
    qint64 m_rowsDrawn = 0; // by the last run; 0 before any run and after a game change
    bool m_closeAfterRun = false;
};
