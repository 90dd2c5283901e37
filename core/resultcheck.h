#pragma once
// Checking a list against the final scores: whether it holds the winning row, and how many
// rows had each number of matches right.

#include "core/scorerow.h"
#include <QString>
#include <array>
#include <optional>
#include <vector>

// The final scores typed as a row of the list's width ("1-2 0-1 2-0"); blanks around are
// allowed, otherwise the strict row text. Nothing for anything else.
std::optional<ScoreRow> readFinalScores(const QString& text, int columnCount);
// The message for final scores that cannot be read.
QString finalScoresErrorText(int columnCount);

struct ResultCheck
{
    int matches = 0;
    std::array<qint64, 4> rowsWithRight{}; // [k]: rows with exactly k matches right
    int firstWinning = -1;                 // position of the first winning row, -1 for none
    qint64 rows = 0;

    qint64 winningRows() const { return rowsWithRight[size_t(matches)]; }
};

// Checks count rows against the final scores. A row with another number of matches than the
// final scores is compared match by match like the others but never has them all right.
ResultCheck checkResult(ScoreRow finalScores, const ScoreRow* rows, size_t count);
inline ResultCheck checkResult(ScoreRow finalScores, const std::vector<ScoreRow>& rows)
{
    return checkResult(finalScores, rows.data(), rows.size());
}

// The summary for the check window: whether the list wins and at which row (counted from 1),
// then the rows with 3 (or 2), ..., 0 matches right.
QString resultCheckText(const ResultCheck& check);
