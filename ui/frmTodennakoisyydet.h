#pragma once
// The chances of the final scores: per match the bookmaker's odds or the expected goals, the
// fitted goals and the model's 1/X/2 beside the odds' own, and a heat map of the scores 0..9.
// "Käytä" sets the model the main window uses; "Parhaat rivit" asks it to fill the list with
// the most likely rows, "Parhaat arvorivit" with those of highest value. Not modal. The inputs in
// use are kept in the settings store, and the model is made from them again when the window is
// made, so the main window can make the window at its start and take model() without showing it.

#include "core/modelinput.h"
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QTableWidget;
namespace Ui {
class frmTodennakoisyydet;
}

class frmTodennakoisyydet : public QWidget
{
    Q_OBJECT
public:
    // columnCount: the main window's matches (2 or 3) now; stakeCents: its stake per row in
    // cents, asked when a budget is turned into a number of rows.
    frmTodennakoisyydet(int columnCount, std::function<qint64()> stakeCents,
                        QWidget* parent = nullptr);
    ~frmTodennakoisyydet() override;

    // The model in use; null when there is none.
    std::shared_ptr<const ScoreModel> model() const { return m_input.model; }

public slots:
    // The main window's match count changed: the third match is shown or hidden and the
    // model is made again from the inputs in use for that many matches (or dropped when they
    // do not make one), and modelChanged() tells of it.
    void setColumnCount(int columnCount);

signals:
    // "Käytä", "Tyhjennä" or a change of the match count set the model; null: no model.
    void modelChanged(std::shared_ptr<const ScoreModel> model);
    // "Parhaat rivit": the list is to hold the count most likely rows within the goal limits.
    void bestRowsWanted(qint64 count);
    // "Parhaat arvorivit": the count rows of highest value, each at least leastChance likely.
    void bestValueRowsWanted(qint64 count, double leastChance);

private:
    struct MatchControls
    {
        QGroupBox* frame = nullptr;
        std::array<QLineEdit*, 7> boxes{}; // in MatchField order
        QLabel* goals = nullptr;           // lblOdotus_k
        QLabel* model = nullptr;           // lblMalli_k
        QLabel* odds = nullptr;            // lblKertoimet_k
        QLabel* warning = nullptr;         // lblVaroitus_k: odds taken but doubtful
        QTableWidget* scores = nullptr;    // tblTulokset_k
    };

    void buildMatch(int match);
    ModelInputTexts typedTexts() const;
    void showTexts(const ModelInputTexts& texts);
    void remake();
    void showModel();
    void showMatch(int match);
    void showHeatMap(MatchControls& controls, const MatchScores* scores);
    void focusFault(const ModelInput& input);

    void cmdKayta_Click();
    void cmdTyhjenna_Click();
    void cmdParhaatRivit_Click();
    void cmdArvorivit_Click();

    std::unique_ptr<Ui::frmTodennakoisyydet> ui;
    std::function<qint64()> m_stakeCents;
    int m_columnCount = 3;
    std::array<MatchControls, 3> m_matches;
    ModelInputTexts m_inUse; // the inputs of the model, as stored
    ModelInput m_input;      // m_inUse read for m_columnCount matches
};
