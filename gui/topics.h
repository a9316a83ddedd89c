#pragma once

#include <QString>

#include <memory>
#include <span>

class QWidget;

// The program's topics, one row each: everything the windows know of a topic besides its dialog's
// contents. The main window builds its toolbar and menu from this list, every dialog takes its name,
// caption and help from its row and is made from it, and the tests and the benchmark walk it.
namespace gui {

class TopicDialog;
struct MeasureForm;
struct Topic;

// Makes a topic's dialog in its designed state.
using DialogMaker = std::unique_ptr<TopicDialog> (*)(const Topic& topic, QWidget* parent);

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
    DialogMaker make;
    const MeasureForm* form = nullptr; // the measure dialogs' form
    ButtonNames buttons = standardButtons;
};

// In the toolbar's order, which is also the order in which a toolbar key is looked up.
std::span<const Topic> topics();

// The first topic whose key equals `key` exactly, letter case included; nothing for any other text.
const Topic* findTopic(const QString& key);

// The topic's dialog in its designed state: the one way every dialog is made.
std::unique_ptr<TopicDialog> createDialog(const Topic& topic, QWidget* parent);

} // namespace gui
