#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Roman numerals as the number systems dialog writes and reads them. Writing always gives the usual
// subtractive form; reading accepts any sequence of the seven upper-case symbols and refuses only
// foreign characters, so IIII reads as 4 and IC as 101.
namespace numbers {

// The roman numeral of a whole number. From 21 thousands on, the thousands are written in count form,
// "( 21 M's)", followed by the rest in symbols. Zero and negative numbers give the empty text.
QString romanNumeral(std::int32_t value);

// The roman numeral of a decimal field's text (read leniently, rounded half to even); nothing when the
// rounded value lies outside the signed 32-bit range.
std::optional<QString> decToRoman(const QString& decimalText);

// Reads a roman numeral (upper case only) into decimal digits; nothing when a character is not one of
// M, D, C, L, X, V, I.
std::optional<QString> romanToDec(const QString& numeral);

} // namespace numbers
