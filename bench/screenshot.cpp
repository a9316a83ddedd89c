// Takes the README's pictures with the program's own windows: the main window, the linear dialog after
// one kilometre was typed and converted, and the volume dialog after one litre was converted, under a
// dark desktop theme. Run under an X server (scripts/screenshots.sh).
#include "app/application.h"
#include "app/main_window.h"
#include "bench/probe.h"
#include "gui/topic_dialog.h"
#include "gui/topics.h"
#include "tests/support/dark_palette.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QTextStream>

#include <memory>

namespace {

void press(QWidget* widget, Qt::Key key, const QString& text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &up);
}

bool save(QWidget* window, const QDir& directory, const QString& name, QTextStream& errors)
{
    QCoreApplication::processEvents();
    const QString path = directory.filePath(name);
    if (!window->grab().save(path)) {
        errors << "cannot write " << path << '\n';
        return false;
    }
    return true;
}

// The volume dialog after one litre was converted, while the desktop switched to a dark theme.
bool saveDark(QWidget* window, const QDir& directory, QTextStream& errors)
{
    std::unique_ptr<QDialog> dialog
        = gui::createDialog(*gui::findTopic(QStringLiteral("Volume")), window);
    dialog->show();
    bench::waitForFirstPaint(dialog.get());
    auto* litre = dialog->findChild<QLineEdit*>(QStringLiteral("EBxL"));
    if (!litre) {
        errors << "the volume dialog has no litre field\n";
        return false;
    }
    dialog->activateWindow();
    const QDeadlineTimer deadline(2000);
    while (!dialog->isActiveWindow() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    litre->setFocus();
    QCoreApplication::processEvents();
    press(litre, Qt::Key_1, QStringLiteral("1"));
    press(litre, Qt::Key_Return, QStringLiteral("\r"));
    QApplication::setPalette(test_support::darkPalette());
    return save(dialog.get(), directory, QStringLiteral("volume-dark.png"), errors);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::describeApplication();
    QTextStream errors(stderr);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        errors << "usage: tallyo97_screenshot DIRECTORY\n";
        return 2;
    }
    const QDir directory(arguments.at(1));

    app::MainWindow window;
    window.show();
    bench::waitForFirstPaint(&window);
    if (!save(&window, directory, QStringLiteral("main.png"), errors))
        return 1;

    std::unique_ptr<QDialog> dialog
        = gui::createDialog(*gui::findTopic(QStringLiteral("Linear")), &window);
    dialog->show();
    bench::waitForFirstPaint(dialog.get());
    auto* kilometre = dialog->findChild<QLineEdit*>(QStringLiteral("EBxKM"));
    if (!kilometre) {
        errors << "the linear dialog has no kilometre field\n";
        return 1;
    }
    // Typed where the user types: the field has the focus, and its cursor shows there in the picture.
    dialog->activateWindow();
    const QDeadlineTimer deadline(2000);
    while (!dialog->isActiveWindow() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    kilometre->setFocus();
    QCoreApplication::processEvents();
    press(kilometre, Qt::Key_1, QStringLiteral("1"));
    press(kilometre, Qt::Key_Return, QStringLiteral("\r"));
    if (!save(dialog.get(), directory, QStringLiteral("linear.png"), errors))
        return 1;
    dialog.reset();
    return saveDark(&window, directory, errors) ? 0 : 1;
}
