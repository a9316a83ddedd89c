#include "gui/text_label.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace gui {

TextLabel::TextLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{ }

QSize TextLabel::sizeHint() const
{
    // What QLabel measures for itself is kept for texts it treats otherwise: rich text, several lines,
    // access keys, word wrap, indentation or a frame.
    if (textFormat() == Qt::RichText || text().contains(u'\n') || text().contains(u'&') || wordWrap()
        || indent() >= 0 || frameWidth() > 0)
        return QLabel::sizeHint();
    ensurePolished();
    // The layouts ask again and again; the text is measured again only when it or the font changed.
    if (m_measuredText != text() || m_measuredFont != font() || !m_textSize.isValid()) {
        const QFontMetricsF metrics(font());
        // A last glyph that reaches past its advance (the stroke of a "t") is drawn whole.
        const qreal overhang
            = text().isEmpty() ? 0 : std::max<qreal>(0, -metrics.rightBearing(text().back()));
        m_textSize = QSize(static_cast<int>(std::ceil(metrics.horizontalAdvance(text()) + overhang)),
            static_cast<int>(std::ceil(metrics.height())));
        m_measuredText = text();
        m_measuredFont = font();
    }
    const QMargins margins = contentsMargins();
    return (m_textSize
        + QSize(
            2 * margin() + margins.left() + margins.right(), 2 * margin() + margins.top() + margins.bottom()))
        .expandedTo(minimumSize());
}

QSize TextLabel::minimumSizeHint() const
{
    return sizeHint();
}

} // namespace gui
