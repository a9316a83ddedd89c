// Lenient reading and plain number text: every text reads as a number or as 0, and every number a
// conversion writes reads back to itself rounded to 15 (or 7) significant digits.
#include "fuzz/support.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

using namespace fuzz;

QString describe(double value, const QString& text)
{
    return QStringLiteral("%1 -> \"%2\"").arg(value, 0, 'g', 17).arg(text);
}

bool isExponentRange(double value, double fixedLimit)
{
    return value != 0 && (std::fabs(value) >= fixedLimit || std::fabs(value) < 1e-4);
}

void checkPlainText(double value)
{
    const QString text = convert::plainText(value);
    const QString detail = describe(value, text);
    require(isPlainText(text, 15), "plain text is well formed with at most 15 significant digits", detail);
    require(!showsInfinityOrNan(text), "plain text never shows inf or nan", detail);
    const double back = convert::readNumber(text);
    require(std::isfinite(back), "plain text reads back as a finite number", detail);
    require(convert::plainText(back) == text, "plain text of the value read back is the same text", detail);
    require((back < 0) == (value < 0), "plain text keeps the sign", detail);
    if (std::fabs(value) >= std::numeric_limits<double>::min())
        require(std::fabs(back - value) <= std::fabs(value) * 1e-14, "plain text is the value to 15 digits",
            detail);
    require(isExponentForm(text) == isExponentRange(back, 1e15), "exponent form from 1E15 and below 1E-4",
        detail);
}

void checkPlainTextSingle(float value)
{
    if (!std::isfinite(value))
        return;
    const QString text = convert::plainTextSingle(value);
    const QString detail = describe(static_cast<double>(value), text);
    require(isPlainText(text, 7), "single-precision text has at most 7 significant digits", detail);
    const double back = convert::readNumber(text);
    const double exact = static_cast<double>(value);
    require(std::isfinite(back) && (back < 0) == (exact < 0), "single-precision text reads back", detail);
    require(std::fabs(back - exact) <= std::fabs(exact) * 5.000001e-7,
        "single-precision text is the value to 7 digits", detail);
    require(
        isExponentForm(text) == isExponentRange(back, 1e7), "exponent form from 1E7 and below 1E-4", detail);
}

QString withoutBlanks(QString text)
{
    text.remove(u' ');
    text.remove(u'\t');
    text.remove(u'\n');
    return text;
}

bool sameValue(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

void checkReading(const QString& text)
{
    const double value = convert::readNumber(text);
    require(!std::isnan(value), "reading never gives NaN", text);
    if (std::isinf(value)) {
        static const QRegularExpression digits(QStringLiteral("[0-9]|&[ \t\n]*[Hh]"));
        require(text.contains(digits), "only a number too large reads as an infinity", text);
    } else {
        checkPlainText(value);
    }
    require(sameValue(convert::readNumber(withoutBlanks(text)), value),
        "blanks are skipped wherever they stand", text);
    // A character that cannot continue any number ends it; a text that starts with one reads as 0.
    require(sameValue(convert::readNumber(text + u'x'), value), "a letter after the number ends it", text);
    require(convert::readNumber(u'x' + text) == 0, "a text without a leading number reads as 0", text);

    // Simple decimal numbers against Qt's own reading of them.
    static const QRegularExpression simple(
        QStringLiteral("^[+-]?[0-9]{1,40}(\\.[0-9]{0,40})?([eE][+-]?[0-9]{1,3})?$"));
    if (simple.match(text).hasMatch()) {
        bool ok = false;
        const double expected = text.toDouble(&ok);
        if (ok && std::isfinite(expected))
            require(value == expected, "a decimal number reads as the nearest double", text);
    }
    static const QRegularExpression hexadecimal(QStringLiteral("^&[Hh]([0-9A-Fa-f]{1,13})$"));
    const QRegularExpressionMatch hex = hexadecimal.match(text);
    if (hex.hasMatch())
        require(value == static_cast<double>(hex.captured(1).toULongLong(nullptr, 16)),
            "&H reads hexadecimal", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Reader input{Bytes(data, size)};
    const std::uint8_t mode = input.byte();
    switch (mode % 4) {
    case 0:
        checkReading(utf8Text(input.rest));
        break;
    case 1:
        checkReading(utf16Text(input.rest));
        break;
    case 2: {
        const double value = input.float64();
        if (std::isfinite(value))
            checkPlainText(value);
        break;
    }
    case 3:
        checkPlainTextSingle(input.float32());
        break;
    }
    return 0;
}
