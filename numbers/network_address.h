#pragma once

#include <QString>

#include <optional>

// A 12-digit hexadecimal network address and its kanonical form, in which every digit is replaced by the
// digit with its four bits in reverse order. The mapping is its own inverse, so one conversion serves
// both directions.
namespace numbers {

inline constexpr qsizetype addressDigits = 12;

// Converts the first 12 characters of the text into 12 upper-case digits; whatever follows them is neither
// tested nor carried over. Each digit is converted on its own, so the two digits of a byte keep their
// places (0C gives 03). Nothing when the text is shorter or one of the 12 is not a hexadecimal digit.
std::optional<QString> convertAddress(const QString& text);

} // namespace numbers
