// Roman numerals: every whole number is written in the usual subtractive form and reads back to itself,
// and reading accepts exactly the seven symbols.
#include "fuzz/support.h"
#include "numbers/roman.h"

#include <numeric>

#include <algorithm>

namespace {

using namespace fuzz;
using namespace numbers;

bool isSymbol(QChar c)
{
    return QStringView(u"MDCLXVI").contains(c);
}

bool onlySymbols(QStringView text)
{
    return std::all_of(text.cbegin(), text.cend(), isSymbol);
}

// True when the two symbols form one of the six subtractive pairs.
bool isPair(QChar first, QChar second)
{
    static const QStringView pairs[] = {u"CM", u"CD", u"XC", u"XL", u"IX", u"IV"};
    for (const QStringView pair : pairs) {
        if (pair.at(0) == first && pair.at(1) == second)
            return true;
    }
    return false;
}

void checkNumeral(std::int32_t value)
{
    const QString numeral = romanNumeral(value);
    const QString detail = QStringLiteral("%1 -> \"%2\"").arg(value).arg(numeral.left(200));
    if (value <= 0) {
        require(numeral.isEmpty(), "zero and negative numbers have no numeral", detail);
        return;
    }
    QStringView symbols = numeral;
    std::int64_t thousands = 0;
    if (value >= 21000) {
        const QString countForm = QStringLiteral("( %1 M's)").arg(value / 1000);
        require(numeral.startsWith(countForm), "from 21 thousands on the thousands are counted", detail);
        symbols = symbols.sliced(countForm.size());
        thousands = value / 1000 * 1000;
    }
    require(onlySymbols(symbols), "a numeral is made of the seven symbols", detail);
    const std::optional<QString> reading = romanToDec(symbols.toString());
    require(
        reading && reading->toLongLong() + thousands == value, "a numeral reads back to its value", detail);
    // The usual form never repeats a symbol more than three times, except M.
    for (const QStringView run : {u"CCCC", u"XXXX", u"IIII", u"DD", u"LL", u"VV"})
        require(!symbols.contains(run), "the usual subtractive form", detail);
}

void checkReading(const QString& text)
{
    const std::optional<QString> reading = romanToDec(text);
    require(
        reading.has_value() == onlySymbols(text), "exactly the seven upper-case symbols are accepted", text);
    if (!reading)
        return;
    const std::int64_t value = reading->toLongLong();
    require(QString::number(value) == *reading, "the value is written as plain decimal digits", text);
    require(
        value >= text.size() && value <= 1000 * text.size(), "every symbol adds between 1 and 1000", text);
    // Reading is additive wherever the two halves do not meet in a subtractive pair.
    for (qsizetype cut = 1; cut < text.size(); cut += 1 + text.size() / 8) {
        if (isPair(text.at(cut - 1), text.at(cut)))
            continue;
        const std::int64_t left = romanToDec(text.left(cut)).value_or(QString()).toLongLong();
        const std::int64_t right = romanToDec(text.mid(cut)).value_or(QString()).toLongLong();
        require(left + right == value, "reading adds up the parts of a numeral", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Reader input{Bytes(data, size)};
    const std::uint8_t mode = input.byte();
    if (mode % 2 == 0) {
        checkReading(utf8Text(input.rest));
    } else {
        const auto value = static_cast<std::int32_t>(input.int64());
        checkNumeral(value);
        const QString decimal = QString::number(value);
        require(decToRoman(decimal) == romanNumeral(value), "a decimal text gives the numeral of its value",
            decimal);
    }
    return 0;
}
