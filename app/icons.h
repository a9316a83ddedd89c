#pragma once

#include <QIcon>

namespace gui {
struct Topic;
}

namespace app::icons {

// The program's pictures, drawn from vector images at the size and pixel density asked for.
QIcon program();
// The decorative picture of the main window's panel, 179 x 318.
QIcon panel();
QIcon exit();
// A topic's toolbar picture.
QIcon topic(const gui::Topic& topic);

} // namespace app::icons
