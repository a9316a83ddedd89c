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

// Draws the widget's text in `colour`.
void setTextColour(QWidget* widget, const QColor& colour);

// Fills the widget with `background` and draws its text and outline in `foreground`, whatever the
// desktop's palette (the paper dialog's white figure boxes and its yellow rectangle).
void setBoxColours(QWidget* widget, const QColor& background, const QColor& foreground);

// A label showing `text` in `colour`, bold where asked.
QLabel* colouredLabel(QWidget* parent, const QString& text, const QColor& colour, bool bold = false);

} // namespace gui::colours
