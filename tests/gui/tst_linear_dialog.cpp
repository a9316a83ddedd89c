#include "gui/measure_dialog.h"
#include "support/dialog_test.h"
#include "support/topics.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

struct Unit
{
    const char* field;
    const char* captionName;
    const char* caption;
    const char* abbreviationName; // nullptr where the unit has no abbreviation
    const char* abbreviation;
};

const Unit units[] = {
    {"EBxCM", "LblCentimetre", "Centimeter", "Label3", "cm"},
    {"EBxM", "LblMetre", "Meter", "Label5", "m"},
    {"EBxKM", "LblKilometre", "Kilometer", "Label7", "km"},
    {"EBxIN", "LblInch", "Inch", "Label9", "in."},
    {"EBxFT", "LblFeet", "Feet", "Label11", "ft."},
    {"EBxYD", "LblYard", "Yard", "Label2", "yd."},
    {"EBxMI", "LblMile", "Mile", "Label4", "mi."},
    {"EBxNMI", "LblNauticMile", "Nautical Mile", nullptr, ""},
};

} // namespace

using test_support::labelFor;
using test_support::labelRightOf;
using test_support::requiredField;

// The linear dialog's own texts. What it shares with the other measure dialogs is tested over all of
// them (tst_measure_dialogs, tst_keyboard, tst_accessibility).
class TestLinearDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowIsCaptionedLinearMeasure();
    void everyFieldIsLabelledWithItsUnit();
};

void TestLinearDialog::windowIsCaptionedLinearMeasure()
{
    const gui::MeasureDialog dialog(test_support::topic("Linear"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Linear Measure"));
}

// Above each field its caption in dark blue, right of it its abbreviation.
void TestLinearDialog::everyFieldIsLabelledWithItsUnit()
{
    gui::MeasureDialog dialog(test_support::topic("Linear"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QString format = QStringLiteral("%1: %2 \"%3\" in %4, then \"%5\", %6 \"%7\"");
    QStringList seen;
    QStringList expected;
    for (const Unit& unit : units) {
        QLineEdit* field = requiredField(&dialog, unit.field);
        const QLabel* caption = labelFor(&dialog, field);
        QVERIFY2(caption, unit.field);
        const QLabel* abbreviation = unit.abbreviationName
            ? dialog.findChild<QLabel*>(QLatin1String(unit.abbreviationName))
            : nullptr;
        seen << format.arg(QLatin1String(unit.field), caption->objectName(), caption->text(),
            caption->palette().color(QPalette::WindowText).name(), labelRightOf(&dialog, field),
            abbreviation ? abbreviation->objectName() : QString(),
            abbreviation ? abbreviation->text() : QString());
        expected << format.arg(QLatin1String(unit.field), QLatin1String(unit.captionName),
            QLatin1String(unit.caption), QStringLiteral("#000080"), QLatin1String(unit.abbreviation),
            QLatin1String(unit.abbreviationName), QLatin1String(unit.abbreviation));
    }
    QCOMPARE(seen, expected);
}

QTEST_MAIN(TestLinearDialog)
#include "tst_linear_dialog.moc"
