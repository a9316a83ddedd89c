// The design floor of the linear measure dialog (frmLinear): its controls as the dialog shows them when it
// opens at the default font, written from the program's window by tallyo97_describe_windows --floor.
#include "bench/floors/dialog_floors.h"
#include "bench/floors/floor_form.h"

namespace floors {

namespace {

using enum Kind;

// clang-format off
constexpr Control controls[] = {
    {Button, -1, 258, 155, 80, 22, u"&Help"},
    {Button, -1, 344, 155, 80, 22, u"&Done"},
    {Frame, -1, 11, 11, 413, 138, nullptr},
    {Field, 2, 10, 26, 100, 22, nullptr, Focus},
    {Label, 2, 10, 10, 100, 14, u"Centimeter", CentredAbove | Blue},
    {Label, 2, 114, 30, 19, 14, u"cm"},
    {Field, 2, 10, 66, 100, 22, nullptr},
    {Label, 2, 10, 50, 100, 14, u"Meter", CentredAbove | Blue},
    {Label, 2, 114, 70, 12, 14, u"m"},
    {Field, 2, 10, 106, 100, 22, nullptr},
    {Label, 2, 10, 90, 100, 14, u"Kilometer", CentredAbove | Blue},
    {Label, 2, 114, 110, 19, 14, u"km"},
    {Field, 2, 141, 26, 100, 22, nullptr},
    {Label, 2, 141, 10, 100, 14, u"Inch", CentredAbove | Blue},
    {Label, 2, 245, 30, 15, 14, u"in."},
    {Field, 2, 141, 66, 100, 22, nullptr},
    {Label, 2, 141, 50, 100, 14, u"Feet", CentredAbove | Blue},
    {Label, 2, 245, 70, 13, 14, u"ft."},
    {Field, 2, 141, 106, 100, 22, nullptr},
    {Label, 2, 141, 90, 100, 14, u"Yard", CentredAbove | Blue},
    {Label, 2, 245, 110, 19, 14, u"yd."},
    {Field, 2, 272, 26, 100, 22, nullptr},
    {Label, 2, 272, 10, 100, 14, u"Mile", CentredAbove | Blue},
    {Label, 2, 376, 30, 19, 14, u"mi."},
    {Field, 2, 272, 66, 100, 22, nullptr},
    {Label, 2, 272, 50, 100, 14, u"Nautical Mile", CentredAbove | Blue},
};
// clang-format on

} // namespace

std::unique_ptr<QDialog> linearFloor(QWidget* parent)
{
    return makeForm({u"Linear Measure", 435, 188, controls}, parent);
}

} // namespace floors
