#pragma once

#include <QString>

#include <optional>

// What Return does in each field of the number systems dialog, as plain functions of the field texts.
// The dialog only reads its fields, calls these, shows the message and writes the texts they return.
namespace numbers {

inline constexpr char16_t restrictionTitle[] = u"Input restriction";
inline constexpr char16_t romanCheckTitle[] = u"Input check";
inline constexpr char16_t addressTitle[] = u"Input Validation";

struct Message
{
    QString text;
    QString title;

    friend bool operator==(const Message&, const Message&) = default;
};

enum class NumberField { Binary, Octal, Decimal, Hexadecimal, Roman };

// The texts of the five fields of the number group.
struct NumberTexts
{
    QString binary;
    QString octal;
    QString decimal;
    QString hexadecimal;
    QString roman;

    QString& operator[](NumberField field);
    const QString& operator[](NumberField field) const;
    friend bool operator==(const NumberTexts&, const NumberTexts&) = default;
};

// The result of Return in a number field:
// - refused input: a message and no texts; no field changes;
// - an invalid roman numeral: a message and texts; the roman field is upper-cased before the message
//   is shown, the other fields are written after it is closed;
// - otherwise: texts and no message.
struct NumberOutcome
{
    std::optional<NumberTexts> texts;
    std::optional<Message> message;

    bool refused() const { return !texts; }
    bool invalidNumeral() const { return texts && message; }
};

// The longest text each number field accepts, which keeps every value inside the 32-bit range.
qsizetype longestText(NumberField field);

NumberOutcome returnInNumberField(NumberField field, const NumberTexts& texts);

enum class AddressField { Hexadecimal, Kanonical };

// The result of Return in a network address field: the other field's new text, or the message to show
// while the other field keeps its text. The number fields are never touched.
struct AddressOutcome
{
    std::optional<QString> otherText;
    std::optional<Message> message;
};

AddressOutcome returnInAddressField(AddressField field, const QString& text);

} // namespace numbers
