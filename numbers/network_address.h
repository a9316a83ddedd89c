#pragma once

#include <QString>

// A 12-digit hexadecimal network address and its kanonical form, in which every digit is replaced by the
// digit with its four bits in reverse order. The mapping is its own inverse, so one conversion serves
// both directions.
namespace numbers {

inline constexpr qsizetype addressDigits = 12;

enum class AddressError {
    None,
    TooShort, // fewer than 12 characters
    NotADigit, // one of the first 12 characters is not a hexadecimal digit
};

struct AddressConversion
{
    QString address; // 12 upper-case digits; empty unless error is None
    AddressError error = AddressError::None;
};

// Converts the first 12 characters of the text; whatever follows them is neither tested nor carried over.
// Each digit is converted on its own, so the two digits of a byte keep their places (0C gives 03).
AddressConversion convertAddress(const QString& text);

} // namespace numbers
