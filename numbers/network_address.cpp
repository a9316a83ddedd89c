#include "numbers/network_address.h"

namespace numbers {

namespace {

struct DigitPartner
{
    char16_t digit;
    char16_t partner;
};

constexpr DigitPartner partnerTable[] = {
    {u'0', u'0'},
    {u'1', u'8'},
    {u'2', u'4'},
    {u'3', u'C'},
    {u'4', u'2'},
    {u'5', u'A'},
    {u'6', u'6'},
    {u'7', u'E'},
    {u'8', u'1'},
    {u'9', u'9'},
    {u'A', u'5'},
    {u'B', u'D'},
    {u'C', u'3'},
    {u'D', u'B'},
    {u'E', u'7'},
    {u'F', u'F'},
};

// Only the ASCII letters a to f count as lower-case digits; other characters have no partner.
char16_t partnerOf(char16_t c)
{
    if (c >= u'a' && c <= u'f')
        c = static_cast<char16_t>(c - u'a' + u'A');
    for (const DigitPartner& entry : partnerTable) {
        if (entry.digit == c)
            return entry.partner;
    }
    return u'\0';
}

} // namespace

std::optional<QString> convertAddress(const QString& text)
{
    if (text.size() < addressDigits)
        return std::nullopt;
    QString address;
    address.reserve(addressDigits);
    for (qsizetype i = 0; i < addressDigits; ++i) {
        const char16_t partner = partnerOf(text.at(i).unicode());
        if (partner == u'\0')
            return std::nullopt;
        address += QChar(partner);
    }
    return address;
}

} // namespace numbers
