#include "gui/volume_dialog.h"
#include "support/dialog_test.h"
#include "support/modal.h"
#include "support/topics.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// The unit fields column by column, as the focus visits them.
const char* const unitNames[]
    = {"EBxCM3", "EBxML", "EBxDM3", "EBxL", "EBxHL", "EBxM3", "EBxCUIN", "EBxCUFT", "EBxCUYD", "EBxRT",
        "EBxOZFL", "EBxIMPGI", "EBxIMPPT", "EBxIMPQT", "EBxIMPGAL", "EBxIMPPK", "EBxIMPBUSH", "EBxOZFLUS",
        "EBxUSGILL", "EBxUSPTLI", "EBxUSQT", "EBxUSGAL", "EBxUSPTDR", "EBxUSQTDR", "EBxUSPK", "EBxUSBUSH"};

// One cubic metre in every unit field, in the order of unitNames.
const char* const oneCubicMetre[] = {"1,000,000.00", "1,000,000.00", "1,000.00", "1,000.00", "10.00", "1.00",
    "61,022.00", "35.314", "1.308", "0.3531", "35,199.00", "7,042.2535", "1,760.00", "880.00", "219.98",
    "110.0352", "27.4959", "33,818.00", "8,474.5763", "2,114.1649", "1,057.00", "264.18", "1,814.882",
    "908.2652", "113.5332", "28.3776"};

} // namespace

using test_support::answerModals;
using test_support::field;
using test_support::fieldTexts;
using test_support::labelFor;
using test_support::ModalRecorder;
using test_support::placeOf;
using test_support::SeenModal;
using test_support::strings;
using test_support::typeAndReturn;

// The volume dialog as a user meets it, box calculator included.
class TestVolumeDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutAndNames();
    void returnKeepsTheTypedTextAndWritesTheRest();
    void returnInAnEmptyField();
    void focusOrder();
    void boxInMetresFillsEveryField();
    void boxInFeet();
    void boxWithAnEmptyEdgeShowsAMessageAndChangesNothing_data();
    void boxWithAnEmptyEdgeShowsAMessageAndChangesNothing();
    void boxWithABlankEdgeGivesZeros();
    void returnInABoxFieldDoesNothing();
    void outOfRangeShowsAMessageAndChangesNothing();
};

