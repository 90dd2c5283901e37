#pragma once
// "Karsinta": cutting the row list by conditions. Per match the outcomes ticked and the goals
// and goal difference from-to, per row the goals in all and how many home wins, draws and away
// wins, and the row's chance and value at least (each only while the main window has them).
// The label tells what would remain, kept current as conditions are typed and as the list
// changes; "Karsi" keeps or removes the rows taken as one undo step. Not modal. A box at fault
// is marked with why, and "Karsi" waits until it is put right. The conditions are kept in the
// settings store.

#include "core/rowfilter.h"
#include <QFutureWatcher>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class RowListHistory;
class RowValue;
class ScoreModel;
namespace Ui {
class frmKarsinta;
}

class frmKarsinta : public QWidget
{
    Q_OBJECT
public:
    // columnCount: the main window's matches (2 or 3) now.
    frmKarsinta(RowListHistory& history, int columnCount, QWidget* parent = nullptr);
    ~frmKarsinta() override;

public slots:
    // The third match's conditions are shown and read in three-match mode only.
    void setColumnCount(int columnCount);
    // The chances and the row value in use, null while none is set: their boxes are enabled
    // only while there is one.
    void setChances(std::shared_ptr<const ScoreModel> chances);
    void setRowValue(std::shared_ptr<const RowValue> value);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct MatchControls
    {
        QLabel* title = nullptr;
        std::array<QCheckBox*, 3> outcomes{}; // chkMerkki1_k, chkMerkkiX_k, chkMerkki2_k
        QLineEdit* goalsMin = nullptr;        // txtMaalitMin_k
        QLineEdit* goalsMax = nullptr;        // txtMaalitMax_k
        QLineEdit* differenceMin = nullptr;   // txtEroMin_k
        QLineEdit* differenceMax = nullptr;   // txtEroMax_k
    };

    void buildMatches();
    std::vector<QLineEdit*> boxes() const;
    RowFilterTexts typedTexts() const;
    void showTexts(const RowFilterTexts& texts);
    void showModelBoxes();
    // The conditions as typed, each box at fault marked; nothing while one is.
    std::optional<RowFilterConditions> readMarked();
    void listChanged();
    void recount();
    void cmdKarsi_Click();

    std::unique_ptr<Ui::frmKarsinta> ui;
    RowListHistory& m_history;
    int m_columnCount = 3;
    std::array<MatchControls, 3> m_matches;
    std::shared_ptr<const ScoreModel> m_chances;
    std::shared_ptr<const RowValue> m_value;
    // Each row's first copy, for the chance of what remains when many rows remain: found off
    // this thread in a copy of the rows after a change of the list, so that typing and the
    // count wait for nothing; the chance follows when they are found.
    void findCopies();
    void copiesFound();
    std::vector<bool> m_firstCopies;
    bool m_copiesKnown = false;
    int m_listChanges = 0;  // the list's changes seen, to know a search of copies outdated
    int m_searchedFor = -1; // the change the search running or done was for
    QFutureWatcher<std::vector<bool>> m_copySearch;
    // Changes come in bursts (a key held down, a draw's rows): one count after them.
    QTimer m_recount;
};
