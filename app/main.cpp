#include "app/icons.h"
#include "app/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyo 97"));
    QApplication::setApplicationVersion(QStringLiteral("2.3"));
    QApplication::setDesktopFileName(QStringLiteral("tallyo97"));
    QApplication::setWindowIcon(app::icons::program());

    app::MainWindow window;
    window.show();
    return QApplication::exec();
}
