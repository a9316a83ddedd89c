// Saves a picture of every window of the program, each dialog as it opens and after it was used, into a
// folder, so that two builds can be compared pixel for pixel: a change that should not alter what the
// program shows must leave every picture the same (scripts/grabs.sh runs it at scale factors 1 and 2,
// at the desktop's font and at a font 20 % larger).
//   tallyo97_grab_windows FOLDER [FONT-SCALE]
#include "app/application.h"
#include "app/main_window.h"
#include "gui/topic_dialog.h"
#include "gui/topics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTextStream>

#include <functional>
#include <memory>

namespace {

// Types `text` into the field and presses Return, as a user asks for a conversion.
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
    if (window->grab().save(folder.filePath(name + QStringLiteral(".png"))))
        return true;
    errors << "cannot write " << folder.filePath(name) << '\n';
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::describeApplication();
    QTextStream errors(stderr);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        errors << "usage: tallyo97_grab_windows FOLDER [FONT-SCALE]\n";
        return 2;
    }
    if (arguments.size() == 3) {
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * arguments.at(2).toDouble());
        QApplication::setFont(font);
    }
    QDir folder(arguments.at(1));
    folder.mkpath(QStringLiteral("."));

    app::MainWindow window;
    window.show();
    if (!save(&window, folder, QStringLiteral("frmMain"), errors))
        return 1;
    for (const gui::Topic& topic : gui::topics()) {
        std::unique_ptr<QDialog> dialog = gui::createDialog(topic, &window);
        dialog->show();
        const QString name = QLatin1String(topic.dialogName);
        if (!save(dialog.get(), folder, name + QStringLiteral("-opened"), errors))
            return 1;
        for (const Use& use : uses) {
            if (qstrcmp(use.key, topic.key) != 0)
                continue;
            std::unique_ptr<QDialog> used = gui::createDialog(topic, &window);
            used->show();
            use.act(used.get());
            if (!save(used.get(), folder, name + QLatin1Char('-') + QLatin1String(use.name), errors))
                return 1;
        }
    }
    return 0;
}
