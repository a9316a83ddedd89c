#include "numbers/number_systems.h"

#include "convert/number_text.h"

#include <cmath>
#include <limits>

namespace numbers {

namespace {

constexpr std::int64_t largestValue = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t smallestValue = std::numeric_limits<std::int32_t>::min();

int decimalDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    return 0;
}

int hexadecimalDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return decimalDigit(c);
}

// Digit i weighs base^(n - i); summing from the left by Horner's rule gives the same value and needs no
// power that could overflow for a long run of leading zeros.
std::optional<QString> digitStringValue(const QString& digits, int base, int (*digitValue)(QChar))
{
    std::int64_t value = 0;
    for (const QChar c : digits) {
        value = value * base + digitValue(c);
        if (value > largestValue)
            return std::nullopt;
    }
    return QString::number(value);
}

double roundHalfToEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1.0;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

} // namespace

std::optional<QString> binToDec(const QString& digits)
{
    return digitStringValue(digits, 2, decimalDigit);
}

std::optional<QString> octToDec(const QString& digits)
{
    return digitStringValue(digits, 8, decimalDigit);
}

std::optional<QString> hexToDec(const QString& digits)
{
    return digitStringValue(digits, 16, hexadecimalDigit);
}

QString hexToBin(const QString& digits)
{
    static constexpr const char16_t* nibbles[16] = {
        u"0000",
        u"0001",
        u"0010",
        u"0011",
        u"0100",
        u"0101",
        u"0110",
        u"0111",
        u"1000",
        u"1001",
        u"1010",
        u"1011",
        u"1100",
        u"1101",
        u"1110",
        u"1111",
    };
    QString binary;
    binary.reserve(digits.size() * 4);
    for (const QChar c : digits) {
        const char16_t u = c.unicode();
        const bool isDigit = (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f');
        if (isDigit)
            binary += QStringView(nibbles[hexadecimalDigit(c)]);
    }
    return binary;
}

std::optional<std::int32_t> wholeNumber(const QString& decimalText)
{
    const double rounded = roundHalfToEven(convert::readNumber(decimalText));
    // Written so that NaN fails the test too.
    if (!(rounded >= static_cast<double>(smallestValue) && rounded <= static_cast<double>(largestValue)))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

std::optional<QString> octalText(const QString& decimalText)
{
    const std::optional<std::int32_t> value = wholeNumber(decimalText);
    if (!value)
        return std::nullopt;
    return QString::number(static_cast<std::uint32_t>(*value), 8);
}

std::optional<QString> hexadecimalText(const QString& decimalText)
{
    const std::optional<std::int32_t> value = wholeNumber(decimalText);
    if (!value)
        return std::nullopt;
    return QString::number(static_cast<std::uint32_t>(*value), 16).toUpper();
}

} // namespace numbers
