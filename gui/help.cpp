#include "gui/help.h"

#include "convert/outcome.h"
#include "gui/quick_tip_window.h"
#include "tables/help_texts.h"

#include <QMessageBox>

namespace gui {

HelpStrings& helpStrings()
{
    static HelpStrings strings;
    return strings;
}

void showHelp(QWidget* dialog, const QString& topic, const QString& text)
{
    HelpStrings& strings = helpStrings();
    strings.caption = QString::fromUtf16(tables::helpCaption);
    strings.topic = topic;
    strings.text = text;
    QuickTipWindow window(strings.caption, strings.topic, strings.text, dialog);
    window.exec();
}

namespace {

void showBox(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

} // namespace

void showMessage(QWidget* parent, const convert::Message& message)
{
    showBox(parent, message.text, message.title);
}

void showMessageViaHelpCaption(QWidget* parent, const convert::Message& message)
{
    helpStrings().caption = message.title;
    showBox(parent, message.text, helpStrings().caption);
}

} // namespace gui
