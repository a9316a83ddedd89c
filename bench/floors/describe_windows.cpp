// Lists every control of the program's main window and of each dialog as it opens: class, place and
// size, text, font, colours and state, in the order the controls were made (which is the order they are
// drawn in). With --floor it writes each dialog's controls instead as the rows of its design floor's
// table (bench/floors/floor_form.h), which is how the floors' tables were made; a control the floor
// form cannot show is reported on standard error. Run at the default font and scale factor 1, under the
// platform the benchmark runs on (scripts/bench.sh --describe).
//   tallyo97_describe_windows [--floor] [KEY...]   the windows of the given toolbar keys, or all
#include "app/application.h"
#include "app/main_window.h"
#include "bench/probe.h"
#include "gui/topic_dialog.h"
#include "gui/topics.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>
#include <QToolBar>

namespace {

QTextStream out(stdout);

// The Qt class a control is, past the program's own subclasses.
QString qtClass(const QObject* object)
{
    const QMetaObject* meta = object->metaObject();
    while (meta && !QByteArray(meta->className()).startsWith('Q'))
        meta = meta->superClass();
    return meta ? QLatin1String(meta->className()) : QStringLiteral("?");
}

QString rect(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

void describe(const QWidget* widget, int depth)
{
    const QWidget* parent = widget->parentWidget();
    QStringList facts;
    facts << qtClass(widget) << rect(widget->geometry());
    if (!widget->objectName().isEmpty())
        facts << QStringLiteral("name=") + widget->objectName();
    if (!widget->isVisibleTo(widget->window()))
        facts << QStringLiteral("hidden");
    const QFont font = widget->font();
    const QFont inherited = parent ? parent->font() : QApplication::font();
    if (font != QApplication::font())
        facts << QStringLiteral("font=%1/%2pt%3")
                     .arg(font.family())
                     .arg(font.pointSizeF())
                     .arg(font.bold() ? QStringLiteral("/bold") : QString());
    if (widget->testAttribute(Qt::WA_SetFont) && font == inherited)
        facts << QStringLiteral("font-set-to-inherited");
    const QPalette palette = widget->palette();
    const QPalette standard = QApplication::palette();
    if (palette.color(QPalette::WindowText) != standard.color(QPalette::WindowText))
        facts << QStringLiteral("text-colour=") + palette.color(QPalette::WindowText).name();
    if (widget->autoFillBackground())
        facts << QStringLiteral("fill=") + palette.color(widget->backgroundRole()).name();
    if (widget->hasFocus())
        facts << QStringLiteral("focus");
    if (widget->minimumSize() == widget->maximumSize())
        facts << QStringLiteral("fixed");
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        facts << QStringLiteral("text=") + quoted(label->text())
              << QStringLiteral("align=0x%1").arg(int(label->alignment()), 0, 16);
        if (!label->contentsMargins().isNull())
            facts << QStringLiteral("margins=%1,%2,%3,%4")
                         .arg(label->contentsMargins().left())
                         .arg(label->contentsMargins().top())
                         .arg(label->contentsMargins().right())
                         .arg(label->contentsMargins().bottom());
        if (!label->pixmap().isNull())
            facts
                << QStringLiteral("pixmap=%1x%2").arg(label->pixmap().width()).arg(label->pixmap().height());
    }
    if (const auto* frame = qobject_cast<const QFrame*>(widget);
        frame && frame->frameShape() != QFrame::NoFrame)
        facts << QStringLiteral("frame=0x%1 line=%2").arg(frame->frameStyle(), 0, 16).arg(frame->lineWidth());
    if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        facts << QStringLiteral("title=") + quoted(box->title());
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        facts << QStringLiteral("text=") + quoted(edit->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        facts << QStringLiteral("text=") + quoted(button->text());
        if (button->isChecked())
            facts << QStringLiteral("checked");
    }
    if (const auto* push = qobject_cast<const QPushButton*>(widget))
        facts << QStringLiteral("auto-default=%1 default=%2").arg(push->autoDefault()).arg(push->isDefault());
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        facts << QStringLiteral("current=%1 items=").arg(list->currentIndex()) + items.join(u'|');
    }
    if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        facts << QStringLiteral("current=%1 hscroll=%2 items=")
                     .arg(list->currentRow())
                     .arg(int(list->horizontalScrollBarPolicy()))
                + items.join(u'|');
    }
    if (const auto* bar = qobject_cast<const QToolBar*>(widget)) {
        facts << QStringLiteral("movable=%1 icon=%2x%3")
                     .arg(bar->isMovable())
                     .arg(bar->iconSize().width())
                     .arg(bar->iconSize().height());
        for (const QAction* action : bar->actions())
            facts << QStringLiteral("[%1 tip=%2]").arg(quoted(action->text()), quoted(action->toolTip()));
    }
    if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
        for (const QAction* menu : bar->actions()) {
            QStringList entries;
            for (const QAction* action : menu->menu()->actions())
                entries << action->text() + u' ' + action->shortcut().toString();
            facts << QStringLiteral("[%1: %2]").arg(menu->text(), entries.join(QStringLiteral(", ")));
        }
    }
    out << QString(2 * depth, u' ') << facts.join(u' ') << '\n';
    // The parts a composite control makes for itself are its own business, not the form's.
    if (qobject_cast<const QAbstractScrollArea*>(widget) || qobject_cast<const QComboBox*>(widget)
        || qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QToolBar*>(widget)
        || qobject_cast<const QMenuBar*>(widget))
        return;
    for (const QObject* child : widget->children()) {
        if (const auto* control = qobject_cast<const QWidget*>(child); control && !control->isWindow())
            describe(control, depth + 1);
    }
}

