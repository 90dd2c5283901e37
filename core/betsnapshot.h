#pragma once
// The bet as the main window holds it at one moment: what coupon printing and net play read
// when one of their commands runs. A copy taken as the command runs: the main window keeps the
// state itself.

#include "core/goalgrid.h"
#include "core/rowlistmodel.h"
#include <QString>
#include <array>

struct BetSnapshot
{
    int columnCount = 3;
    int gameNumber = 1;
    qint64 stakePerRowCents = 0;
    std::array<bool, 12> stakeBoxes{};  // the ticked stake boxes, 0,2 to 100 €
    QString priceText;                  // the price as the main window shows it
    const RowListModel* rows = nullptr; // the main list; null reads as empty
    GoalGrid grid;
    qint64 systemSize = 0; // the system count shown; 0 when there is none
    bool systemTabShown = false;

    int rowCount() const { return rows ? rows->count() : 0; }
};
