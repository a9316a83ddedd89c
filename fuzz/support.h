#pragma once

#include "convert/number_text.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <span>

// What the fuzz targets share: turning raw input into field texts, and the checks every text a dialog
// shows must pass. A failed check aborts, so libFuzzer keeps the input that broke the property.
namespace fuzz {

using Bytes = std::span<const std::uint8_t>;

[[noreturn]] void fail(const char* property, const QString& detail);

inline void require(bool holds, const char* property, const QString& detail = QString())
{
    if (!holds)
        fail(property, detail);
}

// Bytes as UTF-8; an invalid sequence becomes U+FFFD, as it would in a paste.
QString utf8Text(Bytes bytes);
// Bytes as UTF-16 code units, lone surrogates included: every text a field can hold.
QString utf16Text(Bytes bytes);

// Splits the input into field texts at the byte 0x1F, which no keyboard types; missing texts are empty.
QStringList fieldTexts(Bytes bytes, qsizetype count);

// The first bytes of an input as a number of the given type, and the bytes after them.
struct Reader
{
    Bytes rest;

    bool empty() const { return rest.empty(); }
    std::uint8_t byte();
    double float64();
    float float32();
    std::int64_t int64();
};

// "inf" or "nan" in any letter case: what no field may ever show.
bool showsInfinityOrNan(const QString& text);

// A text in a display format: grouped integer part without leading zeros, two decimals, or up to four
// where the format allows and they are not trailing zeros; no sign on a value that shows as zero.
bool isDisplayText(const QString& text, convert::DisplayFormat format);

// Plain number text with at most `significant` significant digits, in fixed or exponent form.
bool isPlainText(const QString& text, int significant);

// Plain number text in exponent form ("2.5E-05").
bool isExponentForm(const QString& text);

} // namespace fuzz
