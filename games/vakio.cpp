#include "games/vakio.h"
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace Vakio {

QString mark(int outcome)
{
    switch (outcome) {
    case 0:
        return QStringLiteral("x");
    case 1:
        return QStringLiteral("1");
    default:
        return QStringLiteral("2");
    }
}

namespace {
// A whole number below k, each with the same chance.
int below(int k, RandomSource& random)
{
    return int(random.next() * k);
}
} // namespace

void drawRow(Boxes& boxes, int matches, RandomSource& random)
{
    for (int i = 0; i < matches && i < BoxCount; ++i)
        boxes[i] = mark(below(3, random));
}

QString normalizeHalfCover(const QString& text)
{
    if (text == QLatin1String("x1"))
        return QStringLiteral("1x");
    if (text == QLatin1String("2x"))
        return QStringLiteral("x2");
    if (text == QLatin1String("21"))
        return QStringLiteral("12");
    return text;
}

std::optional<int> parseCoverCount(const QString& text)
{
    const QString s = text.trimmed();
    bool ok = false;
    double value = QLocale().toDouble(s, &ok);
    if (!ok)
        value = QLocale::c().toDouble(s, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // Anything beyond the boxes is refused later anyway; clamping keeps the cast defined.
    return int(std::clamp(std::floor(value), 0.0, 1000.0));
}

CoverResult placeCovers(Boxes& boxes, int matches, int full, int half, RandomSource& random)
{
    matches = std::clamp(matches, 0, BoxCount);
    if (full + half > matches)
        return CoverResult::TooMany;

    // Every attempt counts, the refused ones too, so a box set that cannot take the covers
    // (e.g. texts left from an earlier step) ends instead of looping.
    int attempts = 0;
    auto attempt = [&attempts] { return ++attempts <= AttemptLimit; };

    for (int placed = 0; placed < full;) {
        QString& box = boxes[below(matches, random)];
        if (!attempt())
            return CoverResult::AttemptLimit;
        if (box != QLatin1String("1x2")) {
            box = QStringLiteral("1x2");
            ++placed;
        }
    }
    for (int placed = 0; placed < half;) {
        QString& box = boxes[below(matches, random)];
        const QString second = mark(below(3, random));
        if (!attempt())
            return CoverResult::AttemptLimit;
        if (box.size() < 2 && box != second) {
            box = normalizeHalfCover(box + second);
            ++placed;
        }
    }
    return CoverResult::Placed;
}

} // namespace Vakio
