#include "numbers/roman.h"

#include "numbers/number_systems.h"

namespace numbers {

namespace {

enum class Repeat {
    Once, // a subtractive pair or a five: at most once
    AsOften, // C, X and I: as often as it fits
    Thousands, // M up to 20 times, the count form from 21 thousands on
};

struct WrittenSymbol
{
    std::int32_t value;
    const char16_t* text;
    Repeat repeat;
};

constexpr WrittenSymbol writingTable[] = {
    {1000, u"M", Repeat::Thousands},
    {900, u"CM", Repeat::Once},
    {500, u"D", Repeat::Once},
    {400, u"CD", Repeat::Once},
    {100, u"C", Repeat::AsOften},
    {90, u"XC", Repeat::Once},
    {50, u"L", Repeat::Once},
    {40, u"XL", Repeat::Once},
    {10, u"X", Repeat::AsOften},
    {9, u"IX", Repeat::Once},
    {5, u"V", Repeat::Once},
    {4, u"IV", Repeat::Once},
    {1, u"I", Repeat::AsOften},
};

// Beyond this many thousands a row of M's would be unreadable.
constexpr std::int32_t mostThousandsAsSymbols = 20;

struct ReadSymbol
{
    char16_t symbol;
    std::int64_t value;
};

constexpr ReadSymbol symbolTable[] = {
    {u'M', 1000},
    {u'D', 500},
    {u'C', 100},
    {u'L', 50},
    {u'X', 10},
    {u'V', 5},
    {u'I', 1},
};

struct SubtractivePair
{
    char16_t first;
    char16_t second;
    std::int64_t value;
};

constexpr SubtractivePair pairTable[] = {
    {u'C', u'M', 900},
    {u'C', u'D', 400},
    {u'X', u'C', 90},
    {u'X', u'L', 40},
    {u'I', u'X', 9},
    {u'I', u'V', 4},
};

const ReadSymbol* findSymbol(char16_t c)
{
    for (const ReadSymbol& entry : symbolTable) {
        if (entry.symbol == c)
            return &entry;
    }
    return nullptr;
}

const SubtractivePair* findPair(char16_t first, char16_t second)
{
    for (const SubtractivePair& entry : pairTable) {
        if (entry.first == first && entry.second == second)
            return &entry;
    }
    return nullptr;
}

} // namespace

QString romanNumeral(std::int32_t value)
{
    QString numeral;
    // Division truncates toward zero and the remainder keeps the sign of the value, so a negative value
    // never gives a positive quotient and writes nothing.
    for (const WrittenSymbol& row : writingTable) {
        const std::int32_t count = value / row.value;
        value %= row.value;
        if (count <= 0)
            continue;
        const QStringView text(row.text);
        switch (row.repeat) {
        case Repeat::Once:
            numeral += text;
            break;
        case Repeat::Thousands:
            if (count > mostThousandsAsSymbols) {
                numeral += QStringLiteral("( ") + QString::number(count) + QStringLiteral(" M's)");
                break;
            }
            [[fallthrough]];
        case Repeat::AsOften:
            for (std::int32_t i = 0; i < count; ++i)
                numeral += text;
            break;
        }
    }
    return numeral;
}

std::optional<QString> decToRoman(const QString& decimalText)
{
    const std::optional<std::int32_t> value = wholeNumber(decimalText);
    if (!value)
        return std::nullopt;
    return romanNumeral(*value);
}

std::optional<QString> romanToDec(const QString& numeral)
{
    // Every symbol adds at most 1000, so no text that fits in memory can overflow this sum.
    std::int64_t sum = 0;
    const qsizetype length = numeral.size();
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t x = numeral.at(i).unicode();
        const ReadSymbol* symbol = findSymbol(x);
        if (!symbol)
            return std::nullopt;
        const char16_t y = i + 1 < length ? numeral.at(i + 1).unicode() : u'\0';
        if (const SubtractivePair* pair = findPair(x, y)) {
            sum += pair->value;
            ++i;
        } else {
            sum += symbol->value;
        }
    }
    return QString::number(sum);
}

} // namespace numbers
