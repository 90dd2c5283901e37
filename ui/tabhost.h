#pragma once
// What the draws of the two tabs read from the main window, at the moment of each click,
// besides the match count and the warnings switch (BetSettings).
#include <QString>
#include <functional>
#include <memory>

class ScoreModel;

struct TabHost
{
    std::function<QString()> maxGoalText; // "Max Maalimäärä"
    // The chances of the scores the player set; none (or null) when not set.
    std::function<std::shared_ptr<const ScoreModel>()> scoreModel;
};
