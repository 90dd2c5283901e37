#include "core/matchinput.h"
#include "core/numbers.h"
#include <algorithm>
#include <cmath>

namespace {
// Reads one field; sets the error and returns nothing on a fault.
std::optional<double> readField(const QString& text, MatchField field, double above,
                                const QLocale& locale, MatchInput& input)
{
    if (text.trimmed().isEmpty()) {
        input.error = MatchInputError::Missing;
    } else if (const auto value = parseDecimal(text, locale); !value) {
        input.error = MatchInputError::NotANumber;
    } else if (*value <= above) {
        input.error = MatchInputError::TooSmall;
    } else {
        return value;
    }
    input.field = field;
    return std::nullopt;
}

bool anyText(std::initializer_list<const QString*> texts)
{
    for (const QString* text : texts)
        if (!text->trimmed().isEmpty())
            return true;
    return false;
}
} // namespace

bool MatchInput::bookImplausible() const
{
    auto outside = [](double book) { return book < LeastBook || book > MostBook; };
    return ok() && fromOdds && (outside(book) || (overUnderBook && outside(*overUnderBook)));
}

MatchInput readMatchInput(const MatchInputTexts& texts, const QLocale& locale, double rho)
{
    MatchInput input;
    if (anyText({&texts.home, &texts.draw, &texts.away, &texts.over, &texts.under})) {
        input.fromOdds = true;
        const auto home = readField(texts.home, MatchField::Home, 1, locale, input);
        if (!home)
            return input;
        const auto draw = readField(texts.draw, MatchField::Draw, 1, locale, input);
        if (!draw)
            return input;
        const auto away = readField(texts.away, MatchField::Away, 1, locale, input);
        if (!away)
            return input;
        input.oddsOutcomes = OddsFit::outcomesFromOdds(*home, *draw, *away);
        input.book = 1 / *home + 1 / *draw + 1 / *away;
        if (anyText({&texts.over, &texts.under})) {
            const auto over = readField(texts.over, MatchField::Over, 1, locale, input);
            if (!over)
                return input;
            const auto under = readField(texts.under, MatchField::Under, 1, locale, input);
            if (!under)
                return input;
            input.oddsOver = OddsFit::overFromOdds(*over, *under);
            input.overUnderBook = 1 / *over + 1 / *under;
        }
        const auto fitted = OddsFit::fit(input.oddsOutcomes, input.oddsOver, rho);
        if (!fitted) {
            input.error = MatchInputError::CannotFit;
            return input;
        }
        input.goals = *fitted;
        const OutcomeProbabilities model = OddsFit::poissonOutcomes(*fitted, rho);
        const OutcomeProbabilities& odds = input.oddsOutcomes;
        input.largestMiss =
            std::max({std::fabs(model.home - odds.home), std::fabs(model.draw - odds.draw),
                      std::fabs(model.away - odds.away)});
        if (input.oddsOver)
            input.largestMiss = std::max(
                input.largestMiss, std::fabs(OddsFit::poissonOver(*fitted) - *input.oddsOver));
        return input;
    }

    if (!anyText({&texts.homeGoals, &texts.awayGoals})) {
        input.error = MatchInputError::Empty;
        return input;
    }
    const auto home = readField(texts.homeGoals, MatchField::HomeGoals, 0, locale, input);
    if (!home)
        return input;
    const auto away = readField(texts.awayGoals, MatchField::AwayGoals, 0, locale, input);
    if (!away)
        return input;
    for (const auto& [value, field] :
         {std::pair{*home, MatchField::HomeGoals}, {*away, MatchField::AwayGoals}}) {
        if (value < OddsFit::MinGoals) {
            input.error = MatchInputError::TooSmall;
            input.field = field;
            return input;
        }
        if (value > OddsFit::MaxGoals) {
            input.error = MatchInputError::TooLarge;
            input.field = field;
            return input;
        }
    }
    input.goals = {*home, *away};
    return input;
}

QString expectedGoalsText(ExpectedGoals goals, const QLocale& locale)
{
    return formatDecimal(goals.home, 2, locale) + QStringLiteral(" - ") +
           formatDecimal(goals.away, 2, locale);
}

QString matchInputErrorText(int match, const MatchInput& input)
{
    const QString prefix = QStringLiteral("Kohde %1: ").arg(match);
    const bool goals = input.field == MatchField::HomeGoals || input.field == MatchField::AwayGoals;
    QString name;
    switch (input.field) {
    case MatchField::Home:
        name = QStringLiteral("kerroin 1");
        break;
    case MatchField::Draw:
        name = QStringLiteral("kerroin X");
        break;
    case MatchField::Away:
        name = QStringLiteral("kerroin 2");
        break;
    case MatchField::Over:
        name = QStringLiteral("yli 2,5 maalin kerroin");
        break;
    case MatchField::Under:
        name = QStringLiteral("alle 2,5 maalin kerroin");
        break;
    case MatchField::HomeGoals:
        name = QStringLiteral("kotijoukkueen odotettu maalimäärä");
        break;
    case MatchField::AwayGoals:
        name = QStringLiteral("vierasjoukkueen odotettu maalimäärä");
        break;
    }
    switch (input.error) {
    case MatchInputError::None:
        return QString();
    case MatchInputError::Empty:
        return prefix + QStringLiteral("anna kertoimet 1, X ja 2 tai odotetut maalimäärät.");
    case MatchInputError::Missing:
        return prefix + name + QStringLiteral(" puuttuu.");
    case MatchInputError::NotANumber:
        return prefix + name + QStringLiteral(" ei ole luku.");
    case MatchInputError::TooSmall:
        return prefix + name +
               (goals ? QStringLiteral(" on liian pieni.")
                      : QStringLiteral(" pitää olla suurempi kuin 1."));
    case MatchInputError::TooLarge:
        return prefix + name + QStringLiteral(" saa olla enintään %1.").arg(int(OddsFit::MaxGoals));
    case MatchInputError::CannotFit:
        return prefix + QStringLiteral("kertoimille ei löydy sopivia odotettuja maalimääriä.");
    }
    return QString();
}

std::optional<double> readRho(const QString& text, const QLocale& locale)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    return parseDecimal(text, locale);
}

QString rhoErrorText(int match, double lowest, double highest, const QLocale& locale)
{
    if (match <= 0)
        return QStringLiteral("Dixon-Coles-korjaus (rho) ei ole luku.");
    // Rounded inwards, so that every value shown is allowed.
    return QStringLiteral("Kohde %1: Dixon-Coles-korjaus (rho) tekee jonkin tuloksen "
                          "todennäköisyydestä negatiivisen. Sallittu rho on tälle kohteelle "
                          "%2 ... %3.")
        .arg(match)
        .arg(formatDecimal(std::ceil(lowest * 100) / 100, 2, locale),
             formatDecimal(std::floor(highest * 100) / 100, 2, locale));
}
