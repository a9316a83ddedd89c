#include "gui/twips.h"

#include <QWidget>

#include <cmath>

namespace gui {

namespace {
constexpr double twipsPerInch = 1440.0;
}

int twipsToPixelsX(const QWidget* widget, double twips)
{
    return static_cast<int>(std::lround(twips * widget->logicalDpiX() / twipsPerInch));
}

int twipsToPixelsY(const QWidget* widget, double twips)
{
    return static_cast<int>(std::lround(twips * widget->logicalDpiY() / twipsPerInch));
}

} // namespace gui
