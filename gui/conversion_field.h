#pragma once

#include <QLineEdit>

namespace gui {

// A single-line field in which Return converts. The field takes the key itself, so a dialog's default
// button never sees it and the dialog stays open.
class ConversionField final : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConversionField)

public:
    explicit ConversionField(QWidget* parent = nullptr);

Q_SIGNALS:
    void convertRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace gui
