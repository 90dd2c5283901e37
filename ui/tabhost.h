#pragma once
// What the draws of the two tabs read from the main window, at the moment of each click.
#include <QString>
#include <functional>
#include <memory>

class ScoreModel;

struct TabHost
{
    std::function<int()> columnCount;
    std::function<QString()> maxGoalText; // "Max Maalimäärä"
    std::function<bool()> warningsOn;
    // The chances of the scores the player set; none (or null) when not set.
    std::function<std::shared_ptr<const ScoreModel>()> scoreModel;
};
