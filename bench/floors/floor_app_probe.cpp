// The design floors' side of the dialog benchmark, as tallyo97_bench_app KEY is the program's: the main
// window's floor shown and painted, then the floor of one dialog opened over it once and a few times
// more, each time made anew and painted.
//   tallyo97_bench_floor_app KEY   KEY: a dialog's toolbar key in lower case (floors::dialogKeys)
#include "bench/floors/dialog_floors.h"
#include "bench/floors/main_floor.h"
#include "bench/probe.h"

#include <QApplication>

#include <algorithm>

namespace {
// As many as tallyo97_bench_app opens.
constexpr int laterOpenings = 5;
} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2
        || std::ranges::find(floors::dialogKeys, std::string_view(argv[1])) == std::end(floors::dialogKeys))
        return 2;
    QApplication::setWindowIcon(floors::programIcon());
    floors::MainFloor window;
    window.show();
    bench::waitForFirstPaint(&window);
    const std::string_view key(argv[1]);
    bench::reportOpenings([&] { return floors::createDialogFloor(key, &window); }, laterOpenings);
    bench::report("peak_kib", bench::peakResidentKiB());
    return 0;
}
