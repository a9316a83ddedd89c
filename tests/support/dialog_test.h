#pragma once

#include <QLabel>
#include <QLatin1String>
#include <QLineEdit>
#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <QtGlobal>

#include <functional>
#include <initializer_list>

// Small helpers the dialog tests share: finding controls by name, reading what the fields show, acting
// as a user would and measuring where things lie.
namespace test_support {

// What a helper gives back when it cannot find what a test asked for: the running test is marked failed
// with `why`, and goes on with a stand-in of no dialog, instead of the whole test program ending.
template <typename Widget> Widget* failedLookup(const QString& why)
{
    QTest::qFail(qPrintable(why), __FILE__, __LINE__);
    static Widget* const standIn = new Widget;
    return standIn;
}

// The dialog's line edit of that name; null when there is none, so that a test can check for it.
inline QLineEdit* field(QWidget* dialog, const QString& name)
{
    return dialog->findChild<QLineEdit*>(name);
}

inline QLineEdit* field(QWidget* dialog, const char* name)
{
    return field(dialog, QString(QLatin1String(name)));
}

// A field the test cannot go on without: a missing one fails the test with its name rather than with a
// null pointer.
inline QLineEdit* requiredField(QWidget* dialog, const QString& name)
{
    QLineEdit* found = field(dialog, name);
    return found ? found : failedLookup<QLineEdit>(QStringLiteral("no field ") + name);
}

inline QLineEdit* requiredField(QWidget* dialog, const char* name)
{
    return requiredField(dialog, QString(QLatin1String(name)));
}

// What the named fields show, in the order of `names`. `nameOf` picks the field name out of an entry,
// for a table of rows (`&Unit::field`).
template <typename Names, typename NameOf = std::identity>
QStringList fieldTexts(QWidget* dialog, const Names& names, NameOf nameOf = {})
{
    QStringList texts;
    for (const auto& entry : names)
        texts << requiredField(dialog, std::invoke(nameOf, entry))->text();
    return texts;
}

inline QStringList strings(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromUtf8(item);
    return list;
}

// Replaces the field's text by typing and presses Return, the way a user asks for a conversion.
inline void typeAndReturn(QLineEdit* edit, const QString& text)
{
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

// Where a widget lies, in the dialog's coordinates.
inline QRect placeOf(QWidget* dialog, QWidget* widget)
{
    return QRect(widget->mapTo(dialog, QPoint()), widget->size());
}

inline QRect placeOf(QWidget* dialog, const QString& name)
{
    auto* widget = dialog->findChild<QWidget*>(name);
    return placeOf(dialog, widget ? widget : failedLookup<QWidget>(QStringLiteral("no widget ") + name));
}

inline QRect placeOf(QWidget* dialog, const char* name)
{
    return placeOf(dialog, QString(QLatin1String(name)));
}

// The label that names `buddy` (and gives it its access key), or null.
inline QLabel* labelFor(QWidget* dialog, QWidget* buddy)
{
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->buddy() == buddy)
            return label;
    }
    return nullptr;
}

// The text of the nearest label standing right of a field on its row.
inline QString labelRightOf(QWidget* dialog, QWidget* edit)
{
    const QRect place = placeOf(dialog, edit);
    QLabel* nearest = nullptr;
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        const QRect other = placeOf(dialog, label);
        if (other.left() > place.right() && other.top() < place.center().y()
            && other.bottom() > place.center().y()
            && (!nearest || other.left() < placeOf(dialog, nearest).left()))
            nearest = label;
    }
    return nearest ? nearest->text() : QString();
}

// Twips (1/1440 of a logical inch) in pixels at `dpi`, worked out here on its own so that a test does
// not take the program's conversion on trust.
inline int twipsToPixels(double twips, int dpi)
{
    return qRound(twips * dpi / 1440.0);
}

} // namespace test_support
