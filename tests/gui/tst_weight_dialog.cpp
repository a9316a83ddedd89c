#include "convert/weight.h"
#include "gui/measure_dialog.h"
#include "support/dialog_test.h"
#include "support/modal.h"
#include "support/topics.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

using test_support::answerModals;
using test_support::field;
using test_support::fieldTexts;
using test_support::labelFor;
using test_support::labelRightOf;
using test_support::SeenModal;
using test_support::strings;
using test_support::typeAndReturn;

// The weight dialog as a user meets it.
class TestWeightDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutAndNames();
    void returnKeepsTheTypedTextAndWritesTheRest();
    void returnInAFieldKeepsTheDialogOpen();
    void returnRightAfterOpeningClosesTheDialog();
    void focusOrder();
    void outOfRangeShowsAMessageAndChangesNothing();
};

void TestWeightDialog::layoutAndNames()
{
    gui::MeasureDialog dialog(test_support::topic("Weight"));
    QCOMPARE(dialog.objectName(), QStringLiteral("frmWeight"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Weight Measure"));
    auto* frame = dialog.findChild<QFrame*>(QStringLiteral("Frame1"));
    QVERIFY(frame);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (const Unit& unit : units) {
        QLineEdit* edit = field(&dialog, unit.field);
        QVERIFY2(edit && frame->isAncestorOf(edit), unit.field);
        QVERIFY(edit->text().isEmpty());
        QLabel* caption = labelFor(&dialog, edit);
        QVERIFY2(caption, unit.field);
        QCOMPARE(caption->text(), QLatin1String(unit.caption));
        QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QCOMPARE(labelRightOf(&dialog, edit), QLatin1String(unit.abbreviation));
    }
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("&Done"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Command2"))->text(), QStringLiteral("&Help"));
}

void TestWeightDialog::returnKeepsTheTypedTextAndWritesTheRest()
{
    gui::MeasureDialog dialog(test_support::topic("Weight"));
    dialog.show();
    typeAndReturn(field(&dialog, "EBxKG"), QStringLiteral("1"));
    QCOMPARE(fieldTexts(&dialog, units, &Unit::field),
        strings({"1,000.00", "1.00", "0.01", "0.001", "15,384.6154", "643.0868", "35.2734", "32.1502",
            "2.6792", "2.2046", "0.1575", "0.0882", "0.0787", "0.022", "0.0197", "0.0011", "0.001"}));

    typeAndReturn(field(&dialog, "EBxG"), QStringLiteral("123456789"));
    QCOMPARE(field(&dialog, "EBxG")->text(), QStringLiteral("123,456,789.00"));
    QCOMPARE(field(&dialog, "EBxKG")->text(), QStringLiteral("123,456.80"));
    QCOMPARE(field(&dialog, "EBxQ")->text(), QStringLiteral("1,234.5679"));

    typeAndReturn(field(&dialog, "EBxCWT"), QString());
    QStringList zeros(17, QStringLiteral("0.00"));
    zeros[14] = QString();
    QCOMPARE(fieldTexts(&dialog, units, &Unit::field), zeros);
}

void TestWeightDialog::returnInAFieldKeepsTheDialogOpen()
{
    gui::MeasureDialog dialog(test_support::topic("Weight"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    for (const Unit& unit : units) {
        QLineEdit* edit = field(&dialog, unit.field);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter);
        QVERIFY2(dialog.isVisible(), unit.field);
    }
    QCOMPARE(dialog.result(), 0);
}

void TestWeightDialog::returnRightAfterOpeningClosesTheDialog()
{
    gui::MeasureDialog dialog(test_support::topic("Weight"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestWeightDialog::focusOrder()
{
    gui::MeasureDialog dialog(test_support::topic("Weight"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QStringList order;
    for (int i = 0; i < 20; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order,
        strings({"Command1", "EBxG", "EBxKG", "EBxQ", "EBxT", "EBxGR", "EBxDWT", "EBxOZ", "EBxTROZ", "EBxLB",
            "EBxTRLB", "EBxUSCWT", "EBxST", "EBxUSQR", "EBxQR", "EBxCWT", "EBxSHTN", "EBxLTN", "Command2",
            "Command1"}));
}

void TestWeightDialog::outOfRangeShowsAMessageAndChangesNothing()
{
    gui::MeasureDialog dialog(test_support::topic("Weight"));
    dialog.show();
    typeAndReturn(field(&dialog, "EBxLB"), QStringLiteral("1"));
    QStringList before = fieldTexts(&dialog, units, &Unit::field);
    QLineEdit* longTons = field(&dialog, "EBxLTN");
    longTons->clear();
    QTest::keyClicks(longTons, QStringLiteral("1E33"));
    before[16] = QStringLiteral("1E33");
    const QList<SeenModal> seen = answerModals(
        &dialog, [longTons] { QTest::keyClick(longTons, Qt::Key_Return); }, {.pressReturn = true});
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().title + QLatin1Char('|') + seen.first().text,
        QStringLiteral("Input restriction|Sorry, this value gives a result out of range."));
    QCOMPARE(fieldTexts(&dialog, units, &Unit::field), before);
    QVERIFY(dialog.isVisible());
}

QTEST_MAIN(TestWeightDialog)
#include "tst_weight_dialog.moc"