QTextStream errors(stderr);

// A text as a UTF-16 literal of C++ source, every character beyond ASCII as a universal character name.
QString floorText(const QString& text)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            escaped += u'\\';
        if (c.unicode() < 0x80)
            escaped += c;
        else
            escaped
                += QStringLiteral("\\u") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
    }
    return QStringLiteral("u\"") + escaped + u'"';
}

// One control as a row of a floor table, and the controls inside it after it.
void writeFloorRows(const QWidget* widget, const QWidget* window, QList<const QWidget*>& rows)
{
    const QWidget* parent = widget->parentWidget();
    const qsizetype parentRow = parent == window ? -1 : rows.indexOf(parent);
    QRect place = widget->geometry();
    QString kind;
    QString text;
    QStringList looks;
    auto unexpected = [&](const QString& what) {
        errors << window->objectName() << ": " << qtClass(widget) << ' ' << widget->objectName() << ": "
               << what << '\n';
    };
    const QString className = qtClass(widget);
    const auto* frame = qobject_cast<const QFrame*>(widget);
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        kind = QStringLiteral("Group");
        text = floorText(box->title());
    } else if (qobject_cast<const QLineEdit*>(widget)) {
        kind = QStringLiteral("Field");
        if (!qobject_cast<const QLineEdit*>(widget)->text().isEmpty())
            unexpected(QStringLiteral("a field with text"));
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        kind = QStringLiteral("Label");
        text = floorText(label->text());
        const QMargins margins = label->contentsMargins()
            - QMargins(label->frameWidth(), label->frameWidth(), label->frameWidth(), label->frameWidth());
        // A margin inside a label that draws no background moves its text as moving the label would.
        place = place.marginsRemoved(margins);
        const int alignment = int(label->alignment());
        if (alignment == int(Qt::AlignCenter))
            looks << QStringLiteral("Centred");
        else if (alignment == int(Qt::AlignHCenter | Qt::AlignBottom))
            looks << QStringLiteral("CentredAbove");
        else if (alignment != int(Qt::AlignLeft | Qt::AlignVCenter))
            unexpected(QStringLiteral("alignment 0x%1").arg(alignment, 0, 16));
        if (label->frameShape() == QFrame::Box && label->autoFillBackground()
            && label->palette().color(QPalette::Window) == QColor(Qt::white))
            looks << QStringLiteral("WhiteBox");
        else if (label->frameShape() != QFrame::NoFrame || label->autoFillBackground())
            unexpected(QStringLiteral("a frame or background"));
        if (!label->pixmap().isNull())
            unexpected(QStringLiteral("a picture"));
    } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        kind = QStringLiteral("Button");
        text = floorText(button->text());
        if (button->isDefault())
            unexpected(QStringLiteral("the default button"));
    } else if (const auto* radio = qobject_cast<const QRadioButton*>(widget)) {
        kind = QStringLiteral("Radio");
        text = floorText(radio->text());
        if (radio->isChecked())
            looks << QStringLiteral("Checked");
    } else if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
        kind = QStringLiteral("List");
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        text = floorText(items.join(u'|'));
        if (list->currentRow() >= 0 || list->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
            unexpected(QStringLiteral("a current entry or a horizontal scroll bar"));
    } else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        kind = QStringLiteral("DropDown");
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        text = floorText(items.join(u'|'));
        if (list->currentIndex() >= 0 || list->isEditable())
            unexpected(QStringLiteral("a chosen entry or an editable list"));
    } else if (frame && className == QLatin1String("QFrame") && frame->frameShape() == QFrame::StyledPanel) {
        kind = QStringLiteral("Frame");
    } else if (frame && className == QLatin1String("QFrame") && frame->frameShape() == QFrame::Box
        && frame->autoFillBackground() && frame->palette().color(QPalette::Window) == QColor(255, 255, 192)) {
        kind = QStringLiteral("Shape");
    } else {
        unexpected(QStringLiteral("a control the floor form does not make"));
        return;
    }
    const bool bold = widget->font().bold();
    const bool parentBold = parent->font().bold();
    if (bold && !parentBold)
        looks.prepend(QStringLiteral("Bold"));
    else if (!bold && parentBold)
        looks.prepend(QStringLiteral("Plain"));
    if (widget->font().pointSizeF() != parent->font().pointSizeF()
        || widget->font().family() != parent->font().family())
        unexpected(QStringLiteral("a font of another size or family"));
    const QColor colour = widget->palette().color(QPalette::WindowText);
    if (colour == QColor(0, 0, 128))
        looks << QStringLiteral("Blue");
    else if (colour == QColor(128, 0, 0))
        looks << QStringLiteral("Red");
    else if (colour != parent->palette().color(QPalette::WindowText))
        unexpected(QStringLiteral("text colour ") + colour.name());
    if (widget == window->focusWidget())
        looks << QStringLiteral("Focus");
    out << "    {" << kind << ", " << parentRow << ", " << place.x() << ", " << place.y() << ", "
        << place.width() << ", " << place.height() << ", "
        << (text.isEmpty() || text == QLatin1String("u\"\"") ? QStringLiteral("nullptr") : text);
    if (!looks.isEmpty())
        out << ", " << looks.join(QStringLiteral(" | "));
    out << "},\n";
    rows.append(widget);
    if (kind == QLatin1String("Frame") || kind == QLatin1String("Group")) {
        for (const QObject* child : widget->children()) {
            if (const auto* control = qobject_cast<const QWidget*>(child); control && !control->isWindow())
                writeFloorRows(control, window, rows);
        }
    }
}

