#include "gui/form_placer.h"

#include "gui/twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace gui {

FormPlacer::FormPlacer(QWidget* form)
    : m_form(form)
{ }

int FormPlacer::x(double twips) const
{
    return twipsToPixelsX(m_form, twips);
}

int FormPlacer::y(double twips) const
{
    return twipsToPixelsY(m_form, twips);
}

QRect FormPlacer::pixels(const Designed& designed) const
{
    return QRect(x(designed.left), y(designed.top), x(designed.width), y(designed.height));
}

FormPlacer& FormPlacer::put(QWidget* widget, const Designed& designed, QSize needs)
{
    m_designed.insert(widget, designed);
    m_last = widget;
    const QRect place = pixels(designed);
    widget->setGeometry(QRect(place.topLeft(), place.size().expandedTo(needs)));
    return *this;
}

FormPlacer& FormPlacer::putWithin(QWidget* widget, const Designed& room, QSize size)
{
    m_designed.insert(widget, room);
    m_last = widget;
    widget->setGeometry(QRect(pixels(room).topLeft(), size));
    return *this;
}

FormPlacer& FormPlacer::moving(QWidget* widget)
{
    m_last = widget;
    return *this;
}

double FormPlacer::designedGap(const QWidget* before, Qt::Orientation orientation) const
{
    const Designed& mine = m_designed.value(m_last);
    const Designed& theirs = m_designed.value(before);
    return orientation == Qt::Horizontal ? mine.left - theirs.left - theirs.width
                                         : mine.top - theirs.top - theirs.height;
}

FormPlacer& FormPlacer::rightOf(const QWidget* before)
{
    return rightOf(before, designedGap(before, Qt::Horizontal));
}

FormPlacer& FormPlacer::rightOf(const QWidget* before, double gapTwips)
{
    return rightOf(before->x() + before->width() + x(gapTwips));
}

FormPlacer& FormPlacer::rightOf(int at)
{
    m_last->move(std::max(m_last->x(), at), m_last->y());
    return *this;
}

FormPlacer& FormPlacer::below(const QWidget* before)
{
    return below(before, designedGap(before, Qt::Vertical));
}

FormPlacer& FormPlacer::below(const QWidget* before, double gapTwips)
{
    return below(before->y() + before->height() + y(gapTwips));
}

FormPlacer& FormPlacer::below(int at)
{
    m_last->move(m_last->x(), std::max(m_last->y(), at));
    return *this;
}

FormPlacer& FormPlacer::movesWith(const QWidget* other)
{
    const Designed& theirs = m_designed.value(other);
    const Designed& mine = m_designed.value(m_last);
    m_last->move(
        x(mine.left) + other->width() - x(theirs.width), y(mine.top) + other->height() - y(theirs.height));
    return *this;
}

void FormPlacer::fit(QWidget* container, const Designed& designed)
{
    // The margins the design leaves beyond the outermost of the controls put into the container, and
    // where those controls end now.
    double rightmost = 0;
    double lowest = 0;
    QPoint end;
    for (auto it = m_designed.cbegin(); it != m_designed.cend(); ++it) {
        const QWidget* child = it.key();
        if (child->parentWidget() != container)
            continue;
        rightmost = std::max(rightmost, it->left + it->width);
        lowest = std::max(lowest, it->top + it->height);
        end.rx() = std::max(end.x(), child->x() + child->width());
        end.ry() = std::max(end.y(), child->y() + child->height());
    }
    // A frame keeps what it was given when it was put (room for its caption, say); the form starts from
    // its designed size.
    QSize size = QSize(x(designed.width), y(designed.height))
                     .expandedTo(QSize(
                         end.x() + x(designed.width - rightmost), end.y() + y(designed.height - lowest)));
    if (container->isWindow()) {
        container->setFixedSize(size);
    } else {
        m_designed.insert(container, designed);
        container->setGeometry(QRect(container->pos(), size.expandedTo(container->size())));
    }
}

QSize lineEditSizeFor(const QLineEdit* edit, const QString& text)
{
    const QStyle* style = edit->style();
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.state |= QStyle::State_Sunken;
    const QFontMetrics metrics = edit->fontMetrics();
    // A line edit's size hint is the room it asks of the style for a line of seventeen x's; a field that
    // must show `text` whole needs that room with the text in their place, and the cursor after it.
    const int width = edit->sizeHint().width() - 17 * metrics.horizontalAdvance(u'x')
        + metrics.horizontalAdvance(text) + style->pixelMetric(QStyle::PM_TextCursorWidth, &option, edit);
    return QSize(width,
        style->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width, metrics.height()), edit).height());
}

QSize pushButtonSizeFor(const QPushButton* button)
{
    const QStyle* style = button->style();
    const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    return button->fontMetrics().size(Qt::TextShowMnemonic, button->text())
        + QSize(2 * (margin + frame), 2 * frame);
}

QRect groupBoxTitleRect(const QGroupBox* box)
{
    if (box->title().isEmpty())
        return {};
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isFlat())
        option.features |= QStyleOptionFrame::Flat;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
}

} // namespace gui
