#include "app/main_window.h"
#include "gui/quick_tip_window.h"
#include "gui/topic_dialog.h"
#include "support/topics.h"
#include "tables/help_texts.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QMetaEnum>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include <initializer_list>
#include <memory>

namespace {

bool takesTabFocus(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isVisible()
        && widget->isEnabled();
}

// What a screen reader announces for the control.
QString spokenName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
}

// Every object of the accessibility tree under `node` that has no name, each with its path of roles and
// object names. Hidden objects count too: each of them shows at some time (a menu, a list that drops
// down, the toolbar's button for what does not fit), and then a screen reader meets it.
void collectUnnamed(QAccessibleInterface* node, const QString& path, QStringList& unnamed)
{
    if (!node || !node->isValid())
        return;
    const QObject* object = node->object();
    const QString here = path
        + QStringLiteral("/%1 %2").arg(
            QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(node->role())),
            object ? object->objectName() : QString());
    if (node->text(QAccessible::Name).trimmed().isEmpty())
        unnamed.append(here);
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), here, unnamed);
}

QStringList unnamedObjects(QWidget* window)
{
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), QString(), unnamed);
    return unnamed;
}

QList<QWidget*> focusableControls(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (takesTabFocus(widget))
            controls.append(widget);
    }
    return controls;
}

// An exclusive group of option buttons is a single Tab stop, at its checked button; the arrow keys move
// within the group.
QList<QWidget*> tabStops(QWidget* window)
{
    QList<QWidget*> stops;
    for (QWidget* widget : focusableControls(window)) {
        auto* option = qobject_cast<QRadioButton*>(widget);
        if (!option || !option->autoExclusive() || option->isChecked())
            stops.append(widget);
    }
    return stops;
}

// Presses `key` in the focused widget until the focus comes back to where it started, and returns the
// widgets it visited on the way, starting with the one that had the focus.
QList<QWidget*> walkFocus(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers, int limit)
{
    QList<QWidget*> visited;
    QWidget* first = QApplication::focusWidget();
    if (!first)
        return visited;
    visited.append(first);
    for (int step = 0; step < limit; ++step) {
        QWidget* current = QApplication::focusWidget();
        QTest::keyClick(current ? current : window, key, modifiers);
        QWidget* next = QApplication::focusWidget();
        if (next == first || next == nullptr)
            break;
        visited.append(next);
    }
    return visited;
}

QStringList texts(std::initializer_list<const char*> latin1)
{
    QStringList result;
    for (const char* text : latin1)
        result.append(QString::fromLatin1(text));
    return result;
}

QStringList names(const QList<QWidget*>& widgets)
{
    QStringList result;
    for (const QWidget* widget : widgets)
        result.append(widget->objectName());
    return result;
}

} // namespace

class TestAccessibility final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsAreToldApartByName_data();
    void controlsAreToldApartByName();
    void everyObjectOfTheTreeHasAName_data();
    void everyObjectOfTheTreeHasAName();
    void controlsAreNamedAfterWhatTheyShow_data();
    void controlsAreNamedAfterWhatTheyShow();
    void tabWalksTheFocusOrder_data();
    void tabWalksTheFocusOrder();
    void optionButtonsTakeArrowKeys();
    void quickHelpTextIsNamedAfterItsTopic();
};

void TestAccessibility::controlsAreToldApartByName_data()
{
    test_support::addTopicRows();
}

// That every control has a name at all is the tree's test below.
void TestAccessibility::controlsAreToldApartByName()
{
    QFETCH(const gui::Topic*, topic);
    std::unique_ptr<QDialog> dialog = gui::createDialog(*topic, nullptr);
    QVERIFY(dialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

    const QList<QWidget*> controls = focusableControls(dialog.get());
    QVERIFY(controls.size() >= 3);
    QHash<QString, QStringList> holders;
    for (QWidget* control : controls)
        holders[spokenName(control)].append(control->objectName());
    // Two controls announced alike could not be told apart by ear.
    for (auto it = holders.cbegin(); it != holders.cend(); ++it) {
        QVERIFY2(it.value().size() == 1,
            qPrintable(QStringLiteral("\"%1\" names %2").arg(it.key(), it.value().join(u", "))));
    }
    // Button names are their captions without the access-key marker.
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (!takesTabFocus(button) || button->text().isEmpty())
            continue;
        QString caption = button->text();
        caption.remove(QLatin1Char('&'));
        QCOMPARE(spokenName(button), caption);
    }
}

