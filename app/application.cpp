#include "app/application.h"

#include "app/icons.h"
#include "app/version.h"

#include <QApplication>

namespace app {

void describeApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tallyo 97"));
    QApplication::setApplicationVersion(QLatin1String(version::full));
    QApplication::setDesktopFileName(QStringLiteral("tallyo97"));
    QApplication::setWindowIcon(icons::program());
}

} // namespace app
