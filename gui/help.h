#pragma once

#include <QString>

class QWidget;

namespace convert {
struct Message;
}

namespace gui {

// The three application-wide help strings: written by a dialog's Help button and shown by the quick-help
// window. The number systems dialog also keeps its message titles in the caption.
struct HelpStrings
{
    QString caption;
    QString topic;
    QString text;
};

HelpStrings& helpStrings();

// A dialog's Help button: sets the three strings (the caption is always the quick-help caption) and
// shows the quick-help window with them, modally over the dialog.
void showHelp(QWidget* dialog, const QString& topic, const QString& text);

// A modal message with a fixed text and title, a single OK button and no icon.
void showMessage(QWidget* parent, const convert::Message& message);

// The number systems dialog's messages: the title is stored in the help caption first and shown from
// there.
void showMessageViaHelpCaption(QWidget* parent, const convert::Message& message);

} // namespace gui
