#include "gui/push_button.h"

#include <QKeyEvent>

namespace gui {

PushButton::PushButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
    // An auto-default button becomes the dialog's default for good once it had the focus.
    setAutoDefault(false);
}

void PushButton::keyPressEvent(QKeyEvent* event)
{
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace gui
