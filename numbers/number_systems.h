#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Whole numbers between the positional notations of the number systems dialog. Values are 32-bit signed;
// a routine whose result would leave that range returns nothing instead of a wrapped or partial text.
namespace numbers {

// The value of a digit string in base 2, 8 or 16 as decimal digits ("0" for the empty text). Nothing is
// rejected: a decimal digit counts with its face value even where the base has no such digit, and any
// other character counts as a zero digit that still takes its place ("1G" in base 16 is 16). Only the
// hexadecimal routine knows the letters "A" to "F" (either case).
std::optional<QString> binToDec(const QString& digits);
std::optional<QString> octToDec(const QString& digits);
std::optional<QString> hexToDec(const QString& digits);

// Four binary digits for every hexadecimal digit, leading zeros kept ("1F" gives "00011111"); any other
// character adds nothing.
QString hexToBin(const QString& digits);

// The whole number a decimal field stands for: read leniently, rounded half to even. Nothing when the
// rounded value lies outside the signed 32-bit range (infinite and NaN included).
std::optional<std::int32_t> wholeNumber(const QString& decimalText);

// The octal and hexadecimal text of a decimal field, without leading zeros; a negative value is written
// as its 32-bit two's-complement bit pattern (-1 gives "37777777777" and "FFFFFFFF").
std::optional<QString> octalText(const QString& decimalText);
std::optional<QString> hexadecimalText(const QString& decimalText);

} // namespace numbers
