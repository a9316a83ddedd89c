// Shows each of the program's windows as it opens and then its design floor, takes both pictures and
// compares them pixel for pixel: QWidget::grab() of each, and on a real X server also the pixels the
// server holds for the window. Writes one picture per window, the program's window, the floor and the
// pixels that differ (in red on a pale copy), and prints a line per window; fails if any pixel differs.
//   tallyo97_floor_check FOLDER
#include "app/application.h"
#include "app/main_window.h"
#include "bench/floors/dialog_floors.h"
#include "bench/floors/main_floor.h"
#include "bench/probe.h"
#include "gui/topic_dialog.h"
#include "gui/topics.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QTextStream>
#include <QWindow>

#include <functional>
#include <memory>

namespace {

struct Pictures
{
    QImage grabbed;
    QImage onScreen; // null where the platform keeps no window pixels of its own
};

Pictures take(QWidget* window)
{
    window->show();
    bench::waitForFirstPaint(window);
    // Whatever the first paint left to later (a cursor's blink, a deferred update) is drawn first.
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    Pictures pictures;
    pictures.grabbed = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        pictures.onScreen
            = window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    return pictures;
}

struct Difference
{
    qsizetype pixels = 0;
    QRect where;
    QImage marked;
};

Difference compare(const QImage& program, const QImage& floor)
{
    Difference difference;
    if (program.size() != floor.size()) {
        difference.pixels = -1;
        return difference;
    }
    difference.marked = QImage(program.size(), QImage::Format_RGB32);
    for (int y = 0; y < program.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(program.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(floor.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(difference.marked.scanLine(y));
        for (int x = 0; x < program.width(); ++x) {
            if (a[x] != b[x]) {
                ++difference.pixels;
                difference.where |= QRect(x, y, 1, 1);
                out[x] = qRgb(255, 0, 0);
            } else {
                const int grey = 191 + qGray(a[x]) / 4;
                out[x] = qRgb(grey, grey, grey);
            }
        }
    }
    return difference;
}

QString describe(const Difference& difference)
{
    if (difference.pixels < 0)
        return QStringLiteral("sizes differ");
    if (difference.pixels == 0)
        return QStringLiteral("identical");
    const QRect& r = difference.where;
    return QStringLiteral("%1 pixels differ, within %2,%3 %4x%5")
        .arg(difference.pixels)
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}

// The program's window, the floor and the difference side by side, 8 pixels apart.
QImage sideBySide(const QImage& program, const QImage& floor, const QImage& marked)
{
    constexpr int gap = 8;
    const int width = program.width() + floor.width() + (marked.isNull() ? 0 : marked.width() + gap) + gap;
    QImage picture(width, std::max(program.height(), floor.height()), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, 0, program);
    painter.drawImage(program.width() + gap, 0, floor);
    if (!marked.isNull())
        painter.drawImage(program.width() + floor.width() + 2 * gap, 0, marked);
    return picture;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::describeApplication();
    QTextStream out(stdout);
    if (argc != 2) {
        QTextStream(stderr) << "usage: tallyo97_floor_check FOLDER\n";
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));

    app::MainWindow programWindow;
    floors::MainFloor floorWindow;
    bool same = true;
    auto check = [&](const QString& name, QWidget* program, QWidget* floor) {
        const Pictures ours = take(program);
        program->hide();
        const Pictures theirs = take(floor);
        floor->hide();
        const Difference grabbed = compare(ours.grabbed, theirs.grabbed);
        out << "| " << name << " | " << ours.grabbed.width() << " × " << ours.grabbed.height() << " | "
            << describe(grabbed);
        same = same && grabbed.pixels == 0;
        if (!ours.onScreen.isNull()) {
            const Difference onScreen = compare(ours.onScreen, theirs.onScreen);
            out << " | " << describe(onScreen);
            same = same && onScreen.pixels == 0;
        }
        out << " |\n";
        out.flush();
        sideBySide(ours.grabbed, theirs.grabbed, grabbed.pixels > 0 ? grabbed.marked : QImage())
            .save(folder.filePath(name + QStringLiteral(".png")));
    };

    out << "| Window | Size (device pixels) | QWidget::grab() |"
        << (QGuiApplication::platformName() == QLatin1String("xcb") ? " The X server's pixels |" : "")
        << "\n|---|---|---|" << (QGuiApplication::platformName() == QLatin1String("xcb") ? "---|" : "")
        << '\n';
    check(QStringLiteral("frmMain"), &programWindow, &floorWindow);
    // The dialogs open over their main windows, as the program opens them.
    programWindow.show();
    floorWindow.show();
    for (const gui::Topic& topic : gui::topics()) {
        const QByteArray key = QByteArray(topic.key).toLower();
        std::unique_ptr<QDialog> program = gui::createDialog(topic, &programWindow);
        std::unique_ptr<QDialog> floor = floors::createDialogFloor(key.toStdString(), &floorWindow);
        if (!floor) {
            out << "| " << topic.dialogName << " | no floor |\n";
            same = false;
            continue;
        }
        check(QLatin1String(topic.dialogName), program.get(), floor.get());
    }
    return same ? 0 : 1;
}
