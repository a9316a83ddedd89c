#include "gui/twips.h"

#include <QFont>
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

QRect twipsRect(const QWidget* widget, double left, double top, double width, double height)
{
    return QRect(twipsToPixelsX(widget, left), twipsToPixelsY(widget, top), twipsToPixelsX(widget, width),
        twipsToPixelsY(widget, height));
}

void setFormSize(QWidget* form, double width, double height, bool formFont)
{
    form->setFixedSize(twipsToPixelsX(form, width), twipsToPixelsY(form, height));
    if (formFont) {
        QFont font = form->font();
        font.setPointSizeF(8.25);
        form->setFont(font);
    }
}

} // namespace gui
