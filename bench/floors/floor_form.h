#pragma once

#include <QDialog>

#include <memory>
#include <span>

// A dialog's design floor: a plain QDialog whose controls are Qt's own widgets, each placed once with
// setGeometry at the place and size the program's dialog gives it at the default font, with the same
// texts, fonts and colours. Nothing is measured, laid out or worked out while it is made.
namespace floors {

enum class Kind : unsigned char {
    Frame, // a sunken panel (QFrame)
    Group, // a frame with a caption (QGroupBox); the text is the caption
    Field, // QLineEdit
    Label, // QLabel
    Button, // QPushButton, never the dialog's default
    Radio, // QRadioButton
    List, // QListWidget without a horizontal scroll bar and without a current entry; the entries in
          // the text, separated by '|'
    DropDown, // QComboBox with nothing chosen; the entries as for List
    Shape, // a rectangle drawn in black on light yellow (QFrame)
};

// How a control looks beyond the dialog's font and palette.
enum Look : unsigned {
    Bold = 1u << 0,
    Plain = 1u << 1, // the dialog's font, where the frame the control stands in is bold
    Blue = 1u << 2, // dark blue text
    Red = 1u << 3, // dark red text
    Centred = 1u << 4, // text centred across and down
    CentredAbove = 1u << 5, // text centred across, at the bottom
    WhiteBox = 1u << 6, // a black outline on white
    Checked = 1u << 7,
    Focus = 1u << 8, // has the keyboard focus when the dialog opens
};

struct Control
{
    Kind kind;
    int parent; // the index of the frame or group it stands in, or -1 for the dialog
    int x;
    int y;
    int width;
    int height;
    const char16_t* text;
    unsigned look = 0;
};

struct Form
{
    const char16_t* title;
    int width;
    int height;
    std::span<const Control> controls;
};

std::unique_ptr<QDialog> makeForm(const Form& form, QWidget* parent);

} // namespace floors
