#include "convert/linear.h"
#include "gui/measure_dialog.h"
#include "support/dialog_test.h"
#include "support/modal.h"
#include "support/topics.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList fieldNames
    = {QStringLiteral("EBxCM"), QStringLiteral("EBxM"), QStringLiteral("EBxKM"), QStringLiteral("EBxIN"),
        QStringLiteral("EBxFT"), QStringLiteral("EBxYD"), QStringLiteral("EBxMI"), QStringLiteral("EBxNMI")};

} // namespace

using test_support::answerModals;
using test_support::field;
using test_support::fieldTexts;
using test_support::SeenModal;

class TestLinearDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutAndNames();
    void returnConvertsAndKeepsTheDialogOpen();
    void otherKeysChangeNothing();
    void focusOrder();
    void outOfRangeShowsAMessageAndChangesNothing();
    void doneCloses();
};

void TestLinearDialog::layoutAndNames()
{
    gui::MeasureDialog dialog(test_support::topic("Linear"));
    QCOMPARE(dialog.objectName(), QStringLiteral("frmLinear"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Linear Measure"));
    for (const QString& name : fieldNames) {
        QLineEdit* edit = field(&dialog, name);
        QVERIFY2(edit, qPrintable(name));
        QVERIFY(edit->text().isEmpty());
    }
    const QList<std::pair<const char*, const char*>> labels
        = {{"LblCentimetre", "Centimeter"}, {"LblMetre", "Meter"}, {"LblKilometre", "Kilometer"},
            {"LblInch", "Inch"}, {"LblFeet", "Feet"}, {"LblYard", "Yard"}, {"LblMile", "Mile"},
            {"LblNauticMile", "Nautical Mile"}, {"Label3", "cm"}, {"Label5", "m"}, {"Label7", "km"},
            {"Label9", "in."}, {"Label11", "ft."}, {"Label2", "yd."}, {"Label4", "mi."}};
    for (const auto& [name, text] : labels) {
        auto* label = dialog.findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(label, name);
        QCOMPARE(label->text(), QLatin1String(text));
    }
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("LblMetre"))->palette().color(QPalette::WindowText),
        QColor(0, 0, 128));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("&Done"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Command2"))->text(), QStringLiteral("&Help"));
}

void TestLinearDialog::returnConvertsAndKeepsTheDialogOpen()
{
    gui::MeasureDialog dialog(test_support::topic("Linear"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QLineEdit* kilometres = field(&dialog, QStringLiteral("EBxKM"));
    kilometres->setFocus();
    QTest::keyClicks(kilometres, QStringLiteral("1"));
    QTest::keyClick(kilometres, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    const QStringList expected = {QStringLiteral("100,000.00"), QStringLiteral("1,000.00"),
        QStringLiteral("1.00"), QStringLiteral("39,370.08"), QStringLiteral("3,280.84"),
        QStringLiteral("1,093.61"), QStringLiteral("0.62"), QStringLiteral("0.54")};
    QCOMPARE(fieldTexts(&dialog, fieldNames), expected);

    // Return in a field that shows a grouped result converts its first group only.
    QLineEdit* yards = field(&dialog, QStringLiteral("EBxYD"));
    yards->setFocus();
    QTest::keyClick(yards, Qt::Key_Enter);
    QVERIFY(dialog.isVisible());
    QCOMPARE(field(&dialog, QStringLiteral("EBxFT"))->text(), QStringLiteral("3.00"));
    QCOMPARE(yards->text(), QStringLiteral("1,093.61"));
}

void TestLinearDialog::otherKeysChangeNothing()
{
    gui::MeasureDialog dialog(test_support::topic("Linear"));
    dialog.show();
    QLineEdit* metres = field(&dialog, QStringLiteral("EBxM"));
    QTest::keyClicks(metres, QStringLiteral("12\t"));
    QTest::keyClick(metres, Qt::Key_Tab);
    for (const QString& name : fieldNames) {
        if (name != QLatin1String("EBxM"))
            QVERIFY(field(&dialog, name)->text().isEmpty());
    }
}

void TestLinearDialog::focusOrder()
{
    gui::MeasureDialog dialog(test_support::topic("Linear"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QStringList order;
    for (int i = 0; i < 11; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order,
        QStringList({QStringLiteral("EBxCM"), QStringLiteral("EBxM"), QStringLiteral("EBxKM"),
            QStringLiteral("EBxIN"), QStringLiteral("EBxFT"), QStringLiteral("EBxYD"),
            QStringLiteral("EBxMI"), QStringLiteral("EBxNMI"), QStringLiteral("Command1"),
            QStringLiteral("Command2"), QStringLiteral("EBxCM")}));
}

void TestLinearDialog::outOfRangeShowsAMessageAndChangesNothing()
{
    gui::MeasureDialog dialog(test_support::topic("Linear"));
    dialog.show();
    QLineEdit* metres = field(&dialog, QStringLiteral("EBxM"));
    QTest::keyClicks(metres, QStringLiteral("2"));
    QTest::keyClick(metres, Qt::Key_Return);
    QStringList before = fieldTexts(&dialog, fieldNames);

    QLineEdit* kilometres = field(&dialog, QStringLiteral("EBxKM"));
    kilometres->clear();
    QTest::keyClicks(kilometres, QStringLiteral("1E306"));
    before[2] = QStringLiteral("1E306");
    const QList<SeenModal> seen
        = answerModals(&dialog, [&] { QTest::keyClick(kilometres, Qt::Key_Return); }, {.pressReturn = true});
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().title, QStringLiteral("Input restriction"));
    QCOMPARE(seen.first().text, QStringLiteral("Sorry, this value gives a result out of range."));
    QCOMPARE(fieldTexts(&dialog, fieldNames), before);
    QVERIFY(dialog.isVisible());
}

void TestLinearDialog::doneCloses()
{
    gui::MeasureDialog dialog(test_support::topic("Linear"));
    dialog.show();
    dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestLinearDialog)
#include "tst_linear_dialog.moc"
