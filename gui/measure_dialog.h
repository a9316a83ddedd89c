#pragma once

#include "gui/topic_dialog.h"

#include <QList>

#include <optional>

class QGridLayout;
class QLabel;

namespace convert {
struct MeasureTable;
struct UnitField;
} // namespace convert

namespace gui {

class ConversionField;

// A measure dialog built from its topic's table: one field per unit with its labels, Help and Done, and
// the conversion run on Return in any field.
class MeasureDialog : public TopicDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MeasureDialog)

public:
    explicit MeasureDialog(const tables::Topic& topic, QWidget* parent = nullptr);
    ~MeasureDialog() override;

protected:
    // `belowFields` is placed below the unit fields, left of the buttons (the volume dialog's box
    // calculator); the focus order may name its controls.
    MeasureDialog(const tables::Topic& topic, QWidget* parent, QWidget* belowFields);

    // Shows a conversion's result, or the out-of-range message and nothing else where there is none.
    void showResult(const std::optional<QStringList>& texts);

private:
    // One unit's widgets while a frame is laid out.
    struct Cell
    {
        const convert::UnitField* unit;
        ConversionField* field;
        QLabel* caption;
        QLabel* abbreviation;
    };

    void convertFrom(int field);
    QStringList fieldTexts() const;
    int fieldWidth() const;
    QWidget* buildGroup(int group);
    void placeCaptionsAbove(QGridLayout* grid, int group, const QList<Cell>& cells);
    void placeCaptionsRight(QGridLayout* grid, const QList<Cell>& cells);
    void applyFocusOrder();

    const convert::MeasureTable& m_table;
    QList<ConversionField*> m_fields;
};

} // namespace gui
