#pragma once

#include <QHash>
#include <QRect>
#include <QSize>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

namespace gui {

// A control's rectangle in a form's design, in twips, in its parent's coordinates. A width or height of 0
// leaves that side to what the control needs.
struct Designed
{
    double left;
    double top;
    double width = 0;
    double height = 0;
};

// Places the controls of a form designed in twips, the one way every hand-placed form is placed. The
// forms show their texts in the desktop's font, which today's desktops make wider and taller than the
// font the twips were measured for, so each control takes its designed place and size where that holds
// its text and grows just enough where it does not; a control that follows another moves on right or
// down by as much as the one before it grew, keeping the designed distance between them; and a frame, or
// the form itself, grows to hold what it contains with the designed margins.
class FormPlacer final
{
public:
    explicit FormPlacer(QWidget* form);

    int x(double twips) const;
    int y(double twips) const;

    // Puts `widget` at its designed rectangle, at least `needs` large. What follows refers to it.
    FormPlacer& put(QWidget* widget, const Designed& designed, QSize needs = {});
    // Puts `widget` at the designed place, `size` large, in a designed room that may be larger than the
    // widget itself (a label or list in a column of the form); the room counts for the distances to what
    // follows and to the edges of the frame.
    FormPlacer& putWithin(QWidget* widget, const Designed& room, QSize size);
    // Refers to a control put before, to move it on further.
    FormPlacer& moving(QWidget* widget);
    // The control last put starts no earlier than the designed distance after the end of `before` (or
    // `gapTwips` after it), right of it or below it; or no earlier than the pixel edge `at` of its parent.
    FormPlacer& rightOf(const QWidget* before);
    FormPlacer& rightOf(const QWidget* before, double gapTwips);
    FormPlacer& rightOf(int at);
    FormPlacer& below(const QWidget* before);
    FormPlacer& below(const QWidget* before, double gapTwips);
    FormPlacer& below(int at);
    // The control last put moves right and down by as much as `other` grew beyond its designed size, as
    // controls do that keep their place at a frame's lower right corner.
    FormPlacer& movesWith(const QWidget* other);

    // Sizes `container`, a frame or the form itself, to its designed size, or larger where the controls put
    // into it now end further right or lower than the margins of the design leave room for.
    void fit(QWidget* container, const Designed& designed);

private:
    QRect pixels(const Designed& designed) const;
    // How far the design sets the control last put after `before`, in twips.
    double designedGap(const QWidget* before, Qt::Orientation orientation) const;

    QWidget* m_form;
    QHash<const QWidget*, Designed> m_designed;
    QWidget* m_last = nullptr;
};

// What a control needs to show its text whole, as the style sizes it.
QSize lineEditSizeFor(const QLineEdit* edit, const QString& text);
QSize pushButtonSizeFor(const QPushButton* button);
// Where a frame's caption is drawn, in the frame's coordinates; empty for a frame without one. (The
// frame's contentsRect() is the room below the caption and inside the frame's line.)
QRect groupBoxTitleRect(const QGroupBox* box);

} // namespace gui
