#pragma once

#include "gui/topic_dialog.h"

class QFrame;
class QLabel;
class QListWidget;

namespace gui {

// A rectangle size in twips (1/1440 of a logical inch), single precision as the shape stores it.
struct TwipSize
{
    float width = 0.0F;
    float height = 0.0F;
};

// The rectangle of a sheet at the drawing's scale of 2.5 twips per millimetre, sized from its millimetre
// texts as the dialog shows them, never from the inch figures. A text is read leniently ("104.8" gives
// 262); one that reads as a negative length, or as a length too large to draw, gives 0.
TwipSize paperRectangle(const QString& widthMillimetres, const QString& heightMillimetres);

// The paper sizes dialog (frmPaper): the figures of the chosen sheet and a rectangle drawn to one
// scale for all sheets.
class PaperDialog final : public TopicDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PaperDialog)

public:
    explicit PaperDialog(const Topic& topic, QWidget* parent = nullptr);

    // The rectangle's size in twips as last set; 0 by 0 until a sheet is chosen.
    TwipSize shapeTwips() const { return m_shapeTwips; }

private:
    void showSelectedSize();
    void resizeShape(TwipSize size);

    QListWidget* m_list;
    QLabel* m_heightInch;
    QLabel* m_widthInch;
    QLabel* m_heightMil;
    QLabel* m_widthMil;
    QFrame* m_shape;
    QPoint m_shapeCorner;
    TwipSize m_shapeTwips;
};

} // namespace gui
