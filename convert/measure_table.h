#pragma once

#include "convert/conversion.h"

#include <span>

// The description of a measure dialog: its unit fields with their labels and places, its formats and its
// conversion. One builder turns such a description into a window, so every dialog of this shape is a
// table and a conversion function, never a hand-made form.
namespace convert {

enum class LabelPlacement {
    CaptionAbove, // caption centred above the field, abbreviation to its right
    CaptionRight, // the unit label to the right of the field, no abbreviation
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
    DisplayFormat format;
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

struct MeasureTable
{
    const char* name; // objectName of the dialog ("frmLinear")
    const char* title; // window caption
    const char* helpTopic; // quick-help topic
    std::span<const UnitField> fields;
    std::span<const FieldGroup> groups;
    std::span<const ColumnHeading> headings;
    LabelPlacement labels;
    // Keyboard focus order by objectName, buttons included ("Command1" is Done, "Command2" Help, or the
    // names given below); the first entry has the focus when the dialog opens.
    std::span<const char* const> focusOrder;
    const char* doneName = "Command1";
    const char* helpName = "Command2";
    const char* doneText = "&Done";
    const char* helpText = "&Help";
    bool buttonsBesideGroups = false; // Help above Done at the right instead of side by side below
    int fieldWidthTwips = 1100;
    // Distance from one row of fields to the next where the form fixes it (caption and field together);
    // 0 lets the rows take their natural height.
    int rowPitchTwips = 0;
    ConvertFunction convert = nullptr;
};

} // namespace convert
