#include "gui/conversion_field.h"

#include <QKeyEvent>

namespace gui {

ConversionField::ConversionField(QWidget* parent)
    : QLineEdit(parent)
{ }

void ConversionField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        Q_EMIT convertRequested();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace gui
