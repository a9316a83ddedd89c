#pragma once

#include <QIcon>

namespace app::icons {

// The program's pictures are vector images rendered at the size and pixel density asked for, so they
// stay sharp on high-density screens.
QIcon program();
QIcon help();
// The decorative picture of the main window's panel, 179 x 318.
QIcon panel();

// The toolbar's image list, numbered from 1 as the toolbar refers to it:
// 1 linear, 2 weight, 3 surface, 4 volume, 5 miscellaneous, 6 paper, 7 number, 8 exit, 9 clothing.
QIcon image(int index);

} // namespace app::icons
