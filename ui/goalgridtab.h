#pragma once
// The "Järjestelmä" tab: the goal grid of 72 boxes, its size, listing the system into the row
// list, "Arvo" and the search for a system of a wanted size. It reads the main window's state
// through BetSettings and TabHost at the moment of each click, shows the third match as long as
// the settings have three, and tells of changes by signals.

#include "core/random.h"
#include "core/systemdraw.h"
#include "ui/tabhost.h"
#include <QWidget>
#include <array>
#include <memory>

class BetSettings;
class QCheckBox;
class QLabel;
class RowListHistory;
namespace Ui {
class GoalGridTab;
}

class GoalGridTab : public QWidget
{
    Q_OBJECT
public:
    GoalGridTab(RowListHistory& list, RandomSource& random, const BetSettings& settings,
                TabHost host, QWidget* parent = nullptr);
    ~GoalGridTab() override;

    // The size the tab shows; what the price of the system is counted from.
    qint64 shownSize() const { return m_grid.shownSize(); }
    const GoalGrid& grid() const { return m_grid.grid(); }

    void Systeemi_Tyhjaksi();
    void Systeemi();

    // What clearing the grid empties, to be put back by an undo.
    struct Inputs
    {
        GridDraw::Saved grid;
        QString sizeText;     // lblRiviMaara
        QString attemptsText; // lblJarjestelma_arvottu
        bool wholeRow = true; // "Koko rivi"
        bool operator==(const Inputs& other) const;
    };
    Inputs inputs() const;
    // Shows them without repricing: the caller reprices once everything is back.
    void setInputs(const Inputs& inputs);

signals:
    // The shown size changed: the main window reprices (or clears the price for size 0).
    void sizeChanged(qint64 size);
    // The grid was emptied: the price shows 0.
    void gridCleared();
    // A draw needs "Max Maalimäärä" and found it empty.
    void maxGoalMissing();
    // Double-clicking "Rivimäärä" fills the grid and ticks the first ten stake boxes.
    void fillStakesWanted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildBoxes();
    void setThirdMatchVisible(bool visible);
    void chkGrid_Click(int team, int goal, bool ticked);
    void showSystemSize();
    void syncGridBoxes();
    void cmd_Arvo_Jarjestelma_Click();
    void cmdHaluttu_Jarjestelma_Click();
    bool checkMaxGoal();
    void lblRivimaara_DblClick();

    std::unique_ptr<Ui::GoalGridTab> ui;
    RowListHistory& m_list;
    GridDraw m_grid;
    const BetSettings& m_settings;
    TabHost m_host;
    std::array<std::array<QCheckBox*, 12>, 6> m_boxes{};
};
