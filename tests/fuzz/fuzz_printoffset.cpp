// A print offset text gives a finite offset within the limit or nothing, an offset written
// out reads back as itself, and a plain decimal number is always read.
#include "print/printoffset.h"
#include "tests/fuzz/fuzzcheck.h"
#include <QRegularExpression>
#include <cmath>

namespace {
void checkFormatted(double mm, const QLocale& locale)
{
    const QString text = PrintOffsets::format(mm, locale);
    static const QRegularExpression shape(
        QStringLiteral("\\A-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?\\z"));
    const QString plain = QString(text).replace(locale.decimalPoint(), QStringLiteral("."));
    FUZZ_CHECK(shape.match(plain).hasMatch() && plain != QLatin1String("-0"));
    const std::optional<double> back = PrintOffsets::parse(text, locale);
    FUZZ_CHECK(back && std::fabs(*back - mm) <= 1e-10);
    FUZZ_CHECK(PrintOffsets::format(*back, locale) == text);
}

bool sound(double mm)
{
    return std::isfinite(mm) && std::fabs(mm) <= PrintOffsets::Limit &&
           !(mm == 0 && std::signbit(mm));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    // sv: a minus that is no hyphen; ar, fa, he: marks around the sign, their own separator.
    static const char* const names[] = {"C",     "fi_FI", "en_US", "de_DE", "sv_SE",
                                        "ar_EG", "fa_IR", "he_IL", "de_CH", "fr_FR"};
    const QLocale locale(QString::fromLatin1(names[input.byte() % std::size(names)]));

    double raw = 0;
    for (size_t i = 0; i < sizeof raw; ++i)
        reinterpret_cast<unsigned char*>(&raw)[i] = input.byte();
    if (std::isfinite(raw) && std::fmod(raw, PrintOffsets::Limit) != 0)
        checkFormatted(std::fmod(raw, PrintOffsets::Limit), locale);

    const QString vaaka = input.text();
    const QString pysty = input.text();
    const std::optional<double> parsed = PrintOffsets::parse(vaaka, locale);
    FUZZ_CHECK(!parsed || sound(*parsed));
    if (parsed)
        checkFormatted(*parsed, locale);

    static const QRegularExpression plain(QStringLiteral("\\A-?[0-9]{1,6}(\\.[0-9]{1,6})?\\z"));
    if (plain.match(vaaka.trimmed()).hasMatch()) {
        const double value = vaaka.trimmed().toDouble();
        FUZZ_CHECK(std::fabs(value) <= PrintOffsets::Limit ? parsed && *parsed == value : !parsed);
    }

    // The stored pair: each shifts by what its text reads as, or not at all.
    const PrintOffset offset = PrintOffsets::fromStored(vaaka, pysty, locale);
    FUZZ_CHECK(sound(offset.x) && sound(offset.y));
    FUZZ_CHECK(offset.y == parsed.value_or(0));
    FUZZ_CHECK(offset.x == PrintOffsets::parse(pysty, locale).value_or(0));
    return 0;
}
