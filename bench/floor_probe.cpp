// The floor the start-up of Tallyo 97 is measured against: the least a Qt Widgets program with a main
// window, a menu and a toolbar does before its window is painted.
#include "bench/probe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QToolBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Program"));
    menu->addAction(QStringLiteral("&Exit"), &window, &QWidget::close);
    QToolBar* toolBar = window.addToolBar(QStringLiteral("Toolbar"));
    toolBar->setIconSize(QSize(16, 16));
    // A picture of its own, as Tallyo's are: a style's standard icon would search the icon themes on disk
    // and make the floor slower than it need be.
    QPixmap picture(16, 16);
    picture.fill(Qt::darkCyan);
    toolBar->addAction(QIcon(picture), QStringLiteral("Exit"), &window, &QWidget::close);
    window.setCentralWidget(new QLabel(QStringLiteral("Floor"), &window));
    window.show();
    bench::waitForFirstPaint(&window);
    bench::report("painted_ns", bench::monotonicNs());
    bench::report("startup_cpu_ns", bench::cpuTimeNs());
    bench::report("peak_kib", bench::peakResidentKiB());
    return 0;
}
