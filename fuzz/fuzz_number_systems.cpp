// The number systems dialog's routines and what Return does in each of its fields: the five fields
// always agree with each other after a conversion, and a refused input changes nothing.
#include "fuzz/support.h"
#include "numbers/number_conversion.h"
#include "numbers/number_systems.h"
#include "numbers/roman.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using namespace fuzz;
using namespace numbers;

constexpr std::int64_t largest = std::numeric_limits<std::int32_t>::max();

bool isDecimalDigits(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^(0|[1-9][0-9]*)$"));
    return digits.match(text).hasMatch();
}

bool isDigitOf(QChar c, int base)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0' < base;
    return base == 16 && ((u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f'));
}

void checkDigitRoutine(const QString& text, int base, std::optional<QString> (*routine)(const QString&))
{
    const std::optional<QString> decimal = routine(text);
    if (decimal) {
        require(isDecimalDigits(*decimal), "the value is written as decimal digits", text);
        require(decimal->toLongLong() <= largest, "the value stays in the 32-bit range", text);
    }
    // Texts of proper digits against Qt's own reading.
    if (std::all_of(text.cbegin(), text.cend(), [base](QChar c) { return isDigitOf(c, base); })) {
        QString significant = text;
        while (significant.startsWith(u'0'))
            significant.remove(0, 1);
        // As many digits as a 64-bit number holds; a longer text is far beyond the 32-bit range.
        const qsizetype readable = base == 2 ? 63 : base == 8 ? 21 : 15;
        if (significant.size() <= readable) {
            const qulonglong expected = significant.isEmpty() ? 0 : significant.toULongLong(nullptr, base);
            require(decimal.has_value() == (expected <= static_cast<qulonglong>(largest)),
                "only a value beyond the 32-bit range is refused", text);
            if (decimal)
                require(decimal->toULongLong() == expected, "digits read in their base", text);
        } else {
            require(!decimal, "a value beyond the 32-bit range is refused", text);
        }
    }
}

void checkhexToBin(const QString& text)
{
    const QString binary = hexToBin(text);
    const auto hexDigits
        = std::count_if(text.cbegin(), text.cend(), [](QChar c) { return isDigitOf(c, 16); });
    require(binary.size() == 4 * hexDigits, "four binary digits per hexadecimal digit", text);
    require(std::all_of(binary.cbegin(), binary.cend(), [](QChar c) { return c == u'0' || c == u'1'; }),
        "binary digits only", text);
    if (hexDigits == text.size() && !text.isEmpty() && text.size() <= 15)
        require(binary.toULongLong(nullptr, 2) == text.toULongLong(nullptr, 16),
            "binary and hexadecimal agree", text);
}

void checkWholeNumber(const QString& text)
{
    const double read = convert::readNumber(text);
    const std::optional<std::int32_t> whole = wholeNumber(text);
    // Half to even: -2147483648.5 still rounds into the range, 2147483647.5 no longer does.
    const bool inRange = read >= -2147483648.5 && read < 2147483647.5;
    require(
        whole.has_value() == inRange, "a whole number exactly when it rounds into the 32-bit range", text);
    const std::optional<QString> octal = octalText(text);
    const std::optional<QString> hexadecimal = hexadecimalText(text);
    const std::optional<QString> roman = decToRoman(text);
    require(
        octal.has_value() == inRange && hexadecimal.has_value() == inRange && roman.has_value() == inRange,
        "octal, hexadecimal and roman text exactly for a whole number", text);
    if (!whole)
        return;
    require(std::fabs(*whole - read) <= 0.5, "rounded to the nearest whole number", text);
    const auto pattern = static_cast<std::uint32_t>(*whole);
    require(octal->toUInt(nullptr, 8) == pattern && hexadecimal->toUInt(nullptr, 16) == pattern,
        "octal and hexadecimal show the 32-bit pattern", text);
    require(
        (*hexadecimal == hexadecimal->toUpper() && !hexadecimal->startsWith(u'0')) || *hexadecimal == u'0',
        "hexadecimal in upper case without leading zeros", text);
    require(*roman == romanNumeral(*whole), "the roman text is the numeral of the whole number", text);
}

QString describe(NumberField field, const NumberTexts& texts)
{
    return QStringLiteral("field %1: bin \"%2\" oct \"%3\" dec \"%4\" hex \"%5\" rom \"%6\"")
        .arg(static_cast<int>(field))
        .arg(texts.binary, texts.octal, texts.decimal, texts.hexadecimal, texts.roman);
}

void checkReturn(NumberField field, const NumberTexts& before)
{
    const convert::Outcome<NumberTexts> outcome = returnInNumberField(field, before);
    const QString detail = describe(field, before);
    const bool tooLong = before[field].size() > longestText(field);
    if (tooLong) {
        require(outcome.isRefused(), "too long a text is refused with a message", detail);
        return;
    }
    require(outcome.value || outcome.problem, "an input is either converted or explained", detail);
    if (outcome.isRefused()) {
        require(field != NumberField::Roman, "a roman numeral of 20 symbols is never out of range", detail);
        return;
    }
    const NumberTexts& after = *outcome.value;
    const QString afterDetail = detail + QStringLiteral(" -> ") + describe(field, after);
    const std::optional<std::int32_t> value = wholeNumber(after.decimal);
    require(value.has_value(), "the decimal field holds a whole number", afterDetail);
    require(field == NumberField::Decimal || isDecimalDigits(after.decimal),
        "a written decimal is digits only", afterDetail);
    if (field != NumberField::Octal)
        require(after.octal == octalText(after.decimal), "octal agrees with decimal", afterDetail);
    if (field != NumberField::Hexadecimal)
        require(after.hexadecimal == hexadecimalText(after.decimal), "hexadecimal agrees with decimal",
            afterDetail);
    else
        require(after.hexadecimal.size() == before.hexadecimal.size(), "upper case keeps the length",
            afterDetail);
    if (field != NumberField::Binary)
        require(after.binary == hexToBin(after.hexadecimal), "binary agrees with hexadecimal", afterDetail);
    if (field != NumberField::Roman)
        require(after.roman == romanNumeral(*value), "roman agrees with decimal", afterDetail);
    else
        require(outcome.problem.has_value() == !romanToDec(after.roman), "a bad numeral is reported",
            afterDetail);
    for (int i = 0; i < 5; ++i) {
        const auto written = static_cast<NumberField>(i);
        require(written == field || !showsInfinityOrNan(after[written]), "no field shows inf or nan",
            afterDetail);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Reader input{Bytes(data, size)};
    const auto field = static_cast<NumberField>(input.byte() % 5);
    const QStringList texts = fieldTexts(input.rest, 5);
    checkDigitRoutine(texts[0], 2, binToDec);
    checkDigitRoutine(texts[0], 8, octToDec);
    checkDigitRoutine(texts[0], 16, hexToDec);
    checkhexToBin(texts[0]);
    checkWholeNumber(texts[0]);
    checkReturn(field, NumberTexts{texts[0], texts[1], texts[2], texts[3], texts[4]});
    return 0;
}
