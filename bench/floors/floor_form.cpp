#include "bench/floors/floor_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <vector>

namespace floors {

namespace {

QPalette textPalette(const QWidget* dialog, const QColor& colour)
{
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::WindowText, colour);
    return palette;
}

QStringList entries(const char16_t* text)
{
    return QString::fromUtf16(text).split(u'|');
}

} // namespace

std::unique_ptr<QDialog> makeForm(const Form& form, QWidget* parent)
{
    auto dialog = std::make_unique<QDialog>(parent);
    dialog->setWindowTitle(QString::fromUtf16(form.title));
    dialog->setFixedSize(form.width, form.height);
    QFont bold = dialog->font();
    bold.setBold(true);
    // Set as not bold, rather than left as it is, so that it does not take the bold of its frame.
    QFont plain = dialog->font();
    plain.setBold(false);
    const QPalette blue = textPalette(dialog.get(), QColor(0, 0, 128));
    const QPalette red = textPalette(dialog.get(), QColor(128, 0, 0));

    std::vector<QWidget*> made;
    made.reserve(form.controls.size());
    for (const Control& control : form.controls) {
        QWidget* in = control.parent < 0 ? dialog.get() : made[static_cast<std::size_t>(control.parent)];
        const QString text = control.text ? QString::fromUtf16(control.text) : QString();
        QWidget* widget = nullptr;
        switch (control.kind) {
        case Kind::Frame: {
            auto* frame = new QFrame(in);
            frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
            widget = frame;
            break;
        }
        case Kind::Group:
            widget = new QGroupBox(text, in);
            break;
        case Kind::Field:
            widget = new QLineEdit(in);
            break;
        case Kind::Label: {
            auto* label = new QLabel(text, in);
            if (control.look & Centred)
                label->setAlignment(Qt::AlignCenter);
            else if (control.look & CentredAbove)
                label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            if (control.look & WhiteBox) {
                label->setFrameStyle(QFrame::Box | QFrame::Plain);
                QPalette white = label->palette();
                white.setColor(QPalette::Window, Qt::white);
                label->setPalette(white);
                label->setAutoFillBackground(true);
            }
            widget = label;
            break;
        }
        case Kind::Button: {
            auto* button = new QPushButton(text, in);
            button->setAutoDefault(false);
            widget = button;
            break;
        }
        case Kind::Radio: {
            auto* radio = new QRadioButton(text, in);
            radio->setChecked(control.look & Checked);
            widget = radio;
            break;
        }
        case Kind::List: {
            auto* list = new QListWidget(in);
            list->addItems(entries(control.text));
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            // Without this the list makes its first entry current when it gains the focus.
            list->setCurrentIndex(QModelIndex());
            widget = list;
            break;
        }
        case Kind::DropDown: {
            auto* list = new QComboBox(in);
            list->addItems(entries(control.text));
            list->setCurrentIndex(-1);
            widget = list;
            break;
        }
        case Kind::Shape: {
            auto* shape = new QFrame(in);
            shape->setFrameStyle(QFrame::Box | QFrame::Plain);
            QPalette yellow = shape->palette();
            yellow.setColor(QPalette::Window, QColor(255, 255, 192));
            shape->setPalette(yellow);
            shape->setAutoFillBackground(true);
            widget = shape;
            break;
        }
        }
        if (control.look & Bold)
            widget->setFont(bold);
        else if (control.look & Plain)
            widget->setFont(plain);
        if (control.look & Blue)
            widget->setPalette(blue);
        else if (control.look & Red)
            widget->setPalette(red);
        widget->setGeometry(control.x, control.y, control.width, control.height);
        if (control.look & Focus)
            widget->setFocus();
        made.push_back(widget);
    }
    return dialog;
}

} // namespace floors