void TestAccessibility::everyObjectOfTheTreeHasAName_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<const gui::Topic*>("topic");
    QTest::newRow("main window") << QStringLiteral("frmMain") << static_cast<const gui::Topic*>(nullptr);
    QTest::newRow("quick help") << QStringLiteral("frmQuickTip") << &gui::topics().front();
    for (const gui::Topic& topic : gui::topics())
        QTest::newRow(topic.dialogName) << QString() << &topic;
}

// What a screen reader meets: every object of the tree the accessibility bus exports, not only the
// controls that take the focus.
void TestAccessibility::everyObjectOfTheTreeHasAName()
{
    QFETCH(QString, window);
    QFETCH(const gui::Topic*, topic);
    std::unique_ptr<QWidget> shown;
    if (window == QLatin1String("frmMain"))
        shown = std::make_unique<app::MainWindow>();
    else if (window == QLatin1String("frmQuickTip"))
        shown = std::make_unique<gui::QuickTipWindow>(QString::fromUtf16(tables::helpCaption),
            QString::fromUtf8(topic->helpTopic), QString::fromUtf16(topic->helpText));
    else
        shown = gui::createDialog(*topic, nullptr);
    QVERIFY(shown);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    const QStringList unnamed = unnamedObjects(shown.get());
    QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("without a name:\n") + unnamed.join(u'\n')));
}

void TestAccessibility::controlsAreNamedAfterWhatTheyShow_data()
{
    QTest::addColumn<const gui::Topic*>("topic");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::newRow("linear field by its caption")
        << &test_support::topic("Linear") << QStringLiteral("EBxKM") << QStringLiteral("Kilometer");
    QTest::newRow("linear field without abbreviation")
        << &test_support::topic("Linear") << QStringLiteral("EBxNMI") << QStringLiteral("Nautical Mile");
    QTest::newRow("surface field") << &test_support::topic("Surface") << QStringLiteral("EbxSQYD")
                                   << QStringLiteral("Square Yard");
    QTest::newRow("weight field") << &test_support::topic("Weight") << QStringLiteral("EBxLB")
                                  << QStringLiteral("Avdp. Pound");
    QTest::newRow("volume field") << &test_support::topic("Volume") << QStringLiteral("EBxHL")
                                  << QStringLiteral("Hectoliter");
    QTest::newRow("shared caption told apart by the column heading") << &test_support::topic(
        "Volume") << QStringLiteral("EBxUSPTDR") << QStringLiteral("US. Pint, US Custom (dry)");
    QTest::newRow("shared caption told apart by the abbreviation")
        << &test_support::topic("Weight") << QStringLiteral("EBxCWT") << QStringLiteral("Quintal, cwt");
    QTest::newRow("volume box edge") << &test_support::topic("Volume") << QStringLiteral("ebxLength")
                                     << QStringLiteral("Length");
    QTest::newRow("temperature field")
        << &test_support::topic("Misc") << QStringLiteral("ebxCelsius") << QStringLiteral("\u00b0 Celsius");
    QTest::newRow("fuel field") << &test_support::topic("Misc") << QStringLiteral("ebxLtr100km")
                                << QStringLiteral("Liter/100km");
    QTest::newRow("number field") << &test_support::topic("Number") << QStringLiteral("ebxHex")
                                  << QStringLiteral("Hexadecimal");
    QTest::newRow("paper list by its heading")
        << &test_support::topic("Paper") << QStringLiteral("List1") << QStringLiteral("Size Name");
    QTest::newRow("paper figure by its row and column") << &test_support::topic(
        "Paper") << QStringLiteral("TxtHeightMil") << QStringLiteral("Height in millimeters");
    QTest::newRow("first clothing list by its group and system") << &test_support::topic(
        "Cloth") << QStringLiteral("lbxMenSuitUS") << QStringLiteral("Men's Suits and Overcoats, American");
    QTest::newRow("last clothing list by its group and system") << &test_support::topic(
        "Cloth") << QStringLiteral("lbxKidEU") << QStringLiteral("Children's Clothes, European");
}

