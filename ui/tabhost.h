#pragma once
// What the draws of the two tabs read from the main window, at the moment of each click.
#include <QString>
#include <functional>

struct TabHost
{
    std::function<int()> columnCount;
    std::function<QString()> maxGoalText; // "Max Maalimäärä"
    std::function<bool()> warningsOn;
};
