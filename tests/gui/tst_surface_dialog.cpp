#include "gui/measure_dialog.h"
#include "support/dialog_test.h"
#include "support/topics.h"
#include "support/unit_labels.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

const test_support::UnitLabels units[] = {
    {"EbxQM", "LblSqMeter", "Square Meter", "Label22", "m2"},
    {"EbxARE", "LblAre", "Are", "Label10", "a"},
    {"EbxQKM", "LblSqKilometer", "Square Kilometer", "Label18", "km2"},
    {"EbxHA", "LblHectare", "Hectare", "Label20", "ha"},
    {"EbxSQFT", "LblSqFeet", "Square Feet", "Label16", "sq.ft."},
    {"EbxSQYD", "LblSqYard", "Square Yard", "Label14", "sq.yd."},
    {"EbxACRE", "LblAcres", "Acre", nullptr, ""},
    {"EbxSQMI", "LblSqMile", "Square Mile", "Label8", "sq.mi."},
    {"EbxCL", "LblClaim", "Claim", "Label6", "cl."},
};

} // namespace

// The surface dialog's own texts. What it shares with the other measure dialogs is tested over all of
// them (tst_measure_dialogs, tst_keyboard, tst_accessibility).
class TestSurfaceDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowIsCaptionedSurfaceMeasure();
    void everyFieldIsLabelledWithItsUnit();
};

void TestSurfaceDialog::windowIsCaptionedSurfaceMeasure()
{
    const gui::MeasureDialog dialog(test_support::topic("Surface"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Surface Measure"));
}

// Above each field its caption in dark blue, right of it its abbreviation.
void TestSurfaceDialog::everyFieldIsLabelledWithItsUnit()
{
    gui::MeasureDialog dialog(test_support::topic("Surface"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    test_support::compareUnitLabels(&dialog, units);
}

QTEST_MAIN(TestSurfaceDialog)
#include "tst_surface_dialog.moc"
