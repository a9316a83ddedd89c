#pragma once

#include "convert/measure_dialog.h"

class QLineEdit;
class QRadioButton;

namespace convert {

// The volume dialog: the table-built unit fields plus a calculator that fills them from the edges of a
// box.
class VolumeDialog final : public MeasureDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VolumeDialog)

public:
    explicit VolumeDialog(QWidget* parent = nullptr);
    ~VolumeDialog() override;

private:
    QWidget* buildBoxCalculator();
    void computeBox();

    QLineEdit* m_length = nullptr;
    QLineEdit* m_height = nullptr;
    QLineEdit* m_width = nullptr;
    QRadioButton* m_metre = nullptr;
    QRadioButton* m_feet = nullptr;
};

} // namespace convert
