// Numbers typed into boxes: counts, goals and goal limits, stakes, repetitions and covers.
// A number read writes out and reads back as itself; plain digits within the range are always
// read, with their value; nothing read lies outside its range.
#include "core/money.h"
#include "core/numbers.h"
#include "core/resultdraw.h"
#include "core/systemdraw.h"
#include "games/vakio.h"
#include "games/veto.h"
#include "tests/fuzz/fuzzcheck.h"
#include <QRegularExpression>
#include <limits>

namespace {
QLocale chooseLocale(uint8_t choice)
{
    static const char* const names[] = {"C",     "fi_FI", "en_US", "de_DE", "sv_SE",
                                        "ar_EG", "fa_IR", "he_IL", "de_CH"};
    return QLocale(QString::fromLatin1(names[choice % std::size(names)]));
}

// A whole number by plain digit arithmetic on the text, as the reference: nothing unless it is
// an optional sign and digits with a value up to limit.
std::optional<qint64> plainWhole(const QString& text, qint64 limit)
{
    static const QRegularExpression shape(QStringLiteral("\\A([+-]?)0*([0-9]*)\\z"));
    const QString trimmed = text.trimmed();
    const QRegularExpressionMatch match = shape.match(trimmed);
    if (!match.hasMatch() || trimmed.isEmpty() || trimmed == QLatin1String("+") ||
        trimmed == QLatin1String("-"))
        return std::nullopt;
    const QString digits = match.captured(2);
    const QString limitDigits = QString::number(limit);
    if (digits.size() > limitDigits.size() ||
        (digits.size() == limitDigits.size() && digits > limitDigits))
        return std::nullopt;
    const qint64 value = digits.isEmpty() ? 0 : digits.toLongLong();
    return match.captured(1) == QLatin1String("-") ? -value : value;
}

void checkWhole(const QString& text, qint64 limit)
{
    const std::optional<qint64> value = parseWholeNumber(text, limit);
    FUZZ_CHECK(value == plainWhole(text, limit));
    if (value)
        FUZZ_CHECK(parseWholeNumber(QString::number(*value), limit) == value);
}

void checkCents(const QString& text, const QLocale& locale)
{
    const std::optional<qint64> cents = Money::parseCents(text, locale);
    if (!cents)
        return;
    // Twelve whole digits and two decimals at most.
    FUZZ_CHECK(*cents > -100'000'000'000'000LL && *cents < 100'000'000'000'000LL);
    const QString shown = Money::formatCents(*cents, locale);
    FUZZ_CHECK(Money::parseCents(shown, locale) == cents);
    FUZZ_CHECK(Money::formatCents(*cents, QLocale::c()) ==
               QString::number(*cents / 100.0, 'f', 2)
                   .remove(QRegularExpression(QStringLiteral("\\.?0+$"))));
}

// Goal limits read as the main window's boxes hold them; drawn goals stay within them.
void checkGoalLimits(const std::array<QString, 13>& boxes, int columnCount, quint64 seed)
{
    GoalLimitTexts texts;
    texts.overallMax = boxes[0];
    for (size_t k = 0; k < 6; ++k) {
        texts.teamMax[k] = boxes[1 + k];
        texts.teamMin[k] = boxes[7 + k];
    }
    auto box = [](const QString& text) -> std::optional<int> {
        const std::optional<qint64> value = plainWhole(text, ScoreRow::MaxGoal);
        return value && *value >= 0 ? std::optional<int>(int(*value)) : std::nullopt;
    };
    bool readable = true;
    for (const QString& text : boxes)
        readable = readable && (text.trimmed().isEmpty() || box(text));

    const ResultDrawer drawer(texts, columnCount);
    const LimitCheckResult check = drawer.check();
    FUZZ_CHECK((check.status == LimitCheck::NotANumber) == !readable);
    if (check.status != LimitCheck::Ok)
        return;
    GeneratorRandom random(seed);
    for (int round = 0; round < 20; ++round) {
        const std::array<std::optional<int>, 6> goals = drawer.draw(random);
        for (size_t k = 0; k < size_t(2 * columnCount); ++k) {
            const std::optional<int> max = box(texts.teamMax[k]);
            const int low = max ? box(texts.teamMin[k]).value_or(0) : 0;
            const int high = max ? *max : *box(texts.overallMax);
            FUZZ_CHECK(goals[k] && *goals[k] >= low && *goals[k] <= high);
        }
        const ScoreRow row = drawer.rowOf(goals);
        FUZZ_CHECK(row.isValid() && row.matchCount() == columnCount);
        FUZZ_CHECK(ScoreRow::fromText(row.text()) == row);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const QLocale locale = chooseLocale(input.byte());
    const int columnCount = 2 + input.byte() % 2;
    qint64 raw = 0;
    for (int i = 0; i < 8; ++i)
        raw = qint64(quint64(raw) << 8 | input.byte());

    // Any stake of up to twelve whole digits shows and reads back as itself.
    const qint64 cents = raw % 100'000'000'000'000LL;
    FUZZ_CHECK(Money::parseCents(Money::formatCents(cents, locale), locale) == cents);
    Money::formatCents(std::numeric_limits<qint64>::min(), locale);

    const QString text = input.text();
    // The limits of the goal boxes, the draw counts, the lotto machine and the default.
    for (qint64 limit : {qint64(ScoreRow::MaxGoal), qint64(100'000'000),
                         qint64(std::numeric_limits<qint32>::max()), qint64(1'000'000'000'000LL),
                         std::numeric_limits<qint64>::max()})
        checkWhole(text, limit);
    checkCents(text, locale);

    // The maximum goal of a system draw: digits only, held below any overflow.
    static const QRegularExpression digitsOnly(QStringLiteral("\\A[0-9]+\\z"));
    const std::optional<int> maxGoal = GridDraw::readMaxGoal(text);
    FUZZ_CHECK(maxGoal.has_value() == digitsOnly.match(text).hasMatch());
    if (maxGoal) {
        constexpr qint64 Ceiling = 1'000'000'000;
        const qint64 value = plainWhole(text, std::numeric_limits<qint64>::max()).value_or(Ceiling);
        FUZZ_CHECK(*maxGoal == std::min(value, Ceiling));
    }

    const std::optional<qint64> repetitions = Veto::parseRepetitions(text);
    if (repetitions)
        FUZZ_CHECK(*repetitions >= -1 && *repetitions <= Veto::MaxRepetitions);
    if (const std::optional<qint64> plain = plainWhole(text, Veto::MaxRepetitions);
        plain && *plain >= 0)
        FUZZ_CHECK(repetitions == plain);
    const std::optional<int> covers = Vakio::parseCoverCount(text);
    if (covers)
        FUZZ_CHECK(*covers >= 0 && *covers <= 1000);

    std::array<QString, 13> boxes;
    for (QString& box : boxes)
        box = input.text();
    checkGoalLimits(boxes, columnCount, quint64(raw));
    return 0;
}
