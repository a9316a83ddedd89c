#include "gui/measure_dialog.h"
#include "support/dialog_test.h"
#include "support/topics.h"
#include "support/unit_labels.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

const test_support::UnitLabels units[] = {
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
    test_support::compareUnitLabels(&dialog, units);
}

QTEST_MAIN(TestLinearDialog)
#include "tst_linear_dialog.moc"
