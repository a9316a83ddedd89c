#pragma once

#include <QIcon>

namespace gui {

// A vector picture from the program's resources, rendered at whatever size and pixel density a widget
// asks for, so that it stays sharp on high-density screens.
QIcon svgIcon(const QString& resourcePath);

} // namespace gui
