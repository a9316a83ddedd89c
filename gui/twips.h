#pragma once

class QWidget;

namespace gui {

// Twips are 1/1440 of a logical inch. Dialog positions given in twips map to device-independent pixels
// through the widget's logical DPI, so that a form keeps its proportions on any screen.
int twipsToPixelsX(const QWidget* widget, double twips);
int twipsToPixelsY(const QWidget* widget, double twips);

} // namespace gui
