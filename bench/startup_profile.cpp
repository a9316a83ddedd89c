// Tallyo 97's start-up (as app/main.cpp does it) or the floor's (argument "floor"), cut into phases for a
// profile: under callgrind every phase becomes a dump of its own, otherwise each phase's wall-clock time
// is printed. Ends once the main window's first paint has been handed to the screen.
// scripts/bench.sh --profile runs it.
#include "app/application.h"
#include "app/main_window.h"
#include "bench/floor_window.h"
#include "bench/probe.h"

#include <QApplication>

#include <cstring>
#include <memory>

int main(int argc, char* argv[])
{
    bench::phase("loading and static initialisation");
    const bool floor = argc > 1 && std::strcmp(argv[1], "floor") == 0;
    QApplication application(argc, argv);
    bench::phase("QApplication");
    std::unique_ptr<QMainWindow> window;
    if (floor) {
        window = std::make_unique<bench::FloorWindow>();
    } else {
        app::describeApplication();
        bench::phase("describeApplication");
        window = std::make_unique<app::MainWindow>();
    }
    bench::phase("main window constructed");
    bench::markFirstPaintEvent(window.get());
    window->show();
    bench::phase("show (polish, layout, native window, map)");
    bench::waitForFirstPaint(window.get());
    bench::phase("first paint and flush");
    return 0;
}
