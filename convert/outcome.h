#pragma once

#include <QString>

#include <optional>

// What a conversion gives back to the dialog that asked for it: the texts to show and, where the input
// was refused or is questionable, what to tell the user. Every message the program shows, with its title,
// is written in one place (outcome.cpp).
namespace convert {

// Every reason for a message about an input.
enum class Problem {
    ResultOutOfRange, // a measure's value leaves the range of the number type that holds it
    BoxEdgeMissing, // an edge of the volume dialog's box is empty
    BinaryTooLong,
    OctalTooLong,
    DecimalTooLong,
    HexadecimalTooLong,
    RomanTooLong,
    DecimalOutOfRange, // a whole number outside the signed 32-bit range
    InvalidRomanNumeral,
    HexadecimalAddressInvalid,
    KanonicalAddressInvalid,
};

// A message box's fixed text and title.
struct Message
{
    QString text;
    QString title;

    friend bool operator==(const Message&, const Message&) = default;
};

Message messageFor(Problem problem);

// The result of a conversion:
// - refused: a problem and no value; no field changes;
// - questioned: a problem and a value; the problem is told, then the value is shown (an invalid roman
//   numeral converts as 0);
// - converted: a value and no problem.
// Neither (an empty outcome) leaves everything as it is and tells nothing.
template <typename T> struct Outcome
{
    std::optional<T> value;
    std::optional<Problem> problem;

    static Outcome converted(T value) { return Outcome{std::move(value), std::nullopt}; }
    static Outcome refused(Problem problem) { return Outcome{std::nullopt, problem}; }
    bool isRefused() const { return !value && problem; }
};

} // namespace convert
