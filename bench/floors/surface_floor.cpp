// The design floor of the surface measure dialog (frmSurface): its controls as the dialog shows them when it
// opens at the default font, written from the program's window by tallyo97_describe_windows --floor.
#include "bench/floors/dialog_floors.h"
#include "bench/floors/floor_form.h"

namespace floors {

namespace {

using enum Kind;

// clang-format off
constexpr Control controls[] = {
    {Button, -1, 304, 155, 80, 22, u"&Help"},
    {Button, -1, 390, 155, 80, 22, u"&Done"},
    {Frame, -1, 11, 11, 459, 138, nullptr},
    {Field, 2, 12, 26, 100, 22, nullptr, Focus},
    {Label, 2, 10, 10, 104, 14, u"Square Meter", CentredAbove | Blue},
    {Label, 2, 116, 30, 20, 14, u"m2"},
    {Field, 2, 12, 66, 100, 22, nullptr},
    {Label, 2, 10, 50, 104, 14, u"Are", CentredAbove | Blue},
    {Label, 2, 116, 70, 8, 14, u"a"},
    {Field, 2, 12, 106, 100, 22, nullptr},
    {Label, 2, 10, 90, 104, 14, u"Square Kilometer", CentredAbove | Blue},
    {Label, 2, 116, 110, 27, 14, u"km2"},
    {Field, 2, 151, 26, 100, 22, nullptr},
    {Label, 2, 151, 10, 100, 14, u"Hectare", CentredAbove | Blue},
    {Label, 2, 255, 30, 15, 14, u"ha"},
    {Field, 2, 151, 66, 100, 22, nullptr},
    {Label, 2, 151, 50, 100, 14, u"Square Feet", CentredAbove | Blue},
    {Label, 2, 255, 70, 31, 14, u"sq.ft."},
    {Field, 2, 151, 106, 100, 22, nullptr},
    {Label, 2, 151, 90, 100, 14, u"Square Yard", CentredAbove | Blue},
    {Label, 2, 255, 110, 37, 14, u"sq.yd."},
    {Field, 2, 300, 26, 100, 22, nullptr},
    {Label, 2, 300, 10, 100, 14, u"Acre", CentredAbove | Blue},
    {Field, 2, 300, 66, 100, 22, nullptr},
    {Label, 2, 300, 50, 100, 14, u"Square Mile", CentredAbove | Blue},
    {Label, 2, 404, 70, 37, 14, u"sq.mi."},
    {Field, 2, 300, 106, 100, 22, nullptr},
    {Label, 2, 300, 90, 100, 14, u"Claim", CentredAbove | Blue},
    {Label, 2, 404, 110, 14, 14, u"cl."},
};
// clang-format on

} // namespace

std::unique_ptr<QDialog> surfaceFloor(QWidget* parent)
{
    return makeForm({u"Surface Measure", 481, 188, controls}, parent);
}

} // namespace floors
