#pragma once

#include <QColor>

class QLabel;
class QString;
class QWidget;

// The program's named colours, and the one way to give a text its colour.
namespace gui::colours {

inline const QColor captionBlue(0, 0, 128); // unit captions, headings, the help topic
inline const QColor headingRed(128, 0, 0); // the volume dialog's column headings
inline const QColor titleTeal(0, 64, 64); // the program's name on the title panel
inline const QColor paperYellow(255, 255, 192); // the paper rectangle

// Draws the widget's text in `colour` where that reads on the background the widget is drawn on, as the
// designed colours do on a light palette. Where it does not, as on a dark palette, the text takes the
// same hue just light enough (or, on a light background, just dark enough) for a contrast of 4.5 : 1.
// Worked out again whenever the widget's palette changes, so that a new desktop theme reaches open
// windows at once.
void setTextColour(QWidget* widget, const QColor& colour);

// Fills the widget with `background`, whatever the desktop's palette, and draws its text and outline in
// `foreground`, made readable on that background as setTextColour() does (the paper dialog's white
// figure boxes and its yellow rectangle keep black).
void setBoxColours(QWidget* widget, const QColor& background, const QColor& foreground);

// A label showing `text` in `colour`, bold where asked.
QLabel* colouredLabel(QWidget* parent, const QString& text, const QColor& colour, bool bold = false);

} // namespace gui::colours
