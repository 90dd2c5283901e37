#pragma once
// The "Rivit" tab: the goal limits of each team, "Arvo lopputulokset" and how many draws a
// click makes, the row list with its count, and the last drawn result. It reads the main
// window's state through BetSettings and TabHost at the moment of each click, shows the third
// match as long as the settings have three, and tells by signals what the labels below the
// tabs, which the main window keeps, should show.

#include "core/random.h"
#include "core/resultdraw.h"
#include "core/weighteddraw.h"
#include "ui/tabhost.h"
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class BetSettings;
class QAbstractItemView;
class QLabel;
class QLineEdit;
class RowListHistory;
namespace Ui {
class RowsTab;
}

class RowsTab : public QWidget
{
    Q_OBJECT
public:
    RowsTab(RowListHistory& list, RandomSource& random, const BetSettings& settings, TabHost host,
            QWidget* parent = nullptr);
    ~RowsTab() override;

    // The view of the row list, for the files dropped on it.
    QAbstractItemView* listView() const;
    // The row count label shows the count, or nothing after a mode switch.
    void showRowCount(int count);
    void blankRowCount();
    // Empties the limit boxes and the result labels.
    void clearGoals();
    // One draw a click, as at start.
    void resetDrawCount();
    void focusDrawButton();

    // What clearing the goals and the draw count empties, to be put back by an undo.
    struct Inputs
    {
        std::array<QString, 6> least;   // txtMaalivah
        std::array<QString, 6> most;    // txtMaaliEnint
        std::array<QString, 6> results; // lbl1
        QString drawCount;              // txtKertaa
        bool operator==(const Inputs& other) const;
    };
    Inputs inputs() const;
    void setInputs(const Inputs& inputs);

    // The goal limits as the draw reads them, once the draw's own checks pass; a fault is told
    // as the draw tells it, and nothing is returned.
    std::optional<GoalLimitTexts> checkedLimits();

signals:
    // The error label below the tabs: hidden as a draw starts, or showing a limit error.
    void errorCleared();
    void errorShown(const QString& text);
    // The notice of a repeated result: shown after a single draw that found its result listed.
    void sameResultShown(bool shown);
    // A draw needs "Max Maalimäärä" and found it empty.
    void maxGoalMissing();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLimitBoxes();
    void buildResultLabels();
    void setThirdMatchVisible(bool visible);
    void cmdArvo_Tulokset_Click();
    // The draw by the chances of the scores, or nothing when it cannot be made (told).
    std::optional<WeightedDrawer> weightedDrawer(const GoalLimitTexts& limits);
    void showResult(const std::array<std::optional<int>, 6>& goals);
    void showLimitError(int limitError);
    void SuoritaVirhe(int limitError);
    void lblArvottutxt_DblClick();

    std::unique_ptr<Ui::RowsTab> ui;
    RowListHistory& m_list;
    RandomSource& m_random;
    const BetSettings& m_settings;
    TabHost m_host;
    std::array<QLineEdit*, 6> txtMaalivah{};
    std::array<QLineEdit*, 6> txtMaaliEnint{};
    std::array<QLabel*, 6> lbl1{};
    QList<QWidget*> m_thirdMatchWidgets;
};
