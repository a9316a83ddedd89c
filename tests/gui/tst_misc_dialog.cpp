#include "convert/misc.h"
#include "gui/measure_dialog.h"
#include "support/dialog_test.h"
#include "support/modal.h"
#include "support/topics.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

struct Unit
{
    const char* field;
    const char* label;
};

const Unit units[] = {{"ebxCelsius", "\u00B0 Celsius"}, {"ebxFahrenheit", "\u00B0 Fahrenheit"},
    {"ebxKelvin", "\u00B0 Kelvin"}, {"ebxReaumur", "\u00B0 Reaumur"}, {"ebxBtu", "Btu"},
    {"ebxMegajoule", "Megajoule"}, {"ebxKWh", "KWh"}, {"ebxTherm", "Therm"}, {"ebxPS", "Horsepower"},
    {"ebxKW", "Kilowatt"}, {"ebxMilesGallon", "Miles/Gallon"}, {"ebxLtr100km", "Liter/100km"}};

} // namespace

using test_support::answerModals;
using test_support::field;
using test_support::fieldTexts;
using test_support::labelFor;
using test_support::SeenModal;
using test_support::strings;
using test_support::typeAndReturn;

// The miscellaneous dialog as a user meets it.
class TestMiscDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutAndNames();
    void returnConvertsItsGroupAndFormatsAll();
    void fuelWithoutConsumptionLeavesTheOtherFieldEmpty();
    void focusOrder();
    void outOfRangeShowsAMessageAndChangesNothing();
};

void TestMiscDialog::layoutAndNames()
{
    gui::MeasureDialog dialog(test_support::topic("Misc"));
    QCOMPARE(dialog.objectName(), QStringLiteral("frmMisc"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Miscellaneous"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QList<QGroupBox*> frames;
    for (const char* title : {"Temperature", "Energy", "Power", "Fuel Consumption"}) {
        QGroupBox* found = nullptr;
        for (QGroupBox* box : dialog.findChildren<QGroupBox*>()) {
            if (box->title() == QLatin1String(title))
                found = box;
        }
        QVERIFY2(found, title);
        QVERIFY(found->font().bold());
        frames << found;
    }
    // (Where the frames, fields and buttons stand is the layout test's.)
    const int frameOf[] = {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 3, 3};
    for (int i = 0; i < 12; ++i) {
        QLineEdit* edit = field(&dialog, units[i].field);
        QVERIFY2(edit, units[i].field);
        QVERIFY(edit->text().isEmpty());
        QVERIFY(frames[frameOf[i]]->isAncestorOf(edit));
        QVERIFY(!edit->font().bold());
        // The unit label names its field, in dark blue.
        QLabel* label = labelFor(&dialog, edit);
        QVERIFY2(label, units[i].field);
        QCOMPARE(label->text(), QString::fromUtf8(units[i].label));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    }

    // Help and Done carry no access keys.
    auto* help = dialog.findChild<QPushButton*>(QStringLiteral("btnHelp"));
    auto* done = dialog.findChild<QPushButton*>(QStringLiteral("btnDone"));
    QCOMPARE(help->text(), QStringLiteral("Help"));
    QCOMPARE(done->text(), QStringLiteral("Done"));
    QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("Command1")));
    for (QPushButton* button : {help, done})
        QVERIFY(!button->autoDefault() && !button->isDefault());
}

