#pragma once

#include "gui/topic_dialog.h"
#include "tables/paper_sizes.h"

class QFrame;
class QLabel;
class QListWidget;

namespace gui {

// The paper sizes dialog (frmPaper): the figures of the chosen sheet and a rectangle drawn to one
// scale for all sheets.
class PaperDialog final : public TopicDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PaperDialog)

public:
    explicit PaperDialog(const Topic& topic, QWidget* parent = nullptr);

    // The rectangle's size in twips as last set; 0 by 0 until a sheet is chosen.
    tables::TwipSize shapeTwips() const { return m_shapeTwips; }

private:
    void showSelectedSize();
    void resizeShape(tables::TwipSize size);

    QListWidget* m_list;
    QLabel* m_heightInch;
    QLabel* m_widthInch;
    QLabel* m_heightMil;
    QLabel* m_widthMil;
    QFrame* m_shape;
    QPoint m_shapeCorner;
    tables::TwipSize m_shapeTwips;
};

} // namespace gui
