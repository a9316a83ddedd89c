#pragma once

#include "gui/measure_dialog.h"

namespace gui {

// The volume dialog: the table-built unit fields plus a calculator that fills them from the edges of a
// box.
class VolumeDialog final : public MeasureDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VolumeDialog)

public:
    explicit VolumeDialog(const Topic& topic, QWidget* parent = nullptr);
    ~VolumeDialog() override;

private:
    void computeBox();
};

} // namespace gui
