// The design floor of the volume and liquid measure dialog (frmVolume) with its box calculator: its controls
// as the dialog shows them when it opens at the default font, written from the program's window by
// tallyo97_describe_windows --floor.
#include "bench/floors/dialog_floors.h"
#include "bench/floors/floor_form.h"

namespace floors {

namespace {

using enum Kind;

// clang-format off
constexpr Control controls[] = {
    {Button, -1, 630, 394, 80, 22, u"&Help"},
    {Button, -1, 716, 394, 80, 22, u"&Done"},
    {Frame, -1, 11, 11, 785, 314, nullptr},
    {Field, 2, 13, 42, 100, 22, nullptr, Focus},
    {Label, 2, 10, 26, 106, 14, u"Cubic Centimeter", CentredAbove | Blue},
    {Label, 2, 117, 46, 26, 14, u"cm3"},
    {Field, 2, 13, 82, 100, 22, nullptr},
    {Label, 2, 10, 66, 106, 14, u"Milliliter", CentredAbove | Blue},
    {Label, 2, 117, 86, 16, 14, u"ml"},
    {Field, 2, 13, 122, 100, 22, nullptr},
    {Label, 2, 10, 106, 106, 14, u"Cubic Decimeter", CentredAbove | Blue},
    {Label, 2, 117, 126, 27, 14, u"dm3"},
    {Field, 2, 13, 162, 100, 22, nullptr},
    {Label, 2, 10, 146, 106, 14, u"Liter", CentredAbove | Blue},
    {Label, 2, 117, 166, 4, 14, u"l"},
    {Field, 2, 13, 202, 100, 22, nullptr},
    {Label, 2, 10, 186, 106, 14, u"Hectoliter", CentredAbove | Blue},
    {Label, 2, 117, 206, 11, 14, u"hl"},
    {Field, 2, 13, 242, 100, 22, nullptr},
    {Label, 2, 10, 226, 106, 14, u"Cubic Meter", CentredAbove | Blue},
    {Label, 2, 117, 246, 20, 14, u"m3"},
    {Field, 2, 152, 42, 100, 22, nullptr},
    {Label, 2, 152, 26, 100, 14, u"Cubic Inch", CentredAbove | Blue},
    {Label, 2, 256, 46, 33, 14, u"cu.in."},
    {Field, 2, 152, 82, 100, 22, nullptr},
    {Label, 2, 152, 66, 100, 14, u"Cubic Feet", CentredAbove | Blue},
    {Label, 2, 256, 86, 31, 14, u"cu.ft."},
    {Field, 2, 152, 122, 100, 22, nullptr},
    {Label, 2, 152, 106, 100, 14, u"Cubic Yard", CentredAbove | Blue},
    {Label, 2, 256, 126, 37, 14, u"cu.yd."},
    {Field, 2, 152, 162, 100, 22, nullptr},
    {Label, 2, 152, 146, 100, 14, u"Register Ton", CentredAbove | Blue},
    {Label, 2, 256, 166, 14, 14, u"rt."},
    {Field, 2, 301, 42, 100, 22, nullptr},
    {Label, 2, 301, 26, 100, 14, u"Fluid Ounces", CentredAbove | Blue},
    {Label, 2, 405, 46, 52, 14, u"imp.floz."},
    {Field, 2, 301, 82, 100, 22, nullptr},
    {Label, 2, 301, 66, 100, 14, u"Imperial Gill", CentredAbove | Blue},
    {Label, 2, 405, 86, 42, 14, u"imp.gi."},
    {Field, 2, 301, 122, 100, 22, nullptr},
    {Label, 2, 301, 106, 100, 14, u"Imperial Pint", CentredAbove | Blue},
    {Label, 2, 405, 126, 43, 14, u"imp.pt."},
    {Field, 2, 301, 162, 100, 22, nullptr},
    {Label, 2, 301, 146, 100, 14, u"Imperial Quart", CentredAbove | Blue},
    {Label, 2, 405, 166, 43, 14, u"imp.qt."},
    {Field, 2, 301, 202, 100, 22, nullptr},
    {Label, 2, 301, 186, 100, 14, u"Imperial Gallon", CentredAbove | Blue},
    {Label, 2, 405, 206, 49, 14, u"imp.gal."},
    {Field, 2, 301, 242, 100, 22, nullptr},
    {Label, 2, 301, 226, 100, 14, u"Imperial Peck", CentredAbove | Blue},
    {Label, 2, 405, 246, 45, 14, u"imp.pk."},
    {Field, 2, 301, 282, 100, 22, nullptr},
    {Label, 2, 301, 266, 100, 14, u"Imperial Bushel", CentredAbove | Blue},
    {Label, 2, 405, 286, 52, 14, u"imp.bsh."},
    {Field, 2, 465, 42, 100, 22, nullptr},
    {Label, 2, 465, 26, 100, 14, u"Fluid Ounces", CentredAbove | Blue},
    {Label, 2, 569, 46, 43, 14, u"us.floz."},
    {Field, 2, 465, 82, 100, 22, nullptr},
    {Label, 2, 465, 66, 100, 14, u"US. Gill", CentredAbove | Blue},
    {Label, 2, 569, 86, 33, 14, u"us.gi."},
    {Field, 2, 465, 122, 100, 22, nullptr},
    {Label, 2, 465, 106, 100, 14, u"US. Pint", CentredAbove | Blue},
    {Label, 2, 569, 126, 34, 14, u"us.pt."},
    {Field, 2, 465, 162, 100, 22, nullptr},
    {Label, 2, 465, 146, 100, 14, u"US. Quart", CentredAbove | Blue},
    {Label, 2, 569, 166, 34, 14, u"us.qt."},
    {Field, 2, 465, 202, 100, 22, nullptr},
    {Label, 2, 465, 186, 100, 14, u"US. Gallon", CentredAbove | Blue},
    {Label, 2, 569, 206, 40, 14, u"us.gal."},
    {Field, 2, 620, 122, 100, 22, nullptr},
    {Label, 2, 620, 106, 100, 14, u"US. Pint", CentredAbove | Blue},
    {Label, 2, 724, 126, 34, 14, u"us.pt."},
    {Field, 2, 620, 162, 100, 22, nullptr},
    {Label, 2, 620, 146, 100, 14, u"US. Quart", CentredAbove | Blue},
    {Label, 2, 724, 166, 34, 14, u"us.qt."},
    {Field, 2, 620, 242, 100, 22, nullptr},
    {Label, 2, 620, 226, 100, 14, u"US. Peck", CentredAbove | Blue},
    {Label, 2, 724, 246, 37, 14, u"us.pk."},
    {Field, 2, 620, 282, 100, 22, nullptr},
    {Label, 2, 620, 266, 100, 14, u"US. Bushel", CentredAbove | Blue},
    {Label, 2, 724, 286, 43, 14, u"us.bsh."},
    {Label, 2, 10, 10, 142, 14, u"Metric", Bold | Centred | Red},
    {Label, 2, 152, 10, 149, 14, u"British/US", Bold | Centred | Red},
    {Label, 2, 301, 10, 164, 14, u"British Imperial", Bold | Centred | Red},
    {Label, 2, 465, 10, 155, 14, u"US Custom (liquid)", Bold | Centred | Red},
    {Label, 2, 620, 10, 155, 14, u"US Custom (dry)", Bold | Centred | Red},
    {Group, -1, 11, 331, 353, 85, u"Specify a box"},
    {Field, 86, 12, 51, 49, 22, nullptr},
    {Label, 86, 12, 29, 49, 20, u"Length", CentredAbove},
    {Label, 86, 65, 51, 9, 22, u"X", Centred},
    {Field, 86, 78, 51, 49, 22, nullptr},
    {Label, 86, 78, 29, 49, 20, u"Height", CentredAbove},
    {Label, 86, 131, 51, 9, 22, u"X", Centred},
    {Field, 86, 144, 51, 49, 22, nullptr},
    {Label, 86, 144, 29, 49, 20, u"Width", CentredAbove},
    {Radio, 86, 197, 29, 60, 20, u"Meter", Checked},
    {Radio, 86, 197, 52, 60, 20, u"Feet"},
    {Button, 86, 261, 40, 80, 22, u"Compute"},
};
// clang-format on

} // namespace

std::unique_ptr<QDialog> volumeFloor(QWidget* parent)
{
    return makeForm({u"Volume and Liquid Measure", 807, 427, controls}, parent);
}

} // namespace floors
