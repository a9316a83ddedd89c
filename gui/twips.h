#pragma once

#include <QRect>

class QWidget;

namespace gui {

// Twips are 1/1440 of a logical inch. Dialog positions given in twips map to device-independent pixels
// through the widget's logical DPI, so that a form keeps its proportions on any screen.
int twipsToPixelsX(const QWidget* widget, double twips);
int twipsToPixelsY(const QWidget* widget, double twips);
QRect twipsRect(const QWidget* widget, double left, double top, double width, double height);

// Gives a form placed by hand its client area in twips. With `formFont`, the form also takes the 8.25
// point font its places were designed around: points follow the logical DPI just as twips do, so the
// texts keep fitting their places whatever the desktop's own font size is.
void setFormSize(QWidget* form, double width, double height, bool formFont);

} // namespace gui
