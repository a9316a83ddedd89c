#pragma once

#include "convert/measure_table.h"

#include <QDialog>
#include <QList>

class QGridLayout;
class QLabel;
class QPushButton;

namespace convert {

class ConversionField;

// A measure dialog built from its table: one field per unit with its labels, Help and Done, and the
// conversion run on Return in any field.
class MeasureDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MeasureDialog)

public:
    explicit MeasureDialog(const MeasureTable& table, QWidget* parent = nullptr);
    ~MeasureDialog() override;

    const MeasureTable& table() const { return m_table; }

protected:
    QStringList fieldTexts() const;
    void showTexts(const QStringList& texts);
    // Shows a conversion's result, or the out-of-range message and nothing else where there is none.
    void showResult(const std::optional<QStringList>& texts);
    // Places a widget below the unit fields, left of the buttons (the volume dialog's box calculator).
    void addBelowFields(QWidget* widget);
    // Sets the keyboard focus order from the table; call again after adding widgets it names.
    void applyFocusOrder();

private:
    // One unit's widgets while a frame is laid out.
    struct Cell
    {
        const UnitField* unit;
        ConversionField* field;
        QLabel* caption;
        QLabel* abbreviation;
    };

    void convertFrom(int field);
    int fieldWidth() const;
    QWidget* buildGroup(int group);
    void placeCaptionsAbove(QGridLayout* grid, int group, const QList<Cell>& cells);
    void placeCaptionsRight(QGridLayout* grid, const QList<Cell>& cells);

    const MeasureTable& m_table;
    QList<ConversionField*> m_fields;
    QGridLayout* m_layout = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_done = nullptr;
};

} // namespace convert
