#include "numbers/number_conversion.h"

#include "numbers/network_address.h"
#include "numbers/number_systems.h"
#include "numbers/roman.h"

#include <utility>

namespace numbers {

namespace {

using convert::Outcome;
using convert::Problem;

struct FieldLimit
{
    NumberField field;
    qsizetype longest;
    Problem tooLong;
};

constexpr FieldLimit limitTable[] = {
    {NumberField::Binary, 26, Problem::BinaryTooLong},
    {NumberField::Octal, 10, Problem::OctalTooLong},
    {NumberField::Decimal, 9, Problem::DecimalTooLong},
    {NumberField::Hexadecimal, 7, Problem::HexadecimalTooLong},
    {NumberField::Roman, 20, Problem::RomanTooLong},
};

const FieldLimit& limitOf(NumberField field)
{
    for (const FieldLimit& entry : limitTable) {
        if (entry.field == field)
            return entry;
    }
    Q_UNREACHABLE();
}

// One character for one character, so that upper-casing never lengthens a text that has passed its
// length limit (a full case mapping turns the ligature "ﬀ" into "FF").
QString upperCased(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        c = c.toUpper();
    return upper;
}

// Fills the fields that follow from the decimal field; the typed field keeps its text. The binary digits
// come from the hexadecimal text as it stands after this step. False when the decimal text stands for a
// value outside the 32-bit range, and then nothing is filled.
bool fillFromDecimal(NumberTexts& texts, NumberField source)
{
    const std::optional<QString> octal = octalText(texts.decimal);
    const std::optional<QString> hexadecimal = hexadecimalText(texts.decimal);
    const std::optional<QString> roman = decToRoman(texts.decimal);
    if (!octal || !hexadecimal || !roman)
        return false;
    if (source != NumberField::Octal)
        texts.octal = *octal;
    if (source != NumberField::Hexadecimal)
        texts.hexadecimal = *hexadecimal;
    if (source != NumberField::Binary)
        texts.binary = hexToBin(texts.hexadecimal);
    texts.roman = *roman;
    return true;
}

} // namespace

const QString& NumberTexts::operator[](NumberField field) const
{
    switch (field) {
    case NumberField::Binary:
        return binary;
    case NumberField::Octal:
        return octal;
    case NumberField::Decimal:
        return decimal;
    case NumberField::Hexadecimal:
        return hexadecimal;
    case NumberField::Roman:
        break;
    }
    return roman;
}

QString& NumberTexts::operator[](NumberField field)
{
    return const_cast<QString&>(std::as_const(*this)[field]);
}

qsizetype longestText(NumberField field)
{
    return limitOf(field).longest;
}

Outcome<NumberTexts> returnInNumberField(NumberField field, const NumberTexts& texts)
{
    const FieldLimit& limit = limitOf(field);
    if (texts[field].size() > limit.longest)
        return Outcome<NumberTexts>::refused(limit.tooLong);

    NumberTexts result = texts;
    std::optional<Problem> problem;
    std::optional<QString> decimal;
    switch (field) {
    case NumberField::Binary:
        decimal = binToDec(result.binary);
        break;
    case NumberField::Octal:
        decimal = octToDec(result.octal);
        break;
    case NumberField::Decimal:
        decimal = result.decimal;
        break;
    case NumberField::Hexadecimal:
        result.hexadecimal = upperCased(result.hexadecimal);
        decimal = hexToDec(result.hexadecimal);
        break;
    case NumberField::Roman: {
        result.roman = upperCased(result.roman);
        decimal = romanToDec(result.roman);
        // An invalid numeral is told, and converts as 0.
        if (!decimal) {
            problem = Problem::InvalidRomanNumeral;
            decimal = QStringLiteral("0");
        }
        break;
    }
    }
    if (!decimal)
        return Outcome<NumberTexts>::refused(Problem::DecimalOutOfRange);
    result.decimal = *decimal;

    const QString roman = result.roman;
    if (!fillFromDecimal(result, field))
        return Outcome<NumberTexts>::refused(Problem::DecimalOutOfRange);
    // A typed numeral stays as typed (upper-cased); only the other fields get the written form.
    if (field == NumberField::Roman)
        result.roman = roman;
    return Outcome<NumberTexts>{result, problem};
}

Outcome<QString> returnInAddressField(AddressField field, const QString& text)
{
    if (std::optional<QString> other = convertAddress(text))
        return Outcome<QString>::converted(*other);
    return Outcome<QString>::refused(field == AddressField::Hexadecimal ? Problem::HexadecimalAddressInvalid
                                                                        : Problem::KanonicalAddressInvalid);
}

} // namespace numbers
