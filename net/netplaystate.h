#pragma once
// What net play reads from the main window at the moment it takes rows or the system.

#include "core/goalgrid.h"
#include "core/rowlistmodel.h"
#include <QString>

struct NetPlayState
{
    int columnCount = 3;
    int gameNumber = 1;
    qint64 stakePerRowCents = 0;
    QString priceText;                  // the price as the main window shows it
    const RowListModel* rows = nullptr; // the main list; null reads as empty
    GoalGrid grid;
    qint64 systemSize = 0; // the system count the main window shows
    bool systemTabShown = false;

    int rowCount() const { return rows ? rows->count() : 0; }
};
