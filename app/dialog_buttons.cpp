#include "app/dialog_buttons.h"

#include "app/help.h"

#include <QDialog>
#include <QPushButton>

namespace app {

namespace {

QPushButton* addButton(QDialog* dialog, const char* name, const QString& text, const QString& accessibleName,
    const QRect& geometry)
{
    auto* button = new QPushButton(text, dialog);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(accessibleName);
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    return button;
}

} // namespace

DialogButtons addHelpAndDone(
    QDialog* dialog, const QRect& help, const QRect& done, const QString& topic, const QString& text)
{
    DialogButtons buttons{
        addButton(dialog, "Command2", QStringLiteral("&Help"), QStringLiteral("Help"), help),
        addButton(dialog, "Command1", QStringLiteral("&Done"), QStringLiteral("Done"), done)};
    QObject::connect(buttons.help, &QPushButton::clicked, dialog,
        [dialog, topic, text] { showHelp(dialog, topic, text); });
    QObject::connect(buttons.done, &QPushButton::clicked, dialog, &QDialog::accept);
    return buttons;
}

} // namespace app
