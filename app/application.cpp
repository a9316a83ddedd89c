#include "app/application.h"

#include "app/icons.h"

#include <QApplication>

namespace app {

void describeApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tallyo 97"));
    QApplication::setApplicationVersion(QStringLiteral("2.3"));
    QApplication::setDesktopFileName(QStringLiteral("tallyo97"));
    QApplication::setWindowIcon(icons::program());
}

} // namespace app
