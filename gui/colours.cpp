#include "gui/colours.h"

#include <QLabel>

namespace gui::colours {

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setBoxColours(QWidget* widget, const QColor& background, const QColor& foreground)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, foreground);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* colouredLabel(QWidget* parent, const QString& text, const QColor& colour, bool bold)
{
    auto* label = new QLabel(text, parent);
    setTextColour(label, colour);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

} // namespace gui::colours
