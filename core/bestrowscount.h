#pragma once
// How many of the most likely rows the player asks for: a count typed as it is, or the rows
// a budget in euros buys at the current stake per row.

#include <QLocale>
#include <QString>
#include <optional>

struct BestRowsCount
{
    std::optional<qint64> count; // 1..BestRows::MaxCount when the texts could be read
    QString error;               // the message otherwise
};

// Exactly one of the two boxes may hold text.
BestRowsCount readBestRowsCount(const QString& countText, const QString& budgetText,
                                qint64 stakeCents, const QLocale& locale = QLocale());
