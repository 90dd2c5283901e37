#include "core/bestrowscount.h"
#include "core/bestrows.h"
#include "core/money.h"
#include "core/numbers.h"

namespace {
BestRowsCount refused(const QString& error)
{
    return {std::nullopt, error};
}

QString tooMany(qint64 count)
{
    return QStringLiteral("%1 riviä on liikaa: kerralla voi hakea enintään %2 riviä.")
        .arg(count)
        .arg(BestRows::MaxCount);
}

BestRowsCount fromBudget(const QString& budgetText, qint64 stakeCents, const QLocale& locale)
{
    const std::optional<qint64> budget = Money::parseCents(budgetText, locale);
    if (!budget)
        return refused(QStringLiteral("Budjetti ei ole euromäärä (esimerkiksi 25 tai 12") +
                       locale.decimalPoint() + QStringLiteral("50)."));
    if (*budget <= 0)
        return refused(QStringLiteral("Budjetin pitää olla suurempi kuin 0 €."));
    const std::optional<qint64> count = BestRows::countForBudget(*budget, stakeCents);
    if (!count)
        return refused(QStringLiteral("Panos on 0 €, joten budjetista ei voi laskea rivimäärää. "
                                      "Valitse ensin panos."));
    if (*count < 1)
        return refused(
            QStringLiteral("Budjetilla %1 € ei saa yhtään riviä, kun panos on %2 € "
                           "riviltä.")
                .arg(Money::formatCents(*budget, locale), Money::formatCents(stakeCents, locale)));
    if (*count > BestRows::MaxCount)
        return refused(tooMany(*count));
    return {count, QString()};
}
} // namespace

BestRowsCount readBestRowsCount(const QString& countText, const QString& budgetText,
                                qint64 stakeCents, const QLocale& locale)
{
    const bool haveCount = !countText.trimmed().isEmpty();
    const bool haveBudget = !budgetText.trimmed().isEmpty();
    if (haveCount && haveBudget)
        return refused(QStringLiteral("Anna joko rivimäärä tai budjetti, ei molempia."));
    if (haveBudget)
        return fromBudget(budgetText, stakeCents, locale);
    if (!haveCount)
        return refused(QStringLiteral("Anna parhaiden rivien määrä tai budjetti euroina."));
    const std::optional<qint64> count = parseWholeNumber(countText);
    if (!count)
        return refused(QStringLiteral("Rivimäärä ei ole kokonaisluku."));
    if (*count < 1)
        return refused(QStringLiteral("Rivimäärän pitää olla vähintään 1."));
    if (*count > BestRows::MaxCount)
        return refused(tooMany(*count));
    return {count, QString()};
}
