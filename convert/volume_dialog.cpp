#include "convert/volume_dialog.h"

#include "app/help.h"
#include "app/twips.h"
#include "convert/volume.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace convert {

VolumeDialog::VolumeDialog(QWidget* parent)
    : MeasureDialog(volumeTable(), parent)
{
    addBelowFields(buildBoxCalculator());
    applyFocusOrder();
}

VolumeDialog::~VolumeDialog() = default;

QWidget* VolumeDialog::buildBoxCalculator()
{
    auto* frame = new QGroupBox(QStringLiteral("Specify a box"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    // The edges are plain fields: Return in them does nothing, and no button of this dialog is a
    // default button that could take it.
    auto addEdge = [&](const char* name, const QString& caption, int column) {
        auto* field = new QLineEdit(frame);
        field->setObjectName(QLatin1String(name));
        field->setAccessibleName(caption);
        field->setFixedWidth(app::twipsToPixelsX(this, 700));
        auto* label = new QLabel(caption, frame);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        label->setBuddy(field);
        grid->addWidget(label, 0, column);
        grid->addWidget(field, 1, column);
        return field;
    };
    auto addTimes = [&](int column) {
        auto* times = new QLabel(QStringLiteral("X"), frame);
        times->setAlignment(Qt::AlignCenter);
        grid->addWidget(times, 1, column);
    };
    m_length = addEdge("ebxLength", QStringLiteral("Length"), 0);
    addTimes(1);
    m_height = addEdge("ebxHeight", QStringLiteral("Height"), 2);
    addTimes(3);
    m_width = addEdge("ebxWidth", QStringLiteral("Width"), 4);

    m_metre = new QRadioButton(QStringLiteral("Meter"), frame);
    m_metre->setObjectName(QStringLiteral("optMeter"));
    m_metre->setChecked(true);
    m_feet = new QRadioButton(QStringLiteral("Feet"), frame);
    m_feet->setObjectName(QStringLiteral("optFeet"));
    grid->addWidget(m_metre, 0, 5);
    grid->addWidget(m_feet, 1, 5);

    auto* compute = new QPushButton(QStringLiteral("Compute"), frame);
    compute->setObjectName(QStringLiteral("btnCompute"));
    compute->setAutoDefault(false);
    grid->addWidget(compute, 0, 6, 2, 1, Qt::AlignVCenter);
    connect(compute, &QPushButton::clicked, this, &VolumeDialog::computeBox);
    return frame;
}

void VolumeDialog::computeBox()
{
    const volume::BoxResult result = convertBox({m_length->text(), m_height->text(), m_width->text()},
        m_metre->isChecked() ? volume::BoxUnit::Metre : volume::BoxUnit::Foot);
    switch (result.outcome) {
    case volume::BoxOutcome::Converted:
        showResult(result.texts);
        break;
    case volume::BoxOutcome::EdgeMissing:
        app::showMessage(this, QStringLiteral("Please enter Length, Height and Width of the box."),
            QStringLiteral("Input Validation"));
        break;
    case volume::BoxOutcome::TooLarge:
        showResult(std::nullopt);
        break;
    }
}

} // namespace convert
