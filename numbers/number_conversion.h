#pragma once

#include "convert/outcome.h"

#include <QString>

// What Return does in each field of the number systems dialog, as plain functions of the field texts.
// The dialog only reads its fields, calls these, shows the message and writes the texts they return.
namespace numbers {

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

// The longest text each number field accepts, which keeps every value inside the 32-bit range.
qsizetype longestText(NumberField field);

// Return in a number field: the texts of all five fields; refused where the typed text is too long or
// stands for a value outside the 32-bit range. An invalid roman numeral is questioned: its field shows it
// upper-cased while the message is read, then the other fields show the conversion of 0.
convert::Outcome<NumberTexts> returnInNumberField(NumberField field, const NumberTexts& texts);

enum class AddressField { Hexadecimal, Kanonical };

// Return in a network address field: the other field's new text, or refused while the other field keeps
// its text. The number fields are never touched.
convert::Outcome<QString> returnInAddressField(AddressField field, const QString& text);

} // namespace numbers
