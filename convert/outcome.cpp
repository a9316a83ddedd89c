#include "convert/outcome.h"

namespace convert {

namespace {

constexpr char16_t restriction[] = u"Input restriction";
constexpr char16_t check[] = u"Input check";
constexpr char16_t validation[] = u"Input Validation";

struct Entry
{
    Problem problem;
    const char16_t* text;
    const char16_t* title;
};

constexpr Entry messages[] = {
    {Problem::ResultOutOfRange, u"Sorry, this value gives a result out of range.", restriction},
    {Problem::BoxEdgeMissing, u"Please enter Length, Height and Width of the box.", validation},
    {Problem::BinaryTooLong, u"Sorry, no binary values with more than 26 digits please.", restriction},
    {Problem::OctalTooLong, u"Sorry, no octal values with more than 10 digits please.", restriction},
    {Problem::DecimalTooLong, u"Sorry, no decimal values with more than 9 digits please.", restriction},
    {Problem::HexadecimalTooLong, u"Sorry, no hexadecimal values with more than 7 digits please.", restriction},
    {Problem::RomanTooLong, u"Sorry, no roman numbers with more than 20 digits please.", restriction},
    {Problem::DecimalOutOfRange, u"Sorry, no decimal values outside -2147483648 to 2147483647 please.",
        restriction},
    {Problem::InvalidRomanNumeral, u"Sorry, this is not a valid roman number.", check},
    {Problem::HexadecimalAddressInvalid, u"Please enter a 12 digit hexadecimal value.", validation},
    {Problem::KanonicalAddressInvalid, u"Please enter a 12 digit kanonical value.", validation},
};

} // namespace

Message messageFor(Problem problem)
{
    for (const Entry& entry : messages) {
        if (entry.problem == problem)
            return Message{QString::fromUtf16(entry.text), QString::fromUtf16(entry.title)};
    }
    Q_UNREACHABLE();
}

} // namespace convert
