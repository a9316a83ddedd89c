#pragma once

#include <QString>

#include <span>

namespace convert {
struct MeasureTable;
}

// The program's topics, one row each: everything the program knows of a topic besides its dialog's
// contents. The main window builds its toolbar and menu from this list, every dialog takes its name,
// caption and help from its row, and the tests, fuzz targets and benchmark walk it.
namespace tables {

// How a topic's dialog is made.
enum class DialogShape {
    Measure, // built from the topic's measure table
    MeasureWithBox, // the same, with the box calculator below the fields
    NumberSystems,
    PaperSizes,
    ClothingSizes,
};

// The objectNames and captions of a dialog's Help and Done buttons.
struct ButtonNames
{
    const char* helpName;
    const char* helpCaption;
    const char* doneName;
    const char* doneCaption;
};

inline constexpr ButtonNames standardButtons{"Command2", "&Help", "Command1", "&Done"};

struct Topic
{
    const char* key; // the toolbar button's key, compared as exact text
    const char* dialogName; // objectName of the dialog
    const char* title; // the dialog's window caption
    const char* picture; // the toolbar picture's file name
    const char* toolTip;
    const char* menuName; // objectName of the "&Measure" menu entry
    const char* menuText;
    char shortcut; // Ctrl and this letter open the dialog
    const char* helpTopic;
    const char16_t* helpText;
    DialogShape shape;
    const convert::MeasureTable* measure = nullptr; // the measure dialogs' description
    ButtonNames buttons = standardButtons;
};

// In the toolbar's order, which is also the order in which a toolbar key is looked up.
std::span<const Topic> topics();

// The first topic whose key equals `key` exactly, letter case included; nothing for any other text.
const Topic* findTopic(const QString& key);

// The help texts. Captions, topics and texts are shown exactly as written here.
inline constexpr char16_t helpCaption[] = u" Tallyo 97 - QuickHelp";

} // namespace tables
