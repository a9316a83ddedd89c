#include "app/application.h"
#include "app/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::describeApplication();

    app::MainWindow window;
    window.show();
    return QApplication::exec();
}