void TestVolumeDialog::layoutAndNames()
{
    gui::VolumeDialog dialog(test_support::topic("Volume"));
    QCOMPARE(dialog.objectName(), QStringLiteral("frmVolume"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Volume and Liquid Measure"));
    QVERIFY(dialog.findChild<QFrame*>(QStringLiteral("Frame4")));
    for (const char* name : unitNames) {
        QLineEdit* edit = field(&dialog, name);
        QVERIFY2(edit, name);
        QVERIFY(edit->text().isEmpty());
        QVERIFY(dialog.findChild<QFrame*>(QStringLiteral("Frame4"))->isAncestorOf(edit));
    }
    const QList<std::pair<const char*, const char*>> captions
        = {{"EBxCM3", "Cubic Centimeter"}, {"EBxCUFT", "Cubic Feet"}, {"EBxOZFL", "Fluid Ounces"},
            {"EBxOZFLUS", "Fluid Ounces"}, {"EBxUSGILL", "US. Gill"}, {"EBxUSPTDR", "US. Pint"},
            {"EBxUSBUSH", "US. Bushel"}, {"EBxRT", "Register Ton"}};
    for (const auto& [name, caption] : captions) {
        QLabel* label = labelFor(&dialog, field(&dialog, name));
        QVERIFY2(label, name);
        QCOMPARE(label->text(), QLatin1String(caption));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    }
    QStringList headings;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->palette().color(QPalette::WindowText) == QColor(128, 0, 0) && label->font().bold())
            headings << label->text();
    }
    QCOMPARE(headings,
        strings({"Metric", "British/US", "British Imperial", "US Custom (liquid)", "US Custom (dry)"}));

    auto* box = dialog.findChild<QGroupBox*>(QStringLiteral("Frame1"));
    QVERIFY(box);
    QCOMPARE(box->title(), QStringLiteral("Specify a box"));
    for (const auto& [name, caption] : {std::pair("ebxLength", "Length"), std::pair("ebxHeight", "Height"),
             std::pair("ebxWidth", "Width")}) {
        QLineEdit* edit = field(&dialog, name);
        QVERIFY2(edit && box->isAncestorOf(edit), name);
        QCOMPARE(labelFor(&dialog, edit)->text(), QLatin1String(caption));
    }
    int times = 0;
    for (QLabel* label : box->findChildren<QLabel*>())
        times += label->text() == QLatin1String("X");
    QCOMPARE(times, 2);
    auto* metre = dialog.findChild<QRadioButton*>(QStringLiteral("optMeter"));
    auto* feet = dialog.findChild<QRadioButton*>(QStringLiteral("optFeet"));
    QCOMPARE(metre->text(), QStringLiteral("Meter"));
    QCOMPARE(feet->text(), QStringLiteral("Feet"));
    QVERIFY(metre->isChecked());
    QVERIFY(!feet->isChecked());
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("btnCompute"))->text(), QStringLiteral("Compute"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("&Done"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Command2"))->text(), QStringLiteral("&Help"));
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        QVERIFY2(!button->autoDefault() && !button->isDefault(), qPrintable(button->objectName()));

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Inside the box: edges in a row, then the units one above the other, then Compute. (Where the
    // box, the unit fields and the buttons stand is the layout test's.)
    QCOMPARE(placeOf(&dialog, "ebxLength").top(), placeOf(&dialog, "ebxWidth").top());
    QVERIFY(placeOf(&dialog, "ebxLength").right() < placeOf(&dialog, "ebxHeight").left());
    QVERIFY(placeOf(&dialog, "ebxHeight").right() < placeOf(&dialog, "ebxWidth").left());
    QVERIFY(placeOf(&dialog, "ebxWidth").right() < placeOf(&dialog, "optMeter").left());
    QCOMPARE(placeOf(&dialog, "optMeter").left(), placeOf(&dialog, "optFeet").left());
    QVERIFY(placeOf(&dialog, "optMeter").bottom() <= placeOf(&dialog, "optFeet").top());
    QVERIFY(placeOf(&dialog, "optMeter").right() < placeOf(&dialog, "btnCompute").left());
}

void TestVolumeDialog::returnKeepsTheTypedTextAndWritesTheRest()
{
    gui::VolumeDialog dialog(test_support::topic("Volume"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QLineEdit* gallons = field(&dialog, "EBxUSGAL");
    gallons->setFocus();
    typeAndReturn(gallons, QStringLiteral("1"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(gallons->text(), QStringLiteral("1.00"));
    QCOMPARE(field(&dialog, "EBxCM3")->text(), QStringLiteral("3,785.0007"));
    QCOMPARE(field(&dialog, "EBxML")->text(), QStringLiteral("3,785.001"));
    QCOMPARE(field(&dialog, "EBxL")->text(), QStringLiteral("3.785"));
    QCOMPARE(field(&dialog, "EBxUSQT")->text(), QStringLiteral("4.0007"));

    QLineEdit* cubicMetres = field(&dialog, "EBxM3");
    typeAndReturn(cubicMetres, QStringLiteral("1"));
    for (int i = 0; i < 26; ++i)
        QCOMPARE(field(&dialog, unitNames[i])->text(), QLatin1String(oneCubicMetre[i]));
}

void TestVolumeDialog::returnInAnEmptyField()
{
    gui::VolumeDialog dialog(test_support::topic("Volume"));
    dialog.show();
    typeAndReturn(field(&dialog, "EBxL"), QStringLiteral("5"));
    typeAndReturn(field(&dialog, "EBxIMPPT"), QString());
    for (const char* name : unitNames)
        QCOMPARE(field(&dialog, name)->text(),
            qstrcmp(name, "EBxIMPPT") == 0 ? QString() : QStringLiteral("0.00"));
    QVERIFY(dialog.isVisible());
}

void TestVolumeDialog::focusOrder()
{
    gui::VolumeDialog dialog(test_support::topic("Volume"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QStringList expected;
    for (const char* name : unitNames)
        expected << QLatin1String(name);
    expected << strings({"ebxLength", "ebxHeight", "ebxWidth", "optMeter", "optFeet", "btnCompute",
        "Command2", "Command1", "EBxCM3"});

    QStringList chain;
    QWidget* widget = field(&dialog, "EBxCM3");
    for (int i = 0; i < 1000 && chain.size() < expected.size(); ++i, widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && expected.contains(widget->objectName()))
            chain << widget->objectName();
    }
    QCOMPARE(chain, expected);

    // Tab visits the fields and buttons in that order; the two option buttons are one stop, the one
    // last chosen.
    QStringList visited;
    for (int i = 0; i < 34; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    expected.removeOne(QStringLiteral("optFeet"));
    QCOMPARE(visited, expected);

    QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("optFeet")), Qt::LeftButton);
    field(&dialog, "ebxWidth")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optFeet"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnCompute"));
}

void TestVolumeDialog::boxInMetresFillsEveryField()
{
    gui::VolumeDialog dialog(test_support::topic("Volume"));
    dialog.show();
    typeAndReturn(field(&dialog, "EBxUSGAL"), QStringLiteral("7"));
    QTest::keyClicks(field(&dialog, "ebxLength"), QStringLiteral("2"));
    QTest::keyClicks(field(&dialog, "ebxHeight"), QStringLiteral("0.5"));
    QTest::keyClicks(field(&dialog, "ebxWidth"), QStringLiteral("1"));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnCompute")), Qt::LeftButton);
    for (int i = 0; i < 26; ++i)
        QCOMPARE(field(&dialog, unitNames[i])->text(), QLatin1String(oneCubicMetre[i]));
    QCOMPARE(field(&dialog, "ebxLength")->text(), QStringLiteral("2"));
    QCOMPARE(field(&dialog, "ebxHeight")->text(), QStringLiteral("0.5"));
    QCOMPARE(field(&dialog, "ebxWidth")->text(), QStringLiteral("1"));
    QVERIFY(dialog.isVisible());
}

void TestVolumeDialog::boxInFeet()
{
    gui::VolumeDialog dialog(test_support::topic("Volume"));
    dialog.show();
    for (const char* name : {"ebxLength", "ebxHeight", "ebxWidth"})
        QTest::keyClicks(field(&dialog, name), QStringLiteral("1"));
    QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("optFeet")), Qt::LeftButton);
    QVERIFY(!dialog.findChild<QRadioButton*>(QStringLiteral("optMeter"))->isChecked());
    dialog.findChild<QPushButton*>(QStringLiteral("btnCompute"))->click();
    QCOMPARE(field(&dialog, "EBxCUFT")->text(), QStringLiteral("1.00"));
    QCOMPARE(field(&dialog, "EBxCUIN")->text(), QStringLiteral("1,727.9443"));
    QCOMPARE(field(&dialog, "EBxCUYD")->text(), QStringLiteral("0.037"));
    QCOMPARE(field(&dialog, "EBxL")->text(), QStringLiteral("28.3167"));
}

void TestVolumeDialog::boxWithAnEmptyEdgeShowsAMessageAndChangesNothing_data()
{
    QTest::addColumn<QString>("emptied");
    QTest::newRow("length empty") << "ebxLength";
    QTest::newRow("height empty") << "ebxHeight";
    QTest::newRow("width empty") << "ebxWidth";
}

void TestVolumeDialog::boxWithAnEmptyEdgeShowsAMessageAndChangesNothing()
{
    QFETCH(QString, emptied);
    gui::VolumeDialog dialog(test_support::topic("Volume"));
    dialog.show();
    typeAndReturn(field(&dialog, "EBxL"), QStringLiteral("1"));
    for (const char* name : {"ebxLength", "ebxHeight", "ebxWidth"})
        QTest::keyClicks(field(&dialog, name), QStringLiteral("3"));
    dialog.findChild<QLineEdit*>(emptied)->clear();
    const QStringList before = fieldTexts(&dialog, unitNames);

    auto* compute = dialog.findChild<QPushButton*>(QStringLiteral("btnCompute"));
    const QList<SeenModal> seen
        = answerModals(&dialog, [compute] { compute->click(); }, {.pressReturn = true});
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().title, QStringLiteral("Input Validation"));
    QCOMPARE(seen.first().text, QStringLiteral("Please enter Length, Height and Width of the box."));
    QCOMPARE(seen.first().buttonCount, 1);
    QCOMPARE(fieldTexts(&dialog, unitNames), before);
    QVERIFY(dialog.isVisible());
}

void TestVolumeDialog::boxWithABlankEdgeGivesZeros()
{
    gui::VolumeDialog dialog(test_support::topic("Volume"));
    dialog.show();
    typeAndReturn(field(&dialog, "EBxL"), QStringLiteral("1"));
    QTest::keyClicks(field(&dialog, "ebxLength"), QStringLiteral(" "));
    QTest::keyClicks(field(&dialog, "ebxHeight"), QStringLiteral("2"));
    QTest::keyClicks(field(&dialog, "ebxWidth"), QStringLiteral("2"));
    dialog.findChild<QPushButton*>(QStringLiteral("btnCompute"))->click();
    QCOMPARE(fieldTexts(&dialog, unitNames), QStringList(26, QStringLiteral("0.00")));
}

void TestVolumeDialog::returnInABoxFieldDoesNothing()
{
    gui::VolumeDialog dialog(test_support::topic("Volume"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const ModalRecorder modals(&dialog);
    for (const char* name : {"ebxLength", "ebxHeight", "ebxWidth"}) {
        QLineEdit* edge = field(&dialog, name);
        edge->setFocus();
        QTest::keyClicks(edge, QStringLiteral("2"));
        QTest::keyClick(edge, Qt::Key_Return);
        QTest::keyClick(edge, Qt::Key_Enter);
        QVERIFY(dialog.isVisible());
        QCOMPARE(edge->text(), QStringLiteral("2"));
    }
    // A message would have opened, and been answered, inside the key press; what it posted runs now.
    QCoreApplication::processEvents();
    QVERIFY(modals.seen().isEmpty());
    QCOMPARE(fieldTexts(&dialog, unitNames), QStringList(26));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
}

void TestVolumeDialog::outOfRangeShowsAMessageAndChangesNothing()
{
    gui::VolumeDialog dialog(test_support::topic("Volume"));
    dialog.show();
    typeAndReturn(field(&dialog, "EBxL"), QStringLiteral("1"));
    const QStringList before = fieldTexts(&dialog, unitNames);
    for (const char* name : {"ebxLength", "ebxHeight", "ebxWidth"})
        QTest::keyClicks(field(&dialog, name), QStringLiteral("1E20"));

    auto* compute = dialog.findChild<QPushButton*>(QStringLiteral("btnCompute"));
    QList<SeenModal> seen = answerModals(&dialog, [compute] { compute->click(); }, {.pressReturn = true});
    QCOMPARE(fieldTexts(&dialog, unitNames), before);

    QLineEdit* cubicMetres = field(&dialog, "EBxM3");
    cubicMetres->clear();
    QTest::keyClicks(cubicMetres, QStringLiteral("1E36"));
    seen << answerModals(
        &dialog, [cubicMetres] { QTest::keyClick(cubicMetres, Qt::Key_Return); }, {.pressReturn = true});
    QStringList expectedBefore = before;
    expectedBefore[5] = QStringLiteral("1E36");
    QCOMPARE(fieldTexts(&dialog, unitNames), expectedBefore);
    QStringList messages;
    for (const SeenModal& box : seen)
        messages << box.title + QLatin1Char('|') + box.text;
    QCOMPARE(messages,
        QStringList(2, QStringLiteral("Input restriction|Sorry, this value gives a result out of range.")));
}

QTEST_MAIN(TestVolumeDialog)
#include "tst_volume_dialog.moc"
