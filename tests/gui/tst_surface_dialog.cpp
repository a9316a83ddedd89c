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

using test_support::labelFor;
using test_support::labelRightOf;
using test_support::requiredField;

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

QTEST_MAIN(TestSurfaceDialog)
#include "tst_surface_dialog.moc"
