#include "gui/measure_dialog.h"
#include "support/dialog_test.h"
#include "support/topics.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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

using test_support::field;
using test_support::labelFor;
using test_support::typeAndReturn;

// The miscellaneous dialog's own texts, and what it shows where a fuel consumption has no answer. What
// it shares with the other measure dialogs is tested over all of them (tst_measure_dialogs, tst_keyboard,
// tst_accessibility).
class TestMiscDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowIsCaptionedMiscellaneous();
    void framesHaveBoldCaptionsAndPlainFields();
    void everyFieldIsLabelledWithItsUnit();
    void fuelWithoutConsumptionLeavesTheOtherFieldEmpty();
};

void TestMiscDialog::windowIsCaptionedMiscellaneous()
{
    const gui::MeasureDialog dialog(test_support::topic("Misc"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Miscellaneous"));
}

// Which field stands in which frame is the layout test's.
void TestMiscDialog::framesHaveBoldCaptionsAndPlainFields()
{
    gui::MeasureDialog dialog(test_support::topic("Misc"));
    QStringList captions;
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>()) {
        QVERIFY2(box->font().bold(), qPrintable(box->title()));
        captions << box->title();
    }
    QCOMPARE(captions, test_support::strings({"Temperature", "Energy", "Power", "Fuel Consumption"}));
    for (const Unit& unit : units)
        QVERIFY2(!test_support::requiredField(&dialog, unit.field)->font().bold(), unit.field);
}

// Each field is named by its unit label in dark blue (which stands at its right, as the layout test
// checks); there are no abbreviations.
void TestMiscDialog::everyFieldIsLabelledWithItsUnit()
{
    gui::MeasureDialog dialog(test_support::topic("Misc"));
    const QString format = QStringLiteral("%1: \"%2\" in %3");
    QStringList seen;
    QStringList expected;
    for (const Unit& unit : units) {
        QLineEdit* edit = test_support::requiredField(&dialog, unit.field);
        const QLabel* label = labelFor(&dialog, edit);
        QVERIFY2(label, unit.field);
        seen << format.arg(
            QLatin1String(unit.field), label->text(), label->palette().color(QPalette::WindowText).name());
        expected << format.arg(
            QLatin1String(unit.field), QString::fromUtf8(unit.label), QStringLiteral("#000080"));
    }
    QCOMPARE(seen, expected);
}

// Zero, or text without a number, in a fuel consumption field has no answer in the other one, which is
// left empty.
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
}

QTEST_MAIN(TestMiscDialog)
#include "tst_misc_dialog.moc"
