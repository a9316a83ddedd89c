#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QString;

namespace gui {

// The first pixel right of a widget and the first one below it, in its parent's coordinates.
inline int rightOf(const QWidget* widget)
{
    return widget->x() + widget->width();
}

inline int below(const QWidget* widget)
{
    return widget->y() + widget->height();
}

// Twips are 1/1440 of a logical inch. Dialog positions given in twips map to device-independent pixels
// through the widget's logical DPI, so that a form keeps its proportions on any screen.
int twipsToPixelsX(const QWidget* widget, double twips);
int twipsToPixelsY(const QWidget* widget, double twips);
QRect twipsRect(const QWidget* widget, double left, double top, double width, double height);

// Gives a form placed by hand its client area: `width` by `height` twips, or `atLeast` pixels where its
// contents grew beyond that.
void setFormSize(QWidget* form, double width, double height, QSize atLeast = {});

// The hand-placed forms show their texts in the desktop's font, which today's desktops make wider and
// taller than the font the twips were measured for. Each control keeps its place in twips where that
// holds its text, and grows just enough where it does not; what stands right of it or below it moves on.

// The room a line edit needs to show `text` whole: the text with the edit's margins, cursor and frame.
QSize lineEditSizeFor(const QLineEdit* edit, const QString& text);

// The room a push button needs for its caption with the style's frame and margins.
QSize pushButtonSizeFor(const QPushButton* button);

// Where a frame's caption is drawn, in the frame's coordinates; empty for a frame without one. (The
// frame's contentsRect() is the room below the caption and inside the frame's line.)
QRect groupBoxTitleRect(const QGroupBox* box);

} // namespace gui
