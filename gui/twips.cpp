#include "gui/twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

#include <cmath>

namespace gui {

namespace {
constexpr double twipsPerInch = 1440.0;
}

int twipsToPixelsX(const QWidget* widget, double twips)
{
    return static_cast<int>(std::lround(twips * widget->logicalDpiX() / twipsPerInch));
}

int twipsToPixelsY(const QWidget* widget, double twips)
{
    return static_cast<int>(std::lround(twips * widget->logicalDpiY() / twipsPerInch));
}

QRect twipsRect(const QWidget* widget, double left, double top, double width, double height)
{
    return QRect(twipsToPixelsX(widget, left), twipsToPixelsY(widget, top), twipsToPixelsX(widget, width),
        twipsToPixelsY(widget, height));
}

void setFormSize(QWidget* form, double width, double height, QSize atLeast)
{
    form->setFixedSize(QSize(twipsToPixelsX(form, width), twipsToPixelsY(form, height)).expandedTo(atLeast));
}

QSize lineEditSizeFor(const QLineEdit* edit, const QString& text)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    const int frame
        = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    // A line edit keeps its text two pixels clear of its frame across and one down, and draws the cursor
    // one pixel wide after the last character.
    const QMargins margins = edit->textMargins();
    const QFontMetrics metrics = edit->fontMetrics();
    return QSize(metrics.horizontalAdvance(text) + 1 + 2 * 2 + margins.left() + margins.right() + 2 * frame,
        metrics.height() + 2 * 1 + margins.top() + margins.bottom() + 2 * frame);
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
