// The design floor of the paper sizes dialog (frmPaper): its controls as the dialog shows them when it
// opens at the default font, written from the program's window by tallyo97_describe_windows --floor.
#include "bench/floors/dialog_floors.h"
#include "bench/floors/floor_form.h"

namespace floors {

namespace {

using enum Kind;

// clang-format off
constexpr Control controls[] = {
    {Button, -1, 354, 288, 65, 25, u"&Help"},
    {Button, -1, 426, 288, 65, 25, u"&Done"},
    {Frame, -1, 8, 8, 483, 273, nullptr},
    {Label, 2, 16, 32, 71, 14, u"Size Name", Bold | Blue},
    {Label, 2, 130, 32, 46, 14, u"Height", Bold | Blue},
    {Label, 2, 193, 32, 41, 14, u"Width", Bold | Blue},
    {List, 2, 16, 48, 107, 212, u"A0|A1|A2|A3|A4|A5|B4|B5|C|C5|Com-10|D|Demy|DL|Double Crown|E|Executive|Folio|Large Post|Legal|Letter|Medium|Monarch|Quatro|Royal|Statement|Tabloid", Focus},
    {Label, 2, 130, 48, 48, 17, nullptr, Centred | WhiteBox},
    {Label, 2, 178, 48, 15, 17, u"x", Centred},
    {Label, 2, 193, 48, 48, 17, nullptr, Centred | WhiteBox},
    {Label, 2, 248, 48, 39, 17, u"Inches"},
    {Label, 2, 130, 72, 48, 17, nullptr, Centred | WhiteBox},
    {Label, 2, 178, 72, 15, 17, u"x", Centred},
    {Label, 2, 193, 72, 48, 17, nullptr, Centred | WhiteBox},
    {Label, 2, 248, 72, 66, 17, u"Millimeters"},
    {Shape, 2, 322, 48, 0, 0, nullptr},
};
// clang-format on

} // namespace

std::unique_ptr<QDialog> paperFloor(QWidget* parent)
{
    return makeForm({u"Paper Sizes", 500, 320, controls}, parent);
}

} // namespace floors
