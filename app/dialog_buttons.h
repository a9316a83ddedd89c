#pragma once

#include <QRect>
#include <QString>

class QDialog;
class QPushButton;

namespace app {

struct DialogButtons
{
    QPushButton* help;
    QPushButton* done;
};

// The "&Help" (Command2) and "&Done" (Command1) buttons of a form placed by hand. Help opens the quick
// help with the given topic and text; Done closes the dialog. Neither takes Return.
DialogButtons addHelpAndDone(
    QDialog* dialog, const QRect& help, const QRect& done, const QString& topic, const QString& text);

} // namespace app