void TestAccessibility::controlsAreNamedAfterWhatTheyShow()
{
    QFETCH(const gui::Topic*, topic);
    QFETCH(QString, field);
    QFETCH(QString, name);
    std::unique_ptr<QDialog> dialog = gui::createDialog(*topic, nullptr);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto* widget = dialog->findChild<QWidget*>(field);
    QVERIFY(widget);
    QCOMPARE(spokenName(widget), name);
}

void TestAccessibility::tabWalksTheFocusOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("linear dialog") << QStringLiteral("Linear")
                                   << texts({"EBxCM", "EBxM", "EBxKM", "EBxIN", "EBxFT", "EBxYD", "EBxMI",
                                          "EBxNMI", "Command1", "Command2"});
    QTest::newRow("surface dialog") << QStringLiteral("Surface")
                                    << texts({"EbxQM", "EbxARE", "EbxQKM", "EbxHA", "EbxSQFT", "EbxSQYD",
                                           "EbxACRE", "EbxSQMI", "EbxCL", "Command1", "Command2"});
    // Meter and Feet are one Tab stop between them (see optionButtonsTakeArrowKeys).
    QTest::newRow("volume dialog: units column by column, then the box")
        << QStringLiteral("Volume")
        << texts({"EBxCM3", "EBxML", "EBxDM3", "EBxL", "EBxHL", "EBxM3", "EBxCUIN", "EBxCUFT", "EBxCUYD",
               "EBxRT", "EBxOZFL", "EBxIMPGI", "EBxIMPPT", "EBxIMPQT", "EBxIMPGAL", "EBxIMPPK", "EBxIMPBUSH",
               "EBxOZFLUS", "EBxUSGILL", "EBxUSPTLI", "EBxUSQT", "EBxUSGAL", "EBxUSPTDR", "EBxUSQTDR",
               "EBxUSPK", "EBxUSBUSH", "ebxLength", "ebxHeight", "ebxWidth", "optMeter", "btnCompute",
               "Command2", "Command1"});
    QTest::newRow("weight dialog: Done first, Help last")
        << QStringLiteral("Weight")
        << texts({"Command1", "EBxG", "EBxKG", "EBxQ", "EBxT", "EBxGR", "EBxDWT", "EBxOZ", "EBxTROZ", "EBxLB",
               "EBxTRLB", "EBxUSCWT", "EBxST", "EBxUSQR", "EBxQR", "EBxCWT", "EBxSHTN", "EBxLTN",
               "Command2"});
    QTest::newRow("miscellaneous dialog: buttons before the fuel fields")
        << QStringLiteral("Misc")
        << texts(
               {"ebxCelsius", "ebxFahrenheit", "ebxKelvin", "ebxReaumur", "ebxBtu", "ebxMegajoule", "ebxKWh",
                   "ebxTherm", "ebxPS", "ebxKW", "btnHelp", "btnDone", "ebxMilesGallon", "ebxLtr100km"});
    QTest::newRow("number systems dialog: buttons before the addresses")
        << QStringLiteral("Number")
        << texts({"ebxDec", "ebxBin", "ebxOct", "ebxHex", "ebxRom", "Command2", "Command1", "ebxHexAddr",
               "ebxKanAddr"});
    QTest::newRow("paper sizes dialog")
        << QStringLiteral("Paper") << texts({"List1", "Command1", "Command2"});
    QTest::newRow("clothing sizes dialog: group by group, then Help and Done")
        << QStringLiteral("Cloth")
        << texts({"lbxMenSuitUS", "lbxMenSuitUK", "lbxMenSuitEU", "lbxWomSuitUS", "lbxWomSuitUK",
               "lbxWomSuitEU", "lbxMenShirtUS", "lbxMenShirtUK", "lbxMenShirtEU", "lbxWomBloUS",
               "lbxWomBloUK", "lbxWomBloEU", "lbxMenShoeUS", "lbxMenShoeUK", "lbxMenShoeEU", "lbxWomShoeUS",
               "lbxWomShoeUK", "lbxWomShoeEU", "lbxKidUS", "lbxKidUK", "lbxKidEU", "Command2", "Command1"});
    QTest::newRow("quick help: Ok first, so that Return or Space closes it at once")
        << QStringLiteral("quick help") << texts({"btnOK", "txtTip"});
}

