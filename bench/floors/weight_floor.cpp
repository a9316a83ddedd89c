// The design floor of the weight measure dialog (frmWeight): its controls as the dialog shows them when it
// opens at the default font, written from the program's window by tallyo97_describe_windows --floor.
#include "bench/floors/dialog_floors.h"
#include "bench/floors/floor_form.h"

namespace floors {

namespace {

using enum Kind;

// clang-format off
constexpr Control controls[] = {
    {Button, -1, 424, 275, 80, 22, u"&Help"},
    {Button, -1, 510, 275, 80, 22, u"&Done", Focus},
    {Frame, -1, 11, 11, 579, 258, nullptr},
    {Field, 2, 10, 34, 100, 22, nullptr},
    {Label, 2, 10, 10, 100, 22, u"Gram", CentredAbove | Blue},
    {Label, 2, 114, 38, 8, 14, u"g"},
    {Field, 2, 10, 82, 100, 22, nullptr},
    {Label, 2, 10, 58, 100, 22, u"Kilogram", CentredAbove | Blue},
    {Label, 2, 114, 86, 15, 14, u"kg"},
    {Field, 2, 10, 130, 100, 22, nullptr},
    {Label, 2, 10, 106, 100, 22, u"Quintal", CentredAbove | Blue},
    {Label, 2, 114, 134, 8, 14, u"q"},
    {Field, 2, 10, 178, 100, 22, nullptr},
    {Label, 2, 10, 154, 100, 22, u"Ton", CentredAbove | Blue},
    {Label, 2, 114, 182, 5, 14, u"t"},
    {Field, 2, 137, 34, 100, 22, nullptr},
    {Label, 2, 137, 10, 100, 22, u"Grain", CentredAbove | Blue},
    {Label, 2, 241, 38, 13, 14, u"gr"},
    {Field, 2, 137, 82, 100, 22, nullptr},
    {Label, 2, 137, 58, 100, 22, u"Pennyweight", CentredAbove | Blue},
    {Label, 2, 241, 86, 23, 14, u"dwt"},
    {Field, 2, 137, 130, 100, 22, nullptr},
    {Label, 2, 137, 106, 100, 22, u"Avdp. Ounce", CentredAbove | Blue},
    {Label, 2, 241, 134, 14, 14, u"oz"},
    {Field, 2, 137, 178, 100, 22, nullptr},
    {Label, 2, 137, 154, 100, 22, u"Troy Ounce", CentredAbove | Blue},
    {Label, 2, 241, 182, 26, 14, u"tr.oz"},
    {Field, 2, 275, 34, 100, 22, nullptr},
    {Label, 2, 275, 10, 100, 22, u"Troy Pound", CentredAbove | Blue},
    {Label, 2, 379, 38, 24, 14, u"tr.lb"},
    {Field, 2, 275, 82, 100, 22, nullptr},
    {Label, 2, 275, 58, 100, 22, u"Avdp. Pound", CentredAbove | Blue},
    {Label, 2, 379, 86, 11, 14, u"lb"},
    {Field, 2, 275, 130, 100, 22, nullptr},
    {Label, 2, 275, 106, 100, 22, u"Stone", CentredAbove | Blue},
    {Label, 2, 379, 134, 11, 14, u"st"},
    {Field, 2, 275, 178, 100, 22, nullptr},
    {Label, 2, 275, 154, 100, 22, u"US. Quarter", CentredAbove | Blue},
    {Label, 2, 379, 182, 31, 14, u"us.qr"},
    {Field, 2, 275, 226, 100, 22, nullptr},
    {Label, 2, 275, 202, 100, 22, u"British Quarter", CentredAbove | Blue},
    {Label, 2, 379, 230, 13, 14, u"qr"},
    {Field, 2, 418, 34, 100, 22, nullptr},
    {Label, 2, 418, 10, 100, 22, u"Cental", CentredAbove | Blue},
    {Label, 2, 522, 38, 39, 14, u"us.cwt"},
    {Field, 2, 418, 82, 100, 22, nullptr},
    {Label, 2, 418, 58, 100, 22, u"Quintal", CentredAbove | Blue},
    {Label, 2, 522, 86, 22, 14, u"cwt"},
    {Field, 2, 418, 130, 100, 22, nullptr},
    {Label, 2, 418, 106, 100, 22, u"Short Ton", CentredAbove | Blue},
    {Label, 2, 522, 134, 30, 14, u"sh.tn"},
    {Field, 2, 418, 178, 100, 22, nullptr},
    {Label, 2, 418, 154, 100, 22, u"Long Ton", CentredAbove | Blue},
    {Label, 2, 522, 182, 20, 14, u"l.tn"},
};
// clang-format on

} // namespace

std::unique_ptr<QDialog> weightFloor(QWidget* parent)
{
    return makeForm({u"Weight Measure", 601, 308, controls}, parent);
}

} // namespace floors
