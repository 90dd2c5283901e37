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
} // namespace Texts
