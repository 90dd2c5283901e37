#pragma once
// Texts the program shows in more than one place.
#include <QString>

namespace Texts {
inline const QString AppTitle = QStringLiteral("Sarvento");
inline const QString WakeUpTitle = QStringLiteral("Herätys pelimies");
inline const QString MaxGoalMissing = QStringLiteral("Max. maalimäärä puuttuu");
inline const QString CheckGoalNumbers = QStringLiteral("Tarkista annetut Maaliluvut");
inline const QString CheckStake = QStringLiteral("Tarkista panos");
inline const QString ContinueQuestion = QStringLiteral("Haluatko jatkaa? ");
// A command that needs the chances of the scores, asked before any are set.
inline const QString NoChances =
    QStringLiteral("Todennäköisyyksiä ei ole asetettu. Anna ne ensin kohdassa Muokkaa, "
                   "Todennäköisyydet.");
// "Voittotodennäköisyys 3,41 % (1 : 29)", the main window's label of the list's chance.
inline QString winningChance(const QString& chance)
{
    return QStringLiteral("Voittotodennäköisyys ") + chance;
}
// "Todennäköisyys 0,52 % (1 : 192)", a row's tooltip.
inline QString rowChance(const QString& chance)
{
    return QStringLiteral("Todennäköisyys ") + chance;
}
// A print refused because the offsets would put marks off the paper.
inline QString offPage(const QString& lyhytReuna, const QString& pitkaReuna)
{
    return QStringLiteral("Merkit menisivät paperin tulostusalueen ulkopuolelle, joten mitään ei "
                          "tulostettu. Tarkista tulostuskohta (Asetukset, Muuta tulostus "
                          "kohtaa): lyhyt reuna %1 mm, pitkä reuna %2 mm.")
        .arg(lyhytReuna, pitkaReuna);
}
} // namespace Texts
