#include "app/twips.h"

#include <QWidget>

#include <cmath>

namespace app {

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

QRect twipsRect(const QWidget* widget, double left, double top, double width, double height)
{
    return QRect(twipsToPixelsX(widget, left), twipsToPixelsY(widget, top), twipsToPixelsX(widget, width),
        twipsToPixelsY(widget, height));
}

} // namespace app
