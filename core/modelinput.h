#pragma once
// The probabilities window's inputs as a whole: what was typed for each of the three matches and
// the Dixon-Coles rho, read into a score model of the matches in use or into the one fault to
// tell. Also the texts the window shows beside the odds, so that the player sees the fit.

#include "core/matchinput.h"
#include "core/scoremodel.h"
#include <QLocale>
#include <QString>
#include <array>
#include <memory>

struct ModelInputTexts
{
    std::array<MatchInputTexts, 3> matches;
    QString rho;
};

struct ModelInput
{
    std::array<MatchInput, 3> matches;       // read for the matches in use only
    std::shared_ptr<const ScoreModel> model; // null when something is at fault
    QString error;                           // the message for the fault
    int errorMatch = 0;                      // 1..3 when a match's box is at fault, else 0
    bool rhoAtFault = false;                 // the rho box is at fault

    bool ok() const { return model != nullptr; }
};

// Matches 1..columnCount (2 or 3) are read in order, then rho; the first fault is told. The
// boxes of a match not in use are not looked at.
ModelInput readModelInput(const ModelInputTexts& texts, int columnCount,
                          const QLocale& locale = QLocale());

// The model's own 1/X/2 and chance of over 2.5 goals: "Malli: 1 45,2 %  X 26,1 %  2 28,7 %
// Yli 2,5: 52,3 %".
QString modelOutcomeText(const MatchScores& match, const QLocale& locale = QLocale());
// The same figures of the odds, margin removed; empty when the match was given by its goals.
QString oddsOutcomeText(const MatchInput& input, const QLocale& locale = QLocale());
