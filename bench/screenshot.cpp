// Pictures of the program's own windows, run under an X server or the offscreen platform:
//   tallyo97_screenshot FOLDER
//       the README's pictures (scripts/screenshots.sh): the main window, the linear dialog after one
//       kilometre was converted, and the volume dialog after one litre was converted, under a dark theme;
//   tallyo97_screenshot --every FOLDER [FONT-SCALE]
//       every window, each dialog as it opens and after use, to compare what two builds show pixel for
//       pixel (scripts/grabs.sh), optionally at a larger font.
#include "app/application.h"
#include "app/main_window.h"
#include "bench/probe.h"
#include "gui/topic_dialog.h"
#include "gui/topics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QTextStream>

#include <functional>
#include <memory>

namespace {

// Types `text` into the field, as a user does with the field focused, and presses Return.
void convert(QWidget* dialog, const char* field, const char* text)
{
    auto* edit = dialog->findChild<QLineEdit*>(QLatin1String(field));
    if (!edit)
        return;
    edit->setFocus();
    edit->setText(QLatin1String(text));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(edit, &press);
}

void type(QWidget* dialog, const char* field, const char* text)
{
    if (auto* edit = dialog->findChild<QLineEdit*>(QLatin1String(field)))
        edit->setText(QLatin1String(text));
}

// Chooses a sheet in the paper dialog's list.
void choose(QWidget* dialog, const char* sheet)
{
    if (auto* list = dialog->findChild<QListWidget*>(QStringLiteral("List1")))
        list->setCurrentItem(list->findItems(QLatin1String(sheet), Qt::MatchExactly).value(0));
}

struct Use
{
    const char* key; // the topic's toolbar key
    const char* name; // of the picture
    std::function<void(QWidget*)> act;
};

const Use uses[] = {
    {"Linear", "converted", [](QWidget* d) { convert(d, "EBxKM", "12345.678"); }},
    {"Surface", "converted", [](QWidget* d) { convert(d, "EbxACRE", "987654"); }},
    {"Volume", "converted", [](QWidget* d) { convert(d, "EBxCUFT", "123456"); }},
    {"Volume", "box",
        [](QWidget* d) {
            type(d, "ebxLength", "123.45");
            type(d, "ebxHeight", "2");
            type(d, "ebxWidth", "3");
            if (auto* compute = d->findChild<QAbstractButton*>(QStringLiteral("btnCompute")))
                compute->click();
        }},
    {"Weight", "converted", [](QWidget* d) { convert(d, "EBxLTN", "98765"); }},
    {"Misc", "converted",
        [](QWidget* d) {
            convert(d, "ebxCelsius", "5000");
            convert(d, "ebxTherm", "12.5");
            convert(d, "ebxKW", "123456");
            convert(d, "ebxMilesGallon", "33");
        }},
    {"Number", "converted",
        [](QWidget* d) {
            convert(d, "ebxDec", "-1");
            convert(d, "ebxHexAddr", "0123456789ab");
        }},
    {"Number", "roman", [](QWidget* d) { convert(d, "ebxDec", "18888"); }},
    {"Paper", "A0", [](QWidget* d) { choose(d, "A0"); }},
    {"Paper", "E", [](QWidget* d) { choose(d, "E"); }},
    {"Cloth", "chosen",
        [](QWidget* d) {
            for (QComboBox* list : d->findChildren<QComboBox*>())
                list->setCurrentIndex(list->count() - 1);
            if (auto* shirt = d->findChild<QComboBox*>(QStringLiteral("lbxMenShirtUK")))
                shirt->setCurrentIndex(1);
        }},
};

bool save(QWidget* window, const QDir& folder, const QString& name, QTextStream& errors)
{
    QCoreApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (window->grab().save(path))
        return true;
    errors << "cannot write " << path << '\n';
    return false;
}

std::unique_ptr<gui::TopicDialog> shown(const char* key, QWidget* parent)
{
    std::unique_ptr<gui::TopicDialog> dialog = gui::createDialog(*gui::findTopic(QLatin1String(key)), parent);
    dialog->show();
    bench::waitForFirstPaint(dialog.get());
    // The field typed into has the focus, and its cursor shows there in the picture.
    dialog->activateWindow();
    const QDeadlineTimer deadline(2000);
    while (!dialog->isActiveWindow() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return dialog;
}

// A dark desktop theme: the light palette with every colour's lightness turned round, hue kept, and the
// darkest surfaces kept a dark grey as dark themes draw them.
QPalette darkPalette()
{
    QPalette palette = QApplication::palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            const QColor colour = palette.color(g, r).toHsl();
            constexpr int darkest = 45;
            const int lightness = darkest + (255 - colour.lightness()) * (255 - darkest) / 255;
            palette.setColor(g, r, QColor::fromHsl(colour.hslHue(), colour.hslSaturation(), lightness));
        }
    }
    return palette;
}

bool readmePictures(const QDir& folder, QTextStream& errors)
{
    app::MainWindow window;
    window.show();
    bench::waitForFirstPaint(&window);
    if (!save(&window, folder, QStringLiteral("main"), errors))
        return false;
    std::unique_ptr<gui::TopicDialog> linear = shown("Linear", &window);
    convert(linear.get(), "EBxKM", "1");
    if (!save(linear.get(), folder, QStringLiteral("linear"), errors))
        return false;
    linear.reset();
    std::unique_ptr<gui::TopicDialog> volume = shown("Volume", &window);
    convert(volume.get(), "EBxL", "1");
    QApplication::setPalette(darkPalette());
    return save(volume.get(), folder, QStringLiteral("volume-dark"), errors);
}

bool everyWindow(const QDir& folder, QTextStream& errors)
{
    app::MainWindow window;
    window.show();
    if (!save(&window, folder, QStringLiteral("frmMain"), errors))
        return false;
    for (const gui::Topic& topic : gui::topics()) {
        const QString name = QLatin1String(topic.dialogName);
        std::unique_ptr<gui::TopicDialog> opened = gui::createDialog(topic, &window);
        opened->show();
        if (!save(opened.get(), folder, name + QStringLiteral("-opened"), errors))
            return false;
        for (const Use& use : uses) {
            if (qstrcmp(use.key, topic.key) != 0)
                continue;
            std::unique_ptr<gui::TopicDialog> used = gui::createDialog(topic, &window);
            used->show();
            use.act(used.get());
            if (!save(used.get(), folder, name + QLatin1Char('-') + QLatin1String(use.name), errors))
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::describeApplication();
    QTextStream errors(stderr);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const bool every = !arguments.isEmpty() && arguments.first() == QLatin1String("--every");
    if (every)
        arguments.removeFirst();
    if (arguments.isEmpty() || arguments.size() > (every ? 2 : 1)) {
        errors << "usage: tallyo97_screenshot FOLDER | tallyo97_screenshot --every FOLDER [FONT-SCALE]\n";
        return 2;
    }
    if (arguments.size() == 2) {
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * arguments.at(1).toDouble());
        QApplication::setFont(font);
    }
    QDir folder(arguments.first());
    folder.mkpath(QStringLiteral("."));
    return (every ? everyWindow(folder, errors) : readmePictures(folder, errors)) ? 0 : 1;
}
