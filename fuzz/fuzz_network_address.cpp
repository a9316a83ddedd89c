// Network addresses: the kanonical form reverses the four bits of every digit, so converting twice gives
// the address back; anything but twelve hexadecimal digits at the start is refused.
#include "fuzz/support.h"
#include "numbers/network_address.h"
#include "numbers/number_conversion.h"

#include <algorithm>

namespace {

using namespace fuzz;
using namespace numbers;

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

int reversedBits(int nibble)
{
    return ((nibble & 1) << 3) | ((nibble & 2) << 1) | ((nibble & 4) >> 1) | ((nibble & 8) >> 3);
}

void checkAddress(const QString& text)
{
    const std::optional<QString> conversion = convertAddress(text);
    const QString head = text.left(addressDigits);
    if (text.size() < addressDigits) {
        require(!conversion, "fewer than 12 characters are refused", text);
        return;
    }
    const bool allDigits = std::all_of(head.cbegin(), head.cend(), [](QChar c) { return hexValue(c) >= 0; });
    if (!allDigits) {
        require(!conversion, "a character that is not a hexadecimal digit is refused", text);
        return;
    }
    require(conversion && conversion->size() == addressDigits, "twelve hexadecimal digits convert", text);
    for (qsizetype i = 0; i < addressDigits; ++i) {
        const QChar written = conversion->at(i);
        require(written == written.toUpper(), "digits are written in upper case", text);
        require(hexValue(written) == reversedBits(hexValue(head.at(i))), "every digit has its bits reversed",
            text);
    }
    require(convertAddress(*conversion) == head.toUpper(), "the kanonical form is its own inverse", text);
    require(convertAddress(head) == conversion, "what follows the twelfth character is ignored", text);
}

void checkReturn(AddressField field, const QString& text)
{
    const convert::Outcome<QString> outcome = returnInAddressField(field, text);
    const bool converts = convertAddress(text).has_value();
    require(outcome.value.has_value() == converts && outcome.problem.has_value() == !converts,
        "either the other field is written or a message explains why not", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Reader input{Bytes(data, size)};
    const std::uint8_t mode = input.byte();
    const QString text = mode & 2 ? utf16Text(input.rest) : utf8Text(input.rest);
    checkAddress(text);
    checkReturn(mode & 1 ? AddressField::Kanonical : AddressField::Hexadecimal, text);
    return 0;
}
