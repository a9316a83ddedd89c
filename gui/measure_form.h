#pragma once

#include <span>

namespace convert {
struct Measure;
}

// How a measure dialog shows its measure: the names and places of its controls, its frames and
// headings, where its buttons stand and the keyboard's way through it. One builder (MeasureDialog) turns
// a form into a window, so every dialog of this shape is a form and a measure, never a hand-made window.
namespace gui {

enum class LabelPlacement {
    CaptionAbove, // caption centred above the field, abbreviation to its right
    CaptionRight, // the unit's caption to the right of the field, no abbreviation
};

enum class ButtonPlacement {
    BelowRight, // Help and Done side by side below the fields, at the right
    RightColumn, // Help above Done at the bottom of a column right of the fields
};

// One unit's field, in the order of the measure's units.
struct FieldPlace
{
    int unit; // the measure's unit this field shows
    const char* fieldName; // objectName of the field
    const char* captionName; // objectName of the caption label, or nullptr
    const char* abbreviationName; // objectName of the abbreviation label, or nullptr
    int group; // index into MeasureForm::groups
    int column; // column inside the group, from 0
    int row; // row inside the group, from 0
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

// A stop on the keyboard's way through a measure dialog.
struct FocusStop
{
    enum Kind {
        Field, // the field of unit `unit`
        Below, // the controls below the fields (the volume dialog's box calculator), in their own order
        Help,
        Done,
    };
    Kind kind;
    int unit = 0;
};

constexpr FocusStop fieldStop(int unit)
{
    return {FocusStop::Field, unit};
}

inline constexpr FocusStop belowStop{FocusStop::Below};
inline constexpr FocusStop helpStop{FocusStop::Help};
inline constexpr FocusStop doneStop{FocusStop::Done};

struct MeasureForm
{
    const convert::Measure& measure;
    std::span<const FieldPlace> fields;
    std::span<const FieldGroup> groups;
    std::span<const ColumnHeading> headings = {};
    LabelPlacement labels = LabelPlacement::CaptionAbove;
    ButtonPlacement buttons = ButtonPlacement::BelowRight;
    // The first stop has the focus when the dialog opens. Empty: the fields in order, then Done and Help.
    std::span<const FocusStop> focusOrder = {};
    int fieldWidthTwips = 1100;
    // Distance from one row of fields to the next where the form fixes it (caption and field together);
    // 0 lets the rows take their natural height.
    int rowPitchTwips = 0;
};

extern const MeasureForm linearForm;
extern const MeasureForm surfaceForm;
extern const MeasureForm volumeForm;
extern const MeasureForm weightForm;
extern const MeasureForm miscForm;

} // namespace gui
