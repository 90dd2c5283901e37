#include "core/modelinput.h"
#include "core/numbers.h"

ModelInput readModelInput(const ModelInputTexts& texts, int columnCount, const QLocale& locale)
{
    ModelInput input;
    const int matches = columnCount == 2 ? 2 : 3;
    // The odds are fitted with the correction in the model, so rho comes first; a rho that is
    // no number is told after the matches' own faults, as the boxes stand in the window.
    const std::optional<double> rho = readRho(texts.rho, locale);
    std::vector<ExpectedGoals> goals;
    for (int m = 0; m < matches; ++m) {
        MatchInput& match = input.matches[size_t(m)];
        match = readMatchInput(texts.matches[size_t(m)], locale, rho.value_or(0));
        if (!match.ok()) {
            input.errorMatch = m + 1;
            input.error = matchInputErrorText(m + 1, match);
            return input;
        }
        goals.push_back(match.goals);
    }
    if (!rho) {
        input.rhoAtFault = true;
        input.error = rhoErrorText(0);
        return input;
    }
    // The means are known to be within range here, so only rho can keep a table from being
    // made.
    int refused = -1;
    std::optional<ScoreModel> model = ScoreModel::make(goals, *rho, &refused);
    if (!model) {
        input.rhoAtFault = true;
        const DixonColes limits{goals[size_t(refused)].home, goals[size_t(refused)].away, *rho};
        input.error = rhoErrorText(refused + 1, limits.lowestRho(), limits.highestRho(), locale);
        return input;
    }
    input.model = std::make_shared<const ScoreModel>(std::move(*model));
    return input;
}

namespace {
QString percentOf(double probability, const QLocale& locale)
{
    return formatDecimal(probability * 100, 1, locale) + QStringLiteral(" %");
}

QString outcomeFigures(const OutcomeProbabilities& outcomes, const QLocale& locale)
{
    return QStringLiteral("1 %1  X %2  2 %3")
        .arg(percentOf(outcomes.home, locale), percentOf(outcomes.draw, locale),
             percentOf(outcomes.away, locale));
}

QString overFigure(double over, const QLocale& locale)
{
    return QStringLiteral("  Yli 2,5: ") + percentOf(over, locale);
}
} // namespace

QString modelOutcomeText(const MatchScores& match, const QLocale& locale)
{
    return QStringLiteral("Malli: ") + outcomeFigures(match.outcomes(), locale) +
           overFigure(OddsFit::poissonOver(match.expectedGoals()), locale);
}

QString oddsOutcomeText(const MatchInput& input, const QLocale& locale)
{
    if (!input.ok() || !input.fromOdds)
        return QString();
    QString text = QStringLiteral("Kertoimet: ") + outcomeFigures(input.oddsOutcomes, locale);
    if (input.oddsOver)
        text += overFigure(*input.oddsOver, locale);
    return text;
}
