// The floor, started as any Qt program is. The benchmark times it from outside, as it times Tallyo 97,
// so it carries no measuring code.
#include "bench/floor_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    bench::FloorWindow window;
    window.show();
    return QApplication::exec();
}
