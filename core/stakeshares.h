#pragma once
// How the public spreads its stakes over one match's final scores, as the operator publishes
// it: per cent of the stakes on each score, and the rest as "muu". The player pastes the table
// from a web page or types it, one score and its share a line ("1-0 12,3 %", "1–0<TAB>12.3",
// "muu 4,1"); a whole file of lines "kohde;tulos;osuus" gives every match at once.

#include "core/scoremodel.h"
#include <QLocale>
#include <QString>
#include <array>
#include <optional>
#include <vector>

struct ListedScore
{
    int home = 0;
    int away = 0;
    double percent = 0;
};

struct ShareTable
{
    std::vector<ListedScore> scores; // in the order read
    std::optional<double> other;     // the "muu" line, per cent
    double sum = 0;                  // of every line read, "muu" included, per cent
};

struct ShareTableRead
{
    std::optional<ShareTable> table;
    QString error; // names the line when one is at fault
};

namespace StakeShares {

// Sums within this range are rounding and are scaled to 100 %.
constexpr double LeastSum = 95;
constexpr double MostSum = 105;

// One match's table. Blank lines are passed over; every other line is a score and its share
// or the "muu" (or "muut") line. Refused: a line of anything else, a score or "muu" twice, a
// share below 0, an empty table, and a sum outside LeastSum..MostSum.
ShareTableRead readTable(const QString& text, const QLocale& locale = QLocale());

// The lines of a file of "kohde;tulos;osuus" (an optional head line "kohde;tulos;osuus"
// first), sorted into each match's table text ("1-0 12,3" a line, in file order); a match not
// in the file is empty. Each match's table is checked as readTable() checks it, with the
// file's line numbers in the message.
struct FileRead
{
    std::optional<std::array<QString, 3>> tables;
    QString error;
};
FileRead readFile(const QString& content, const QLocale& locale = QLocale());

// The public's share of every score 0..Goals-1 each way, as fractions laid out as the match's
// own table (home goals major). The listed shares are scaled to a sum of 100 % when the table
// has a "muu" line or lists more than 100 %; the share left to the scores not listed ("muu",
// or without it what the listed leave) goes to them in proportion to the scores' chances.
std::vector<double> shareCells(const ShareTable& table, const MatchScores& scores);

// "Summa 99,6 %", with the scaling told when the sum is not 100 %.
QString sumText(const ShareTable& table, const QLocale& locale = QLocale());

} // namespace StakeShares
