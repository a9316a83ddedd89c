#include "numbers/number_conversion.h"

#include "numbers/network_address.h"
#include "numbers/number_systems.h"
#include "numbers/roman.h"

#include <utility>

namespace numbers {

namespace {

struct FieldLimit
{
    NumberField field;
    qsizetype longest;
    const char16_t* message;
};

constexpr FieldLimit limitTable[] = {
    {NumberField::Binary, 26, u"Sorry, no binary values with more than 26 digits please."},
    {NumberField::Octal, 10, u"Sorry, no octal values with more than 10 digits please."},
    {NumberField::Decimal, 9, u"Sorry, no decimal values with more than 9 digits please."},
    {NumberField::Hexadecimal, 7, u"Sorry, no hexadecimal values with more than 7 digits please."},
    {NumberField::Roman, 20, u"Sorry, no roman numbers with more than 20 digits please."},
};

constexpr char16_t decimalRangeMessage[]
    = u"Sorry, no decimal values outside -2147483648 to 2147483647 please.";
constexpr char16_t invalidNumeralMessage[] = u"Sorry, this is not a valid roman number.";
constexpr char16_t hexadecimalAddressMessage[] = u"Please enter a 12 digit hexadecimal value.";
constexpr char16_t kanonicalAddressMessage[] = u"Please enter a 12 digit kanonical value.";

const FieldLimit& limitOf(NumberField field)
{
    for (const FieldLimit& entry : limitTable) {
        if (entry.field == field)
            return entry;
    }
    Q_UNREACHABLE();
}

NumberOutcome refuse(const char16_t* text)
{
    return NumberOutcome{
        std::nullopt, Message{QString::fromUtf16(text), QString::fromUtf16(restrictionTitle)}};
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
    const std::optional<QString> roman = DecToRoman(texts.decimal);
    if (!octal || !hexadecimal || !roman)
        return false;
    if (source != NumberField::Octal)
        texts.octal = *octal;
    if (source != NumberField::Hexadecimal)
        texts.hexadecimal = *hexadecimal;
    if (source != NumberField::Binary)
        texts.binary = HexToBin(texts.hexadecimal);
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

NumberOutcome returnInNumberField(NumberField field, const NumberTexts& texts)
{
    const FieldLimit& limit = limitOf(field);
    if (texts[field].size() > limit.longest)
        return refuse(limit.message);

    NumberTexts result = texts;
    std::optional<Message> message;
    std::optional<QString> decimal;
    switch (field) {
    case NumberField::Binary:
        decimal = BinToDec(result.binary);
        break;
    case NumberField::Octal:
        decimal = OctToDec(result.octal);
        break;
    case NumberField::Decimal:
        decimal = result.decimal;
        break;
    case NumberField::Hexadecimal:
        result.hexadecimal = upperCased(result.hexadecimal);
        decimal = HexToDec(result.hexadecimal);
        break;
    case NumberField::Roman: {
        result.roman = upperCased(result.roman);
        const RomanReading reading = RomanToDec(result.roman);
        if (!reading.valid)
            message = Message{QString::fromUtf16(invalidNumeralMessage), QString::fromUtf16(romanCheckTitle)};
        decimal = reading.decimal;
        break;
    }
    }
    if (!decimal)
        return refuse(decimalRangeMessage);
    result.decimal = *decimal;

    const QString roman = result.roman;
    if (!fillFromDecimal(result, field))
        return refuse(decimalRangeMessage);
    // A typed numeral stays as typed (upper-cased); only the other fields get the written form.
    if (field == NumberField::Roman)
        result.roman = roman;
    return NumberOutcome{result, message};
}

AddressOutcome returnInAddressField(AddressField field, const QString& text)
{
    const AddressConversion conversion = convertAddress(text);
    if (conversion.error != AddressError::None) {
        const char16_t* message
            = field == AddressField::Hexadecimal ? hexadecimalAddressMessage : kanonicalAddressMessage;
        return AddressOutcome{
            std::nullopt, Message{QString::fromUtf16(message), QString::fromUtf16(addressTitle)}};
    }
    return AddressOutcome{conversion.address, std::nullopt};
}

} // namespace numbers
