#include "app/help.h"

#include "app/help_texts.h"
#include "app/quick_tip_window.h"

#include <QMessageBox>

namespace app {

HelpStrings& helpStrings()
{
    static HelpStrings strings;
    return strings;
}

void showHelp(QWidget* dialog, const QString& topic, const QString& text)
{
    HelpStrings& strings = helpStrings();
    strings.caption = QString::fromUtf16(help_texts::caption);
    strings.topic = topic;
    strings.text = text;
    QuickTipWindow window(dialog);
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

} // namespace app
