// The design floor of the miscellaneous measures dialog (frmMisc): its controls as the dialog shows them when
// it opens at the default font, written from the program's window by tallyo97_describe_windows --floor.
#include "bench/floors/dialog_floors.h"
#include "bench/floors/floor_form.h"

namespace floors {

namespace {

using enum Kind;

// clang-format off
constexpr Control controls[] = {
    {Button, -1, 426, 189, 80, 22, u"Help"},
    {Button, -1, 426, 217, 80, 22, u"Done"},
    {Group, -1, 11, 11, 202, 135, u"Temperature", Bold},
    {Field, 2, 12, 29, 100, 22, nullptr, Plain | Focus},
    {Label, 2, 116, 29, 74, 22, u"\u00B0 Celsius", Plain | Blue},
    {Field, 2, 12, 53, 100, 22, nullptr, Plain},
    {Label, 2, 116, 53, 74, 22, u"\u00B0 Fahrenheit", Plain | Blue},
    {Field, 2, 12, 77, 100, 22, nullptr, Plain},
    {Label, 2, 116, 77, 74, 22, u"\u00B0 Kelvin", Plain | Blue},
    {Field, 2, 12, 101, 100, 22, nullptr, Plain},
    {Label, 2, 116, 101, 74, 22, u"\u00B0 Reaumur", Plain | Blue},
    {Group, -1, 219, 11, 201, 135, u"Energy", Bold},
    {Field, 11, 12, 29, 100, 22, nullptr, Plain},
    {Label, 11, 116, 29, 73, 22, u"Btu", Plain | Blue},
    {Field, 11, 12, 53, 100, 22, nullptr, Plain},
    {Label, 11, 116, 53, 73, 22, u"Megajoule", Plain | Blue},
    {Field, 11, 12, 77, 100, 22, nullptr, Plain},
    {Label, 11, 116, 77, 73, 22, u"KWh", Plain | Blue},
    {Field, 11, 12, 101, 100, 22, nullptr, Plain},
    {Label, 11, 116, 101, 73, 22, u"Therm", Plain | Blue},
    {Group, -1, 11, 152, 202, 87, u"Power", Bold},
    {Field, 20, 12, 29, 100, 22, nullptr, Plain},
    {Label, 20, 116, 29, 74, 22, u"Horsepower", Plain | Blue},
    {Field, 20, 12, 53, 100, 22, nullptr, Plain},
    {Label, 20, 116, 53, 74, 22, u"Kilowatt", Plain | Blue},
    {Group, -1, 219, 152, 201, 87, u"Fuel Consumption", Bold},
    {Field, 25, 12, 29, 100, 22, nullptr, Plain},
    {Label, 25, 116, 29, 73, 22, u"Miles/Gallon", Plain | Blue},
    {Field, 25, 12, 53, 100, 22, nullptr, Plain},
    {Label, 25, 116, 53, 73, 22, u"Liter/100km", Plain | Blue},
};
// clang-format on

} // namespace

std::unique_ptr<QDialog> miscFloor(QWidget* parent)
{
    return makeForm({u"Miscellaneous", 517, 250, controls}, parent);
}

} // namespace floors
