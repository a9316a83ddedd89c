#include "gui/volume_dialog.h"

#include "convert/volume.h"
#include "gui/form_placer.h"
#include "gui/push_button.h"
#include "gui/text_label.h"
#include "gui/twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace gui {

namespace {

// The "Specify a box" frame: length, height and width of a box in metres or feet, and Compute, visited
// by the keyboard in that order. The edges are plain fields: Return in them does nothing.
BelowFields boxCalculator()
{
    auto* frame = new QGroupBox(QStringLiteral("Specify a box"));
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    const auto add = [grid](auto* widget, int row, int column) {
        grid->addWidget(widget, row, column);
        return widget;
    };
    QList<QWidget*> order;
    const char* const edges[][2] = {{"ebxLength", "Length"}, {"ebxHeight", "Height"}, {"ebxWidth", "Width"}};
    for (int i = 0; i < 3; ++i) {
        auto* field = add(new QLineEdit(frame), 1, 2 * i);
        order.append(field);
        field->setObjectName(QLatin1String(edges[i][0]));
        field->setAccessibleName(QLatin1String(edges[i][1]));
        // The designed width, or wider where the desktop's font needs it for an edge such as 123.45.
        field->setFixedWidth(
            std::max(twipsToPixelsX(frame, 700), lineEditSizeFor(field, QStringLiteral("000.00")).width()));
        auto* label = add(new TextLabel(QLatin1String(edges[i][1]), frame), 0, 2 * i);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        label->setBuddy(field);
        if (i < 2)
            add(new TextLabel(QStringLiteral("X"), frame), 1, 2 * i + 1)->setAlignment(Qt::AlignCenter);
    }
    auto* metre = add(new QRadioButton(QStringLiteral("Meter"), frame), 0, 5);
    metre->setObjectName(QStringLiteral("optMeter"));
    metre->setChecked(true);
    auto* feet = add(new QRadioButton(QStringLiteral("Feet"), frame), 1, 5);
    feet->setObjectName(QStringLiteral("optFeet"));
    auto* compute = new PushButton(QStringLiteral("Compute"), frame);
    compute->setObjectName(QStringLiteral("btnCompute"));
    grid->addWidget(compute, 0, 6, 2, 1, Qt::AlignVCenter);
    order << metre << feet << compute;
    return {frame, order};
}

} // namespace

VolumeDialog::VolumeDialog(const Topic& topic, QWidget* parent)
    : MeasureDialog(topic, parent, boxCalculator())
{
    connect(findChild<QPushButton*>(QStringLiteral("btnCompute")), &QPushButton::clicked, this,
        &VolumeDialog::computeBox);
}

VolumeDialog::~VolumeDialog() = default;

void VolumeDialog::computeBox()
{
    using namespace convert::volume;
    const auto edge = [this](const char* name) { return findChild<QLineEdit*>(QLatin1String(name))->text(); };
    const bool metres = findChild<QRadioButton*>(QStringLiteral("optMeter"))->isChecked();
    showOutcome(convert::convertBox(
        {edge("ebxLength"), edge("ebxHeight"), edge("ebxWidth")}, metres ? BoxUnit::Metre : BoxUnit::Foot));
}

} // namespace gui
