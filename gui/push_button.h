#pragma once

#include <QPushButton>

namespace gui {

// A dialog button that Return or Enter presses while it has the focus, as Space does. It never becomes
// the dialog's default button, so Return pressed anywhere else never reaches it.
class PushButton final : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PushButton)

public:
    PushButton(const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace gui
