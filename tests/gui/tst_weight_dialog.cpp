#include "gui/measure_dialog.h"
#include "support/dialog_test.h"
#include "support/topics.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

struct Unit
{
    const char* field;
    const char* caption;
    const char* abbreviation;
};

// Column by column, top to bottom.
const Unit units[] = {{"EBxG", "Gram", "g"}, {"EBxKG", "Kilogram", "kg"}, {"EBxQ", "Quintal", "q"},
    {"EBxT", "Ton", "t"}, {"EBxGR", "Grain", "gr"}, {"EBxDWT", "Pennyweight", "dwt"},
    {"EBxOZ", "Avdp. Ounce", "oz"}, {"EBxTROZ", "Troy Ounce", "tr.oz"}, {"EBxTRLB", "Troy Pound", "tr.lb"},
    {"EBxLB", "Avdp. Pound", "lb"}, {"EBxST", "Stone", "st"}, {"EBxUSQR", "US. Quarter", "us.qr"},
    {"EBxQR", "British Quarter", "qr"}, {"EBxUSCWT", "Cental", "us.cwt"}, {"EBxCWT", "Quintal", "cwt"},
    {"EBxSHTN", "Short Ton", "sh.tn"}, {"EBxLTN", "Long Ton", "l.tn"}};

} // namespace

using test_support::labelFor;
using test_support::labelRightOf;

// The weight dialog's own texts, and Done's place at the head of the focus order. What it shares with the
// other measure dialogs is tested over all of them (tst_measure_dialogs, tst_keyboard, tst_accessibility).
class TestWeightDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowIsCaptionedWeightMeasure();
    void everyFieldIsLabelledWithItsUnit();
    void returnRightAfterOpeningClosesTheDialog();
};

void TestWeightDialog::windowIsCaptionedWeightMeasure()
{
    const gui::MeasureDialog dialog(test_support::topic("Weight"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Weight Measure"));
}

// In the captionless frame, above each field its caption in dark blue, right of it its abbreviation. The
// two "Quintal" fields are told apart by their abbreviations.
void TestWeightDialog::everyFieldIsLabelledWithItsUnit()
{
    gui::MeasureDialog dialog(test_support::topic("Weight"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* frame = dialog.findChild<QFrame*>(QStringLiteral("Frame1"));
    QVERIFY(frame);
    const QString format = QStringLiteral("%1 %2: \"%3\" in %4, then \"%5\"");
    QStringList seen;
    QStringList expected;
    for (const Unit& unit : units) {
        QLineEdit* edit = test_support::requiredField(&dialog, unit.field);
        const QLabel* caption = labelFor(&dialog, edit);
        QVERIFY2(caption, unit.field);
        seen << format.arg(QLatin1String(unit.field),
            frame->isAncestorOf(edit) ? QStringLiteral("in Frame1") : QStringLiteral("outside Frame1"),
            caption->text(), caption->palette().color(QPalette::WindowText).name(),
            labelRightOf(&dialog, edit));
        expected << format.arg(QLatin1String(unit.field), QStringLiteral("in Frame1"),
            QLatin1String(unit.caption), QStringLiteral("#000080"), QLatin1String(unit.abbreviation));
    }
    QCOMPARE(seen, expected);
}

// Done has the focus when the dialog opens, so Return closes it at once.
void TestWeightDialog::returnRightAfterOpeningClosesTheDialog()
{
    gui::MeasureDialog dialog(test_support::topic("Weight"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestWeightDialog)
#include "tst_weight_dialog.moc"
