// The display formats "##,##0.00" and "##,##0.00##" and the FormatFields step: a formatted text reads
// back to the value rounded as the format says, formatting is stable, and a text that is not a number
// as a whole is left as it is.
#include "fuzz/support.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace {

using namespace fuzz;
using convert::DisplayFormat;

int decimalsOf(DisplayFormat format)
{
    return format == DisplayFormat::TwoDecimals ? 2 : 4;
}

void checkDisplay(double value, DisplayFormat format)
{
    const QString text = convert::formatDisplay(value, format);
    const QString detail = QStringLiteral("%1 -> \"%2\"").arg(value, 0, 'g', 17).arg(text);
    require(isDisplayText(text, format), "display text is well formed", detail);
    const std::optional<double> back = convert::readDisplayNumber(text);
    require(back.has_value(), "display text reads back", detail);
    const double halfUnit = 0.5 * std::pow(10.0, -decimalsOf(format));
    require(std::fabs(*back - value) <= halfUnit * (1 + 1e-9) + std::fabs(value) * 1e-14,
        "display text is the value rounded as the format says", detail);
    require(convert::formatDisplay(*back, format) == text, "the value read back formats to the same text",
        detail);
    require(convert::formatField(text, format) == text, "a formatted field stays as it is", detail);
    require(convert::formatField(convert::plainText(value), format) == text,
        "a field holding the plain text of a value shows the value's display text", detail);
}

// The display text of numerator / 10^scale worked out with whole numbers: scaled to the format's
// decimals and rounded half away from zero, then grouped.
QString expectedDisplay(std::uint64_t magnitude, bool negative, int scale, DisplayFormat format)
{
    const int decimals = decimalsOf(format);
    std::uint64_t scaled = magnitude;
    if (scale <= decimals) {
        for (int i = scale; i < decimals; ++i)
            scaled *= 10;
    } else {
        std::uint64_t divisor = 1;
        for (int i = decimals; i < scale; ++i)
            divisor *= 10;
        scaled = magnitude / divisor + (magnitude % divisor >= divisor - magnitude % divisor ? 1 : 0);
    }
    std::uint64_t unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    const std::string whole = std::to_string(scaled / unit);
    std::string fraction = std::to_string(scaled % unit);
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    while (fraction.size() > 2 && fraction.back() == '0')
        fraction.pop_back();
    std::string text = negative && scaled != 0 ? "-" : "";
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            text += ',';
        text += whole[i];
    }
    return QString::fromStdString(text + '.' + fraction);
}

void checkExactDecimal(std::int64_t raw, int scale, DisplayFormat format)
{
    // Fifteen digits at most: the decimal form of the double nearest to such a number is the number.
    const std::uint64_t magnitude
        = static_cast<std::uint64_t>(raw < 0 ? -(raw + 1) : raw) % 1000000000000000ULL;
    const bool negative = raw < 0;
    const QString decimal = QStringLiteral("%1%2e-%3")
                                .arg(negative ? QStringLiteral("-") : QString())
                                .arg(magnitude)
                                .arg(scale);
    const double value = decimal.toDouble();
    const QString expected = expectedDisplay(magnitude, negative, scale, format);
    const QString text = convert::formatDisplay(value, format);
    require(text == expected, "a decimal number rounds half away from zero",
        QStringLiteral("%1: \"%2\", expected \"%3\"").arg(decimal, text, expected));
}

void checkField(const QString& text, DisplayFormat format)
{
    const QString shown = convert::formatField(text, format);
    const std::optional<double> value = convert::readDisplayNumber(text);
    if (value) {
        require(std::isfinite(*value), "a display number is finite", text);
        require(isDisplayText(shown, format), "a number as a whole is shown in the display format", text);
        // Without grouping and inner blanks both readings see the same number.
        const QString bare = text.trimmed();
        if (!bare.contains(u',') && !bare.contains(u' ') && !bare.contains(u'\t') && !bare.contains(u'\n'))
            require(convert::readNumber(text) == *value, "lenient and display reading agree", text);
    } else {
        require(shown == text, "a text that is not a number as a whole stays unchanged", text);
    }
    require(convert::formatField(shown, format) == shown, "formatting a field twice changes nothing", text);
    require(shown == text || !showsInfinityOrNan(shown), "formatting never writes inf or nan", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Reader input{Bytes(data, size)};
    const std::uint8_t mode = input.byte();
    const DisplayFormat format = mode & 1 ? DisplayFormat::TwoToFourDecimals : DisplayFormat::TwoDecimals;
    switch ((mode >> 1) % 4) {
    case 0:
        checkField(utf8Text(input.rest), format);
        break;
    case 1:
        checkField(utf16Text(input.rest), format);
        break;
    case 2: {
        const double value = input.float64();
        if (std::isfinite(value))
            checkDisplay(value, format);
        break;
    }
    case 3: {
        const int scale = input.byte() % 20;
        checkExactDecimal(input.int64(), scale, format);
        break;
    }
    }
    return 0;
}
