// Tallyo 97's start-up (as app/main.cpp does it), the bare window's ("floor") or the main window's design
// floor's ("design-floor"), cut into phases for a profile: under callgrind every phase becomes a dump of
// its own, otherwise each phase's wall-clock time is printed. Ends once the main window's first paint has
// been handed to the screen. With "dialog KEY" or "floor-dialog KEY" it goes on to open one dialog of the
// program, or its design floor, over the main window or its floor, as the dialog probes do, in phases
// of its own. scripts/bench.sh --profile runs it.
//   tallyo97_startup_profile [tallyo | floor | design-floor | dialog KEY | floor-dialog KEY]
#include "app/application.h"
#include "app/main_window.h"
#include "bench/floor_window.h"
#include "bench/floors/dialog_floors.h"
#include "bench/floors/main_floor.h"
#include "bench/probe.h"
#include "gui/topic_dialog.h"
#include "gui/topics.h"

#include <QApplication>
#include <QDialog>

#include <memory>
#include <string_view>

int main(int argc, char* argv[])
{
    bench::phase("loading and static initialisation");
    const std::string_view who = argc > 1 ? argv[1] : "tallyo";
    const std::string_view key = argc > 2 ? argv[2] : "";
    const bool programWindows = who == "tallyo" || who == "dialog";
    QApplication application(argc, argv);
    bench::phase("QApplication");
    std::unique_ptr<QMainWindow> window;
    if (who == "floor") {
        window = std::make_unique<bench::FloorWindow>();
    } else if (programWindows) {
        app::describeApplication();
        bench::phase("describeApplication");
        window = std::make_unique<app::MainWindow>();
    } else {
        QApplication::setWindowIcon(floors::programIcon());
        window = std::make_unique<floors::MainFloor>();
    }
    bench::phase("main window constructed");
    bench::markFirstPaintEvent(window.get());
    window->show();
    bench::phase("show (polish, layout, native window, map)");
    bench::waitForFirstPaint(window.get());
    bench::phase("first paint and flush");
    if (key.empty())
        return 0;

    std::unique_ptr<QDialog> dialog;
    if (programWindows) {
        for (const gui::Topic& topic : gui::topics()) {
            if (QByteArray(topic.key).toLower() == QByteArray(key.data(), qsizetype(key.size())))
                dialog = gui::createDialog(topic, window.get());
        }
    } else {
        dialog = floors::createDialogFloor(key, window.get());
    }
    if (!dialog)
        return 2;
    bench::phase("dialog made");
    bench::markFirstPaintEvent(dialog.get());
    dialog->setModal(true);
    dialog->show();
    bench::phase("dialog shown (polish, layout, native window, map)");
    bench::waitForFirstPaint(dialog.get());
    bench::phase("dialog painted and flushed");
    return 0;
}
