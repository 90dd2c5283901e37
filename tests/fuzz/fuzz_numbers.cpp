// Numbers typed into boxes read as plain digit arithmetic reads them, write out and read back
// as themselves, and never lie outside their range.
#include "core/money.h"
#include "core/numbers.h"
#include "core/systemdraw.h"
#include "games/vakio.h"
#include "games/veto.h"
#include "tests/fuzz/fuzzcheck.h"
#include <QRegularExpression>
#include <limits>

namespace {
constexpr qint64 Top = std::numeric_limits<qint64>::max();

// The reference: an optional sign and digits with a value up to limit.
std::optional<qint64> plainWhole(const QString& text, qint64 limit)
{
    static const QRegularExpression shape(QStringLiteral("\\A([+-]?)0*([0-9]*)\\z"));
    const QString trimmed = text.trimmed();
    const QRegularExpressionMatch match = shape.match(trimmed);
    const QString digits = match.captured(2), limitDigits = QString::number(limit);
    if (!match.hasMatch() || trimmed.size() == match.captured(1).size() ||
        digits.size() > limitDigits.size() ||
        (digits.size() == limitDigits.size() && digits > limitDigits))
        return std::nullopt;
    const qint64 value = digits.isEmpty() ? 0 : digits.toLongLong();
    return match.captured(1) == QLatin1String("-") ? -value : value;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    static const char* const names[] = {"C",     "fi_FI", "en_US", "de_DE", "sv_SE",
                                        "ar_EG", "fa_IR", "he_IL", "de_CH"};
    const QLocale locale(QString::fromLatin1(names[input.byte() % std::size(names)]));
    input.byte(); // kept so that the seed corpus reads as before
    quint64 raw = 0;
    for (int i = 0; i < 8; ++i)
        raw = raw << 8 | input.byte();

    // Any stake of up to twelve whole digits shows and reads back as itself.
    const qint64 cents = qint64(raw) % 100'000'000'000'000LL;
    FUZZ_CHECK(Money::parseCents(Money::formatCents(cents, locale), locale) == cents);
    Money::formatCents(std::numeric_limits<qint64>::min(), locale);

    const QString text = input.text();
    for (qint64 limit : {qint64(ScoreRow::MaxGoal), qint64(100'000'000), qint64(INT32_MAX), Top}) {
        const std::optional<qint64> value = parseWholeNumber(text, limit);
        FUZZ_CHECK(value == plainWhole(text, limit));
        FUZZ_CHECK(!value || parseWholeNumber(QString::number(*value), limit) == value);
    }
    if (const std::optional<qint64> typed = Money::parseCents(text, locale)) {
        FUZZ_CHECK(*typed > -100'000'000'000'000LL && *typed < 100'000'000'000'000LL);
        FUZZ_CHECK(Money::parseCents(Money::formatCents(*typed, locale), locale) == typed);
        FUZZ_CHECK(Money::formatCents(*typed, QLocale::c()) ==
                   QString::number(*typed / 100.0, 'f', 2).remove(QRegularExpression("\\.?0+$")));
    }

    // A system draw's maximum goal: digits only, held below any overflow.
    static const QRegularExpression digitsOnly(QStringLiteral("\\A[0-9]+\\z"));
    const std::optional<int> maxGoal = GridDraw::readMaxGoal(text);
    FUZZ_CHECK(maxGoal.has_value() == digitsOnly.match(text).hasMatch());
    FUZZ_CHECK(!maxGoal || *maxGoal == std::min(plainWhole(text, Top).value_or(1'000'000'000),
                                                qint64(1'000'000'000)));

    const std::optional<qint64> repetitions = Veto::parseRepetitions(text);
    FUZZ_CHECK(!repetitions || (*repetitions >= -1 && *repetitions <= Veto::MaxRepetitions));
    if (const std::optional<qint64> plain = plainWhole(text, Veto::MaxRepetitions);
        plain && *plain >= 0)
        FUZZ_CHECK(repetitions == plain);
    const std::optional<int> covers = Vakio::parseCoverCount(text);
    FUZZ_CHECK(!covers || (*covers >= 0 && *covers <= 1000));

    return 0;
}
