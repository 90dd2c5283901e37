#pragma once
// The pool's stake distribution: per match the public's shares of the scores as the player
// pastes them, their sum, and a map of each score's value ratio (the model's chance over the
// public's share; above 1 the public underplays the score); the pool's stakes, return per cent
// and jackpot. "Käytä" puts them in use for the rows' values, "Avaa" reads every match's table
// from a file. Not modal. The inputs in use are kept in the settings store and read again when
// the window is made, so the main window can make it at its start without showing it.

#include "core/poolvalue.h"
#include <QWidget>
#include <array>
#include <memory>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QTableWidget;
namespace Ui {
class frmJakauma;
}

class frmJakauma : public QWidget
{
    Q_OBJECT
public:
    explicit frmJakauma(int columnCount, QWidget* parent = nullptr);
    ~frmJakauma() override;

    // The distribution in use for the match count; nothing while none is.
    const std::optional<Distribution>& distribution() const { return m_read.distribution; }

public slots:
    // The chances the map is drawn from; null: none, and the window says so.
    void setModel(std::shared_ptr<const ScoreModel> model);
    // The third match shown or hidden, and the inputs in use read again for that many matches.
    void setColumnCount(int columnCount);

signals:
    // "Käytä" or a change of the match count changed distribution().
    void distributionChanged();

private:
    struct MatchControls
    {
        QGroupBox* frame = nullptr;
        QPlainTextEdit* table = nullptr; // txtJakauma_k
        QLabel* sum = nullptr;           // lblJakaumaSumma_k: of the table as typed
        QTableWidget* map = nullptr;     // tblArvo_k
    };

    void buildMatch(int match);
    DistributionTexts typedTexts() const;
    void showTexts(const DistributionTexts& texts);
    void reread();
    void showMatch(int match);
    void showSum(int match);
    void focusFault(const DistributionRead& read);

    void cmdKaytaJakauma_Click();
    void cmdAvaaJakauma_Click();

    std::unique_ptr<Ui::frmJakauma> ui;
    int m_columnCount = 3;
    std::array<MatchControls, 3> m_matches;
    std::shared_ptr<const ScoreModel> m_model;
    DistributionTexts m_inUse; // as stored
    DistributionRead m_read;   // m_inUse read for m_columnCount matches
};
