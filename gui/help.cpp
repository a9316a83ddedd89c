#include "gui/help.h"

#include "gui/quick_tip_window.h"
#include "tables/topics.h"

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

void showMessage(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

void showMessageViaHelpCaption(QWidget* parent, const QString& text, const QString& title)
{
    helpStrings().caption = title;
    showMessage(parent, text, helpStrings().caption);
}

} // namespace gui