void TestMiscDialog::returnConvertsItsGroupAndFormatsAll()
{
    gui::MeasureDialog dialog(test_support::topic("Misc"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QLineEdit* celsius = field(&dialog, "ebxCelsius");
    typeAndReturn(celsius, QStringLiteral("100"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(fieldTexts(&dialog, units, &Unit::field),
        strings({"100.00", "212.00", "373.15", "80.00", "", "", "", "", "", "", "", ""}));

    typeAndReturn(field(&dialog, "ebxKWh"), QStringLiteral("1"));
    typeAndReturn(field(&dialog, "ebxLtr100km"), QStringLiteral("10"));
    QCOMPARE(fieldTexts(&dialog, units, &Unit::field),
        strings({"100.00", "212.00", "373.15", "80.00", "3,412.9693", "3.60", "1.00", "0.0341", "", "",
            "23.52", "10.00"}));

    // A power conversion touches no other group beyond formatting; a typed unformatted value elsewhere is
    // formatted too.
    field(&dialog, "ebxKelvin")->setText(QStringLiteral("7.123456"));
    typeAndReturn(field(&dialog, "ebxPS"), QStringLiteral("100"));
    QCOMPARE(fieldTexts(&dialog, units, &Unit::field),
        strings({"100.00", "212.00", "7.1235", "80.00", "3,412.9693", "3.60", "1.00", "0.0341", "100.00",
            "74.57", "23.52", "10.00"}));

    // Return in the grouped Btu field converts only its leading 3.
    QLineEdit* btu = field(&dialog, "ebxBtu");
    btu->setFocus();
    QTest::keyClick(btu, Qt::Key_Return);
    QCOMPARE(btu->text(), QStringLiteral("3,412.9693"));
    QCOMPARE(field(&dialog, "ebxMegajoule")->text(), QStringLiteral("0.0032"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
}

void TestMiscDialog::fuelWithoutConsumptionLeavesTheOtherFieldEmpty()
{
    gui::MeasureDialog dialog(test_support::topic("Misc"));
    dialog.show();
    typeAndReturn(field(&dialog, "ebxMilesGallon"), QStringLiteral("30"));
    QCOMPARE(field(&dialog, "ebxLtr100km")->text(), QStringLiteral("7.84"));
    typeAndReturn(field(&dialog, "ebxMilesGallon"), QStringLiteral("0"));
    QCOMPARE(field(&dialog, "ebxMilesGallon")->text(), QStringLiteral("0.00"));
    QCOMPARE(field(&dialog, "ebxLtr100km")->text(), QString());
    typeAndReturn(field(&dialog, "ebxMilesGallon"), QStringLiteral("30"));
    typeAndReturn(field(&dialog, "ebxLtr100km"), QStringLiteral("none"));
    QCOMPARE(field(&dialog, "ebxLtr100km")->text(), QStringLiteral("none"));
    QCOMPARE(field(&dialog, "ebxMilesGallon")->text(), QString());
    for (const QString& text : fieldTexts(&dialog, units, &Unit::field)) {
        QVERIFY(!text.contains(QLatin1String("inf"), Qt::CaseInsensitive));
        QVERIFY(!text.contains(QLatin1String("nan"), Qt::CaseInsensitive));
    }
}

void TestMiscDialog::focusOrder()
{
    gui::MeasureDialog dialog(test_support::topic("Misc"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QStringList order;
    for (int i = 0; i < 15; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order,
        strings({"ebxCelsius", "ebxFahrenheit", "ebxKelvin", "ebxReaumur", "ebxBtu", "ebxMegajoule", "ebxKWh",
            "ebxTherm", "ebxPS", "ebxKW", "btnHelp", "btnDone", "ebxMilesGallon", "ebxLtr100km",
            "ebxCelsius"}));
}

void TestMiscDialog::outOfRangeShowsAMessageAndChangesNothing()
{
    gui::MeasureDialog dialog(test_support::topic("Misc"));
    dialog.show();
    typeAndReturn(field(&dialog, "ebxMilesGallon"), QStringLiteral("30"));
    QStringList before = fieldTexts(&dialog, units, &Unit::field);
    QLineEdit* litres = field(&dialog, "ebxLtr100km");
    litres->clear();
    QTest::keyClicks(litres, QStringLiteral("1E-320"));
    before[11] = QStringLiteral("1E-320");
    const QList<SeenModal> seen
        = answerModals(&dialog, [litres] { QTest::keyClick(litres, Qt::Key_Return); }, {.pressReturn = true});
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().title + QLatin1Char('|') + seen.first().text,
        QStringLiteral("Input restriction|Sorry, this value gives a result out of range."));
    QCOMPARE(fieldTexts(&dialog, units, &Unit::field), before);
}

QTEST_MAIN(TestMiscDialog)
#include "tst_misc_dialog.moc"
