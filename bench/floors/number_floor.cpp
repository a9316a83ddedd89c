// The design floor of the number systems dialog (frmNumber): its controls as the dialog shows them when it
// opens at the default font, written from the program's window by tallyo97_describe_windows --floor.
#include "bench/floors/dialog_floors.h"
#include "bench/floors/floor_form.h"

namespace floors {

namespace {

using enum Kind;

// clang-format off
constexpr Control controls[] = {
    {Button, -1, 355, 40, 73, 25, u"&Help"},
    {Button, -1, 355, 8, 73, 25, u"&Done"},
    {Group, -1, 8, 4, 339, 209, nullptr},
    {Field, 2, 16, 26, 251, 21, nullptr},
    {Label, 2, 16, 12, 251, 14, u"Binary", Blue},
    {Label, 2, 274, 26, 49, 21, u"Base 2"},
    {Field, 2, 16, 64, 91, 21, nullptr},
    {Label, 2, 16, 50, 100, 14, u"Octal", Blue},
    {Label, 2, 114, 64, 49, 21, u"Base 8"},
    {Field, 2, 16, 102, 83, 21, nullptr, Focus},
    {Label, 2, 16, 88, 100, 14, u"Decimal", Blue},
    {Label, 2, 106, 102, 49, 21, u"Base 10"},
    {Field, 2, 16, 140, 81, 21, nullptr},
    {Label, 2, 16, 126, 100, 14, u"Hexadecimal", Blue},
    {Label, 2, 104, 140, 49, 21, u"Base 16"},
    {Field, 2, 16, 178, 225, 21, nullptr},
    {Label, 2, 16, 164, 225, 14, u"Roman", Blue},
    {Group, -1, 8, 217, 339, 65, u"Network Address"},
    {Field, 17, 16, 34, 118, 21, nullptr},
    {Label, 17, 16, 20, 118, 14, u"Hexadecimal", Blue},
    {Field, 17, 143, 34, 118, 21, nullptr},
    {Label, 17, 143, 20, 118, 14, u"Kanonical", Blue},
};
// clang-format on

} // namespace

std::unique_ptr<QDialog> numberFloor(QWidget* parent)
{
    return makeForm({u"Number Conversions", 436, 286, controls}, parent);
}

} // namespace floors
