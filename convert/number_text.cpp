#include "convert/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace convert {

namespace {

bool isSkippedBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int hexValue(QChar c)
{
    if (isAsciiDigit(c))
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// Converts a decimal number text made only of ASCII digits, one optional ".", and an optional "e" with a
// sign and digits. A magnitude beyond the range of a double becomes an infinity, one below it zero.
double decimalValue(const std::string& digits, bool negative)
{
    double value = 0.0;
    const char* first = digits.data();
    const char* last = first + digits.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: tell which from the position of the first significant
        // digit relative to the decimal point, plus the exponent.
        long long position = 0;
        bool seenPoint = false;
        bool seenSignificant = false;
        std::size_t i = 0;
        for (; i < digits.size() && digits[i] != 'e'; ++i) {
            const char c = digits[i];
            if (c == '.') {
                seenPoint = true;
            } else if (!seenSignificant) {
                if (c != '0') {
                    seenSignificant = true;
                    if (!seenPoint)
                        ++position;
                } else if (seenPoint) {
                    --position;
                }
            } else if (!seenPoint) {
                ++position;
            }
        }
        long long exponent = 0;
        bool exponentNegative = false;
        if (i < digits.size()) {
            ++i;
            if (i < digits.size() && (digits[i] == '-' || digits[i] == '+'))
                exponentNegative = digits[i++] == '-';
            for (; i < digits.size(); ++i)
                exponent = std::min(exponent * 10 + (digits[i] - '0'), 1'000'000'000LL);
        }
        const long long magnitude = position + (exponentNegative ? -exponent : exponent);
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc() || end != last) {
        value = 0.0;
    }
    return negative ? -value : value;
}

// The digits of a double rounded to `significant` digits, and the decimal exponent of the first one.
struct Decimal
{
    std::string digits;
    int exponent = 0;
};

template <typename T> Decimal decimalDigits(T value, int significant)
{
    const T magnitude = std::fabs(value);
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
        std::chars_format::scientific, significant - 1);
    // Rounding up can carry the largest values past the range (1.7976931348623157E+308 gives
    // 1.79769313486232E+308), and a text of those digits would read back as an infinity. Such a value
    // keeps its leading digits instead, taken from a form long enough to hold them exactly.
    T back{};
    bool cutOff = false;
    if (std::from_chars(buffer.data(), result.ptr, back).ec == std::errc::result_out_of_range) {
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
            std::chars_format::scientific, std::numeric_limits<T>::max_digits10 - 1);
        cutOff = true;
    }
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    Decimal decimal;
    for (const char c : text.substr(0, e)) {
        if (c != '.')
            decimal.digits.push_back(c);
    }
    if (cutOff)
        decimal.digits.resize(static_cast<std::size_t>(significant));
    std::from_chars(
        text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(), decimal.exponent);
    return decimal;
}

// Plain number text from rounded digits: fixed notation for exponents in [-5, fixedLimit), exponent
// form otherwise.
QString plainFromDecimal(Decimal decimal, bool negative, int fixedLimit)
{
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0')
        decimal.digits.pop_back();
    if (decimal.digits == "0")
        return QStringLiteral("0");
    std::string text = negative ? "-" : "";
    const int e = decimal.exponent;
    const auto count = static_cast<int>(decimal.digits.size());
    if (e >= fixedLimit || e < -4) {
        text += decimal.digits[0];
        if (count > 1) {
            text += '.';
            text += decimal.digits.substr(1);
        }
        text += 'E';
        text += e < 0 ? '-' : '+';
        const std::string exponentDigits = std::to_string(std::abs(e));
        if (exponentDigits.size() < 2)
            text += '0';
        text += exponentDigits;
    } else if (e < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-e - 1), '0');
        text += decimal.digits;
    } else if (count <= e + 1) {
        text += decimal.digits;
        text.append(static_cast<std::size_t>(e + 1 - count), '0');
    } else {
        text += decimal.digits.substr(0, static_cast<std::size_t>(e + 1));
        text += '.';
        text += decimal.digits.substr(static_cast<std::size_t>(e + 1));
    }
    return QString::fromLatin1(text);
}

