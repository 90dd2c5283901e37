#include "games/veto.h"
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace Veto {

void draw(Outcomes& labels, int matches, qint64 repetitions, RandomSource& random)
{
    static const QString outcomes[3] = {QStringLiteral("X"), QStringLiteral("1"),
                                        QStringLiteral("2")};
    matches = std::clamp(matches, 0, MaxMatches);
    for (qint64 round = 0; round <= repetitions; ++round) {
        for (int j = 0; j < matches; ++j)
            labels[j] = outcomes[int(random.next() * 3)];
    }
}

std::optional<qint64> parseRepetitions(const QString& text)
{
    const QString s = text.trimmed();
    bool ok = false;
    double value = QLocale().toDouble(s, &ok);
    if (!ok)
        value = QLocale::c().toDouble(s, &ok);
    if (!ok || !std::isfinite(value) || value >= double(MaxRepetitions + 1))
        return std::nullopt;
    // Far below zero means no round at all, like -1.
    return qint64(std::floor(std::max(value, -1.0)));
}

} // namespace Veto