void writeFloor(QWidget* window)
{
    window->show();
    bench::waitForFirstPaint(window);
    out << "// " << window->objectName() << ": " << floorText(window->windowTitle()) << ", "
        << window->width() << " x " << window->height() << '\n';
    QList<const QWidget*> rows;
    for (const QObject* child : window->children()) {
        if (const auto* control = qobject_cast<const QWidget*>(child); control && !control->isWindow())
            writeFloorRows(control, window, rows);
    }
    out << '\n';
    out.flush();
}

void describeWindow(QWidget* window)
{
    window->show();
    bench::waitForFirstPaint(window);
    out << "window " << window->objectName() << ' ' << quoted(window->windowTitle()) << ' ' << window->width()
        << 'x' << window->height() << " dpr=" << window->devicePixelRatioF()
        << " dpi=" << window->logicalDpiX() << " font=" << window->font().family() << '/'
        << window->font().pointSizeF() << "pt\n";
    describe(window, 0);
    out << '\n';
    out.flush();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::describeApplication();
    QStringList keys = QApplication::arguments().mid(1);
    const bool floor = keys.removeAll(QStringLiteral("--floor")) > 0;

    app::MainWindow window;
    if (floor)
        window.show();
    else
        describeWindow(&window);
    for (const gui::Topic& topic : gui::topics()) {
        if (!keys.isEmpty() && !keys.contains(QLatin1String(topic.key), Qt::CaseInsensitive))
            continue;
        std::unique_ptr<QDialog> dialog = gui::createDialog(topic, &window);
        if (floor)
            writeFloor(dialog.get());
        else
            describeWindow(dialog.get());
    }
    return 0;
}
