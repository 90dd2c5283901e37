#pragma once
// The chances the benchmarks use.
#include "core/matchinput.h"
#include "core/scoremodel.h"
#include <memory>

// Three matches from typical odds: a favourite, an even match and a long shot.
inline std::shared_ptr<const ScoreModel> typicalModel()
{
    const char* odds[3][5] = {{"1,55", "4,2", "5,8", "1,8", "2,05"},
                              {"2,6", "3,2", "2,8", "", ""},
                              {"7,5", "4,8", "1,42", "1,65", "2,3"}};
    std::vector<ExpectedGoals> goals;
    for (const auto& match : odds) {
        MatchInputTexts texts;
        texts.home = match[0];
        texts.draw = match[1];
        texts.away = match[2];
        texts.over = match[3];
        texts.under = match[4];
        const MatchInput input = readMatchInput(texts, QLocale(QLocale::Finnish));
        if (!input.ok())
            return nullptr;
        goals.push_back(input.goals);
    }
    const auto model = ScoreModel::make(goals, -0.1);
    return model ? std::make_shared<const ScoreModel>(*model) : nullptr;
}
