#pragma once

#include "convert/conversion.h"

#include <optional>
#include <span>

// The description of a measure dialog: its unit fields with their labels, places and formats, and its
// conversion. One builder turns such a description into a window, so every dialog of this shape is a
// table and a conversion function, never a hand-made form.
namespace convert {

enum class LabelPlacement {
    CaptionAbove, // caption centred above the field, abbreviation to its right
    CaptionRight, // the unit label to the right of the field, no abbreviation
};

enum class ButtonPlacement {
    BelowRight, // Help and Done side by side below the fields, at the right
    RightColumn, // Help above Done at the bottom of a column right of the fields
};

struct UnitField
{
    const char* name; // objectName of the field
    const char* caption; // unit caption ("Meter")
    const char* captionLabel; // objectName of the caption label, or nullptr
    const char* abbreviation; // abbreviation text ("m"), or nullptr
    const char* abbreviationLabel; // objectName of the abbreviation label, or nullptr
    int group; // index into MeasureTable::groups
    int column; // column inside the group, from 0
    int row; // row inside the group, from 0
    DisplayFormat format; // the FormatFields step shows the field through this format
};

struct FieldGroup
{
    const char* name; // objectName of the frame
    const char* title; // frame caption, or nullptr for a captionless frame
    int gridRow; // place of the frame in the dialog's grid of frames
    int gridColumn;
};

struct ColumnHeading
{
    int group;
    int column;
    const char* text;
};

// A dialog's conversion: Return was pressed in field `source`; writes the other fields as plain number
// text, in the dialog's order, reading back what it wrote where a value is derived from another field.
using ConvertFunction = void (*)(FieldTexts& fields, int source);

struct MeasureTable
{
    std::span<const UnitField> fields;
    std::span<const FieldGroup> groups;
    std::span<const ColumnHeading> headings;
    ConvertFunction convert;
    LabelPlacement labels = LabelPlacement::CaptionAbove;
    ButtonPlacement buttons = ButtonPlacement::BelowRight;
    // Keyboard focus order by objectName; the first entry has the focus when the dialog opens. Empty: the
    // fields in table order, then Done and Help.
    std::span<const char* const> focusOrder = {};
    int fieldWidthTwips = 1100;
    // Distance from one row of fields to the next where the form fixes it (caption and field together);
    // 0 lets the rows take their natural height.
    int rowPitchTwips = 0;
};

// Runs the table's conversion on the field texts and its FormatFields step (every field through its own
// format). Returns every field's text, or nothing when a value left the range of the number type that
// holds it; then no field is to change.
std::optional<QStringList> runConversion(const MeasureTable& table, const QStringList& texts, int source);

// The FormatFields step on texts a conversion wrote; nothing when the conversion was spoiled.
std::optional<QStringList> formatFields(const MeasureTable& table, const FieldTexts& fields);

} // namespace convert
