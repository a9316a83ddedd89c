// The design floor of the clothing sizes dialog (frmCloth): its controls as the dialog shows them when it
// opens at the default font, written from the program's window by tallyo97_describe_windows --floor.
#include "bench/floors/dialog_floors.h"
#include "bench/floors/floor_form.h"

namespace floors {

namespace {

using enum Kind;

// clang-format off
constexpr Control controls[] = {
    {Button, -1, 305, 248, 65, 25, u"&Help"},
    {Button, -1, 377, 248, 65, 25, u"&Done"},
    {Group, -1, 8, 8, 226, 65, u"Men's Suits and Overcoats", Bold},
    {Label, 2, 16, 20, 58, 14, u"American", Plain | Blue},
    {DropDown, 2, 16, 34, 57, 22, u"36|38|40|42|44|46", Plain | Focus},
    {Label, 2, 88, 20, 58, 14, u"British", Plain | Blue},
    {DropDown, 2, 88, 34, 57, 22, u"36|38|40|42|44|46", Plain},
    {Label, 2, 160, 20, 58, 14, u"European", Plain | Blue},
    {DropDown, 2, 160, 34, 57, 22, u"46|48|51|54|56|59", Plain},
    {Group, -1, 241, 8, 226, 65, u"Women's Suits and Dresses", Bold},
    {Label, 9, 16, 20, 58, 14, u"American", Plain | Blue},
    {DropDown, 9, 16, 34, 57, 22, u"8|10|12|14|16|18", Plain},
    {Label, 9, 88, 20, 58, 14, u"British", Plain | Blue},
    {DropDown, 9, 88, 34, 57, 22, u"10|12|14|16|18|20", Plain},
    {Label, 9, 160, 20, 58, 14, u"European", Plain | Blue},
    {DropDown, 9, 160, 34, 57, 22, u"38|40|42|44|46|48", Plain},
    {Group, -1, 8, 80, 226, 65, u"Men's Shirts", Bold},
    {Label, 16, 16, 20, 58, 14, u"American", Plain | Blue},
    {DropDown, 16, 16, 34, 57, 22, u"14|14\u00BD|15|15\u00BD|16|16\u00BD|17|17\u00BD", Plain},
    {Label, 16, 88, 20, 58, 14, u"British", Plain | Blue},
    {DropDown, 16, 88, 34, 57, 22, u"14|14\u00BD|15|15\u00BD|16|16\u00BD|17|17\u00BD", Plain},
    {Label, 16, 160, 20, 58, 14, u"European", Plain | Blue},
    {DropDown, 16, 160, 34, 57, 22, u"36|37|38|39|40|41|42|43", Plain},
    {Group, -1, 241, 80, 226, 65, u"Women's Blouses and Sweaters", Bold},
    {Label, 23, 16, 20, 58, 14, u"American", Plain | Blue},
    {DropDown, 23, 16, 34, 57, 22, u"34|36|38|40|42|44", Plain},
    {Label, 23, 88, 20, 58, 14, u"British", Plain | Blue},
    {DropDown, 23, 88, 34, 57, 22, u"36|38|40|42|44|46", Plain},
    {Label, 23, 160, 20, 58, 14, u"European", Plain | Blue},
    {DropDown, 23, 160, 34, 57, 22, u"42|44|46|48|50|52", Plain},
    {Group, -1, 8, 152, 226, 65, u"Men's Shoes", Bold},
    {Label, 30, 16, 20, 58, 14, u"American", Plain | Blue},
    {DropDown, 30, 16, 34, 57, 22, u"7\u00BD|8|8\u00BD|9\u00BD|10\u00BD|11\u00BD", Plain},
    {Label, 30, 88, 20, 58, 14, u"British", Plain | Blue},
    {DropDown, 30, 88, 34, 57, 22, u"7|7\u00BD|8|9|10|11", Plain},
    {Label, 30, 160, 20, 58, 14, u"European", Plain | Blue},
    {DropDown, 30, 160, 34, 57, 22, u"40\u00BD|41|42|43|44\u00BD|46", Plain},
    {Group, -1, 241, 152, 226, 65, u"Women's Shoes", Bold},
    {Label, 37, 16, 20, 58, 14, u"American", Plain | Blue},
    {DropDown, 37, 16, 34, 57, 22, u"6|6\u00BD|7|7\u00BD|8|8\u00BD", Plain},
    {Label, 37, 88, 20, 58, 14, u"British", Plain | Blue},
    {DropDown, 37, 88, 34, 57, 22, u"4\u00BD|5|5\u00BD|6|6\u00BD|7", Plain},
    {Label, 37, 160, 20, 58, 14, u"European", Plain | Blue},
    {DropDown, 37, 160, 34, 57, 22, u"37\u00BD|38|39|39\u00BD|40|40\u00BD", Plain},
    {Group, -1, 8, 224, 226, 65, u"Children's Clothes", Bold},
    {Label, 44, 16, 20, 58, 14, u"American", Plain | Blue},
    {DropDown, 44, 16, 34, 57, 22, u"4|6|8|10|12|14", Plain},
    {Label, 44, 88, 20, 58, 14, u"British", Plain | Blue},
    {DropDown, 44, 88, 34, 57, 22, u"43|48|55|58|60|62", Plain},
    {Label, 44, 160, 20, 58, 14, u"European", Plain | Blue},
    {DropDown, 44, 160, 34, 57, 22, u"109|122|140|147|152|157", Plain},
};
// clang-format on

} // namespace

std::unique_ptr<QDialog> clothFloor(QWidget* parent)
{
    return makeForm({u"Clothing Size", 475, 298, controls}, parent);
}

} // namespace floors
