#pragma once

#include <QLabel>

namespace gui {

// A label of one line of plain text. It sizes itself from its text's advance in its font, measured once,
// where a QLabel lays its text out three times over to answer for its size; the dialogs ask dozens of
// labels for their sizes when they open.
class TextLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextLabel)

public:
    TextLabel(const QString& text, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    mutable QString m_measuredText;
    mutable QFont m_measuredFont;
    mutable QSize m_textSize;
};

} // namespace gui
