// Tallyo 97's dialogs as the benchmark sees them: the program's own start-up, built from the same library,
// then every dialog opened from the main window and painted, a conversion timed in each, and the peak
// memory once every dialog has been open. With a dialog's key (its toolbar key in lower case) the probe
// opens only that dialog, once right after start-up and a few times more, to be set beside the dialog's
// design floor (tallyo97_bench_floor_app). (Start-up itself is timed from outside, on the program.)
//   tallyo97_bench_app [KEY]
#include "app/application.h"
#include "app/main_window.h"
#include "bench/probe.h"
#include "gui/topic_dialog.h"
#include "gui/topics.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

using gui::Topic;

// A topic's name in the report: its toolbar key in lower case.
QByteArray reportKey(const Topic& topic)
{
    return QByteArray(topic.key).toLower();
}

// The field whose Return does the most work in each dialog, and the value typed into it. The paper and
// clothing dialogs have no fields: there a selection fills the dialog.
struct Busiest
{
    const char* key;
    const char* field;
    const char* typed;
};

constexpr Busiest busiest[] = {
    {"linear", "EBxMI", "1"}, // writes seven fields through the yard, then formats eight
    {"surface", "EbxACRE", "1"}, // the square metre, eight variables, nine fields
    {"volume", "EBxCUFT", "1"}, // 26 fields from the cube edge
    {"weight", "EBxLTN", "1"}, // 17 fields from the gram
    {"number", "ebxDec", "255"}, // octal, hexadecimal, binary and roman
    {"misc", "ebxTherm", "1"}, // a hub and two more, then all twelve formatted
};

constexpr int conversionRepeats = 200;
constexpr int warmOpens = 5;

qint64 median(std::vector<qint64> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::unique_ptr<QDialog> openAndPaint(const Topic& topic, QWidget* parent, qint64* elapsedNs)
{
    return bench::openAndPaint([&] { return gui::createDialog(topic, parent); }, elapsedNs);
}

// Times `action` many times after `prepare`, which is not timed, and returns the median.
qint64 timeRepeated(const std::function<void(int)>& prepare, const std::function<void(int)>& action)
{
    std::vector<qint64> times;
    times.reserve(conversionRepeats);
    for (int i = 0; i < conversionRepeats; ++i) {
        prepare(i);
        const qint64 started = bench::monotonicNs();
        action(i);
        times.push_back(bench::monotonicNs() - started);
    }
    return median(times);
}

qint64 timeConversion(QDialog* dialog, const char* key)
{
    for (const Busiest& entry : busiest) {
        if (qstrcmp(entry.key, key) != 0)
            continue;
        auto* field = dialog->findChild<QLineEdit*>(QLatin1String(entry.field));
        if (!field)
            return -1;
        const QString typed = QString::fromLatin1(entry.typed);
        return timeRepeated([&](int) { field->setText(typed); },
            [&](int) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
                QCoreApplication::sendEvent(field, &press);
            });
    }
    if (auto* list = dialog->findChild<QListWidget*>(QStringLiteral("List1"))) {
        // Alternate between two sheets so that every selection changes something.
        return timeRepeated([](int) {}, [&](int i) { list->setCurrentRow(i % 2 == 0 ? 4 : 0); });
    }
    if (auto* list = dialog->findChild<QComboBox*>(QStringLiteral("lbxMenShirtEU")))
        return timeRepeated([](int) {}, [&](int i) { list->setCurrentIndex(i % 2 == 0 ? 7 : 1); });
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    // As app/main.cpp does it.
    QApplication application(argc, argv);
    app::describeApplication();

    app::MainWindow window;
    window.show();
    bench::waitForFirstPaint(&window);

    if (argc > 1) {
        for (const Topic& topic : gui::topics()) {
            if (reportKey(topic) == argv[1]) {
                bench::reportOpenings([&] { return gui::createDialog(topic, &window); }, warmOpens);
                return 0;
            }
        }
        return 2;
    }

    for (const Topic& topic : gui::topics()) {
        qint64 elapsed = 0;
        std::unique_ptr<QDialog> dialog = openAndPaint(topic, &window, &elapsed);
        bench::report(
            qPrintable(QStringLiteral("open_first_ns.%1").arg(QLatin1String(reportKey(topic)))), elapsed);
        bench::report(qPrintable(QStringLiteral("convert_ns.%1").arg(QLatin1String(reportKey(topic)))),
            timeConversion(dialog.get(), reportKey(topic).constData()));
        dialog.reset();
        QCoreApplication::processEvents();
    }
    bench::report("peak_kib", bench::peakResidentKiB());

    for (const Topic& topic : gui::topics()) {
        std::vector<qint64> times;
        for (int i = 0; i < warmOpens; ++i) {
            qint64 elapsed = 0;
            openAndPaint(topic, &window, &elapsed).reset();
            QCoreApplication::processEvents();
            times.push_back(elapsed);
        }
        bench::report(qPrintable(QStringLiteral("open_again_ns.%1").arg(QLatin1String(reportKey(topic)))),
            median(times));
    }
    return 0;
}
