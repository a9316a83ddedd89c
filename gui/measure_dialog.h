#pragma once

#include "convert/outcome.h"
#include "gui/topic_dialog.h"

#include <QList>
#include <QStringList>

class QGridLayout;
class QLabel;

namespace gui {

class ConversionField;
struct FieldPlace;
struct MeasureForm;

// Controls a measure dialog shows below its unit fields (the volume dialog's box calculator), and the
// order in which the keyboard visits them.
struct BelowFields
{
    QWidget* widget;
    QList<QWidget*> focusOrder;
};

// A measure dialog built from its topic's form: one field per unit with its labels, Help and Done, and
// the conversion run on Return in any field.
class MeasureDialog : public TopicDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MeasureDialog)

public:
    explicit MeasureDialog(const Topic& topic, QWidget* parent = nullptr);
    ~MeasureDialog() override;

protected:
    // `below` is placed below the unit fields, left of the buttons.
    MeasureDialog(const Topic& topic, QWidget* parent, const BelowFields& below);

    // Tells a conversion's problem, if any, then shows its texts, if any.
    void showOutcome(const convert::Outcome<QStringList>& outcome);

private:
    // One unit's widgets while a frame is laid out.
    struct Cell
    {
        const FieldPlace* place;
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
    void applyFocusOrder(const QList<QWidget*>& below);

    const MeasureForm& m_form;
    QList<ConversionField*> m_fields;
};

} // namespace gui
