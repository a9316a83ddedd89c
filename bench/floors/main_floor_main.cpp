// The main window's design floor, started as any Qt program is. The benchmark times it from outside, as
// it times Tallyo 97, so it carries no measuring code.
#include "bench/floors/main_floor.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(floors::programIcon());
    floors::MainFloor window;
    window.show();
    return QApplication::exec();
}