void TestAccessibility::tabWalksTheFocusOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    std::unique_ptr<QWidget> shown;
    if (window == QLatin1String("quick help"))
        shown = std::make_unique<gui::QuickTipWindow>(
            QStringLiteral("Caption"), QStringLiteral("Topic"), QString::fromUtf16(tables::numbersHelp));
    else
        shown = gui::createDialog(test_support::topic(qPrintable(window)), nullptr);
    shown->show();
    QVERIFY(QTest::qWaitForWindowActive(shown.get()));
    QCOMPARE(
        QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), order.first());

    const QList<QWidget*> forward = walkFocus(shown.get(), Qt::Key_Tab, Qt::NoModifier, 2 * order.size());
    QCOMPARE(names(forward), order);
    // Every control that takes the focus is on the way, and none twice.
    const QList<QWidget*> controls = tabStops(shown.get());
    QCOMPARE(QSet<QWidget*>(forward.cbegin(), forward.cend()).size(), forward.size());
    QCOMPARE(
        QSet<QWidget*>(forward.cbegin(), forward.cend()), QSet<QWidget*>(controls.cbegin(), controls.cend()));
    QVERIFY(shown->isVisible());

    // Shift+Tab goes the same way back: from the first control to the last, and so on.
    const QList<QWidget*> backward
        = walkFocus(shown.get(), Qt::Key_Backtab, Qt::ShiftModifier, 2 * order.size());
    QStringList reversed{order.first()};
    for (qsizetype i = order.size() - 1; i > 0; --i)
        reversed.append(order.at(i));
    QCOMPARE(names(backward), reversed);
}

void TestAccessibility::optionButtonsTakeArrowKeys()
{
    std::unique_ptr<QDialog> dialog = gui::createDialog(test_support::topic("Volume"), nullptr);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    auto* metre = dialog->findChild<QRadioButton*>(QStringLiteral("optMeter"));
    auto* feet = dialog->findChild<QRadioButton*>(QStringLiteral("optFeet"));
    QVERIFY(metre && feet);
    dialog->findChild<QWidget*>(QStringLiteral("ebxWidth"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), metre);
    QTest::keyClick(metre, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), feet);
    QVERIFY(feet->isChecked());
    QVERIFY(!metre->isChecked());
    // Now Feet is the group's Tab stop, between the width and Compute.
    QTest::keyClick(feet, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnCompute"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), feet);
    QTest::keyClick(feet, Qt::Key_Up);
    QVERIFY(metre->isChecked());
}

// The help text field is announced with the topic it explains, and as help text where there is none.
void TestAccessibility::quickHelpTextIsNamedAfterItsTopic()
{
    {
        const gui::QuickTipWindow window{QString(), QString(), QString()};
        QCOMPARE(
            spokenName(window.findChild<QWidget*>(QStringLiteral("txtTip"))), QStringLiteral("Help text"));
    }
    const gui::QuickTipWindow window(QString(), QStringLiteral("Paper Sizes Dialog"), QString());
    QCOMPARE(spokenName(window.findChild<QWidget*>(QStringLiteral("txtTip"))),
        QStringLiteral("Paper Sizes Dialog"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
