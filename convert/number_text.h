#pragma once

#include <QString>

#include <optional>

// Reading and writing numbers as the measure dialogs show them. Everything here uses "." as the
// decimal point and "," for grouping, whatever the desktop's regional settings are, so that a text a
// conversion writes reads back to the same value.
namespace convert {

// Lenient reading: blanks, tabs and line feeds are skipped wherever they stand; an optional sign, digits
// with at most one ".", an optional exponent (E or D, either case); or "&H"/"&O" and a hexadecimal or
// octal integer. The first character that cannot continue the number ends it; a text without a
// leading number reads as 0. A number too large for a double reads as an infinity, which the
// conversions refuse (see conversion.h); no other infinity or NaN is ever returned.
double readNumber(const QString& text);

// Reads a whole text in display notation ("," grouping in the integer part, "." decimal point,
// exponent form accepted, blanks, tabs and line feeds around it). Returns nothing when the text as a
// whole is not such a number, including when its value lies outside the range of a double.
std::optional<double> readDisplayNumber(const QString& text);

// Plain number text of a double: up to 15 significant digits, no grouping, no trailing zeros, exponent
// form (1E+15, 2.5E-05) from 1E15 upwards and below 1E-4. Zero is "0". Infinite or NaN values have no
// text: callers must not pass them.
QString plainText(double value);

// The same for a single-precision value, with up to 7 significant digits and exponent form from 1E7
// upwards (12345678 gives "1.234568E+07").
QString plainTextSingle(float value);

enum class DisplayFormat {
    TwoDecimals, // "##,##0.00"
    TwoToFourDecimals, // "##,##0.00##"
};

// A value through a display format: grouped integer part, rounded half away from zero on the value's
// 15-digit decimal form. A value that rounds to zero shows without a sign.
QString formatDisplay(double value, DisplayFormat format);

// One field of the FormatFields step: the text read as a whole in display notation and written back
// through the format; a text that does not read as a number as a whole is returned unchanged.
QString formatField(const QString& text, DisplayFormat format);

} // namespace convert