// Appends the ASCII digits that stand at `i` onwards and moves past them; true when there was one.
bool takeDigits(QStringView text, qsizetype& i, std::string& digits)
{
    const qsizetype start = i;
    for (; i < text.size() && isAsciiDigit(text.at(i)); ++i)
        digits.push_back(static_cast<char>(text.at(i).unicode()));
    return i > start;
}

// Moves past a "+" or "-" standing at `i`; true for "-".
bool takeSign(QStringView text, qsizetype& i)
{
    if (i >= text.size() || (text.at(i) != u'+' && text.at(i) != u'-'))
        return false;
    return text.at(i++) == u'-';
}

} // namespace

double readNumber(const QString& text)
{
    const qsizetype length = text.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < length && isSkippedBlank(text.at(i)))
            ++i;
    };

    skipBlanks();
    if (i < length && text.at(i) == u'&') {
        qsizetype k = i + 1;
        while (k < length && isSkippedBlank(text.at(k)))
            ++k;
        const QChar kind = k < length ? text.at(k).toUpper() : QChar();
        if (kind == u'H' || kind == u'O') {
            const int base = kind == u'H' ? 16 : 8;
            i = k + 1;
            double value = 0.0;
            for (;; ++i) {
                skipBlanks();
                if (i >= length)
                    break;
                const int digit = hexValue(text.at(i));
                if (digit < 0 || digit >= base)
                    break;
                value = value * base + digit;
            }
            return value;
        }
    }

    const bool negative = takeSign(text, i);
    std::string digits;
    bool seenPoint = false;
    bool seenDigit = false;
    for (;; ++i) {
        skipBlanks();
        if (i >= length)
            break;
        const QChar c = text.at(i);
        if (isAsciiDigit(c)) {
            digits.push_back(static_cast<char>(c.unicode()));
            seenDigit = true;
        } else if (c == u'.' && !seenPoint) {
            digits.push_back('.');
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;

    // An exponent counts only when digits follow it: "1E" reads as 1.
    if (i < length) {
        const QChar marker = text.at(i).toUpper();
        if (marker == u'E' || marker == u'D') {
            qsizetype j = i + 1;
            while (j < length && isSkippedBlank(text.at(j)))
                ++j;
            char sign = '+';
            if (j < length && (text.at(j) == u'+' || text.at(j) == u'-')) {
                sign = static_cast<char>(text.at(j).unicode());
                ++j;
            }
            bool anyDigit = false;
            std::string exponentDigits;
            for (;; ++j) {
                while (j < length && isSkippedBlank(text.at(j)))
                    ++j;
                if (j >= length || !isAsciiDigit(text.at(j)))
                    break;
                anyDigit = true;
                if (!exponentDigits.empty() || text.at(j) != u'0')
                    exponentDigits.push_back(static_cast<char>(text.at(j).unicode()));
            }
            if (anyDigit) {
                // Only the size of a huge exponent matters: it overflows or underflows either way.
                if (exponentDigits.size() > 9)
                    exponentDigits = "999999999";
                digits += 'e';
                digits += sign;
                digits += exponentDigits.empty() ? std::string("0") : exponentDigits;
            }
        }
    }
    return decimalValue(digits, negative);
}

std::optional<double> readDisplayNumber(const QString& text)
{
    // Only the blanks that lenient reading skips may surround the number, so that both readings agree
    // on every text without grouping; a no-break space is no more a blank here than there.
    QStringView trimmed(text);
    while (!trimmed.isEmpty() && isSkippedBlank(trimmed.front()))
        trimmed = trimmed.sliced(1);
    while (!trimmed.isEmpty() && isSkippedBlank(trimmed.back()))
        trimmed.chop(1);
    const qsizetype length = trimmed.size();
    qsizetype i = 0;
    const bool negative = takeSign(trimmed, i);
    std::string digits;
    bool seenDigit = false;
    // Integer part: digits, with grouping commas only between digits.
    while (i < length) {
        const QChar c = trimmed.at(i);
        if (isAsciiDigit(c)) {
            digits.push_back(static_cast<char>(c.unicode()));
            seenDigit = true;
        } else if (c == u',' && seenDigit && i + 1 < length && isAsciiDigit(trimmed.at(i + 1))) {
            // a grouping comma
        } else {
            break;
        }
        ++i;
    }
    if (i < length && trimmed.at(i) == u'.') {
        digits.push_back('.');
        ++i;
        seenDigit = takeDigits(trimmed, i, digits) || seenDigit;
    }
    if (!seenDigit)
        return std::nullopt;
    if (i < length && (trimmed.at(i).toUpper() == u'E' || trimmed.at(i).toUpper() == u'D')) {
        digits.push_back('e');
        ++i;
        if (i < length && (trimmed.at(i) == u'+' || trimmed.at(i) == u'-')) {
            digits.push_back(static_cast<char>(trimmed.at(i).unicode()));
            ++i;
        }
        if (!takeDigits(trimmed, i, digits))
            return std::nullopt;
    }
    if (i != length)
        return std::nullopt;
    const double value = decimalValue(digits, negative);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

QString plainText(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return QStringLiteral("0");
    return plainFromDecimal(decimalDigits(value, 15), value < 0, 15);
}

QString plainTextSingle(float value)
{
    if (value == 0.0f || !std::isfinite(value))
        return QStringLiteral("0");
    return plainFromDecimal(decimalDigits(value, 7), value < 0, 7);
}

QString formatDisplay(double value, DisplayFormat format)
{
    const int maxDecimals = format == DisplayFormat::TwoDecimals ? 2 : 4;
    constexpr int minDecimals = 2;

    // Work on the 15-digit decimal form, so that 2.675 (stored as 2.67499999...) rounds as written.
    std::string integerPart(1, '0');
    std::string fraction;
    if (value != 0.0 && std::isfinite(value)) {
        const Decimal decimal = decimalDigits(value, 15);
        const int integerDigits = decimal.exponent + 1;
        if (integerDigits <= 0) {
            fraction.assign(static_cast<std::size_t>(-integerDigits), '0');
            fraction += decimal.digits;
        } else if (integerDigits >= static_cast<int>(decimal.digits.size())) {
            integerPart = decimal.digits;
            integerPart.append(static_cast<std::size_t>(integerDigits) - decimal.digits.size(), '0');
        } else {
            integerPart = decimal.digits.substr(0, static_cast<std::size_t>(integerDigits));
            fraction = decimal.digits.substr(static_cast<std::size_t>(integerDigits));
        }
    }

    // Round half away from zero to maxDecimals.
    const bool roundUp = fraction.size() > static_cast<std::size_t>(maxDecimals)
        && fraction[static_cast<std::size_t>(maxDecimals)] >= '5';
    fraction.resize(static_cast<std::size_t>(maxDecimals), '0');
    std::string all = integerPart;
    all += fraction;
    if (roundUp) {
        std::size_t k = all.size();
        while (k > 0) {
            --k;
            if (all[k] == '9') {
                all[k] = '0';
            } else {
                ++all[k];
                break;
            }
            if (k == 0)
                all.insert(all.begin(), '1');
        }
    }
    integerPart = all.substr(0, all.size() - static_cast<std::size_t>(maxDecimals));
    fraction = all.substr(all.size() - static_cast<std::size_t>(maxDecimals));
    const std::size_t firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == std::string::npos ? std::string(1, '0') : integerPart.substr(firstNonZero);
    while (fraction.size() > static_cast<std::size_t>(minDecimals) && fraction.back() == '0')
        fraction.pop_back();

    const bool isZero = integerPart == "0" && fraction.find_first_not_of('0') == std::string::npos;
    std::string text = value < 0 && !isZero ? "-" : "";
    const std::size_t groups = integerPart.size();
    for (std::size_t k = 0; k < groups; ++k) {
        if (k > 0 && (groups - k) % 3 == 0)
            text += ',';
        text += integerPart[k];
    }
    text += '.';
    text += fraction;
    return QString::fromLatin1(text);
}

QString formatField(const QString& text, DisplayFormat format)
{
    const std::optional<double> value = readDisplayNumber(text);
    return value ? formatDisplay(*value, format) : text;
}

} // namespace convert
