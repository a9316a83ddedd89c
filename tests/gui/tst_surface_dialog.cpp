#include "convert/surface.h"
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

const QStringList fieldNames = {QStringLiteral("EbxQM"), QStringLiteral("EbxARE"), QStringLiteral("EbxQKM"),
    QStringLiteral("EbxHA"), QStringLiteral("EbxSQFT"), QStringLiteral("EbxSQYD"), QStringLiteral("EbxACRE"),
    QStringLiteral("EbxSQMI"), QStringLiteral("EbxCL")};

} // namespace

using test_support::answerModals;
using test_support::field;
using test_support::fieldTexts;
using test_support::SeenModal;
using test_support::strings;

// The surface dialog as a user meets it.
class TestSurfaceDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutAndNames();
    void returnConvertsEveryOtherField_data();
    void returnConvertsEveryOtherField();
    void otherKeysChangeNothing();
    void focusOrder();
    void outOfRangeShowsAMessageAndChangesNothing();
    void doneCloses();
};

void TestSurfaceDialog::layoutAndNames()
{
    gui::MeasureDialog dialog(test_support::topic("Surface"));
    QCOMPARE(dialog.objectName(), QStringLiteral("frmSurface"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Surface Measure"));
    for (const QString& name : fieldNames) {
        QVERIFY2(field(&dialog, name), qPrintable(name));
        QVERIFY(field(&dialog, name)->text().isEmpty());
    }
    const QList<std::pair<const char*, const char*>> labels
        = {{"LblSqMeter", "Square Meter"}, {"LblAre", "Are"}, {"LblSqKilometer", "Square Kilometer"},
            {"LblHectare", "Hectare"}, {"LblSqFeet", "Square Feet"}, {"LblSqYard", "Square Yard"},
            {"LblAcres", "Acre"}, {"LblSqMile", "Square Mile"}, {"LblClaim", "Claim"}, {"Label22", "m2"},
            {"Label10", "a"}, {"Label18", "km2"}, {"Label20", "ha"}, {"Label16", "sq.ft."},
            {"Label14", "sq.yd."}, {"Label8", "sq.mi."}, {"Label6", "cl."}};
    for (const auto& [name, text] : labels) {
        auto* label = dialog.findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(label, name);
        QCOMPARE(label->text(), QLatin1String(text));
    }
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("LblAcres"))->palette().color(QPalette::WindowText),
        QColor(0, 0, 128));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("&Done"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Command2"))->text(), QStringLiteral("&Help"));

    // The abbreviation stands right of its field. (Where the fields stand is the layout test's.)
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("Label18"))->geometry().left()
        >= field(&dialog, QStringLiteral("EbxQKM"))->geometry().right());
}

void TestSurfaceDialog::returnConvertsEveryOtherField_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");
    // Fields in the order EbxQM, EbxARE, EbxQKM, EbxHA, EbxSQFT, EbxSQYD, EbxACRE, EbxSQMI, EbxCL.
    QTest::newRow("one hectare") << "EbxHA"
                                 << "1"
                                 << strings({"10,000.00", "100.00", "0.01", "1.00", "107,639.10", "11,959.90",
                                        "2.47", "0.00", "1.68"});
    QTest::newRow("one square mile") << "EbxSQMI"
                                     << "1"
                                     << strings({"2,589,988.11", "25,899.88", "2.59", "259.00",
                                            "27,878,400.00", "3,097,600.00", "640.00", "1.00", "435.29"});
    QTest::newRow("empty square metres")
        << "EbxQM"
        << "" << strings({"", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"});
    QTest::newRow("minus one hectare") << "EbxHA"
                                       << "-1"
                                       << strings({"-10,000.00", "-100.00", "-0.01", "-1.00", "-107,639.10",
                                              "-11,959.90", "-2.47", "0.00", "-1.68"});
}

void TestSurfaceDialog::returnConvertsEveryOtherField()
{
    QFETCH(QString, source);
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);

    gui::MeasureDialog dialog(test_support::topic("Surface"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QLineEdit* edit = field(&dialog, source);
    edit->setFocus();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(fieldTexts(&dialog, fieldNames), expected);
}

void TestSurfaceDialog::otherKeysChangeNothing()
{
    gui::MeasureDialog dialog(test_support::topic("Surface"));
    dialog.show();
    QLineEdit* acres = field(&dialog, QStringLiteral("EbxACRE"));
    QTest::keyClicks(acres, QStringLiteral("12"));
    QTest::keyClick(acres, Qt::Key_Tab);
    QTest::keyClick(acres, Qt::Key_Escape, Qt::ShiftModifier);
    for (const QString& name : fieldNames) {
        if (name != QLatin1String("EbxACRE"))
            QVERIFY(field(&dialog, name)->text().isEmpty());
    }
    QCOMPARE(acres->text(), QStringLiteral("12"));
}

void TestSurfaceDialog::focusOrder()
{
    gui::MeasureDialog dialog(test_support::topic("Surface"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QStringList order;
    for (int i = 0; i < 12; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order,
        strings({"EbxQM", "EbxARE", "EbxQKM", "EbxHA", "EbxSQFT", "EbxSQYD", "EbxACRE", "EbxSQMI", "EbxCL",
            "Command1", "Command2", "EbxQM"}));
}

void TestSurfaceDialog::outOfRangeShowsAMessageAndChangesNothing()
{
    gui::MeasureDialog dialog(test_support::topic("Surface"));
    dialog.show();
    QLineEdit* hectares = field(&dialog, QStringLiteral("EbxHA"));
    QTest::keyClicks(hectares, QStringLiteral("1"));
    QTest::keyClick(hectares, Qt::Key_Return);
    QStringList before = fieldTexts(&dialog, fieldNames);

    QLineEdit* squareKilometres = field(&dialog, QStringLiteral("EbxQKM"));
    squareKilometres->clear();
    QTest::keyClicks(squareKilometres, QStringLiteral("1E305"));
    before[2] = QStringLiteral("1E305");
    const QList<SeenModal> seen = answerModals(
        &dialog, [&] { QTest::keyClick(squareKilometres, Qt::Key_Return); }, {.pressReturn = true});
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().title, QStringLiteral("Input restriction"));
    QCOMPARE(seen.first().text, QStringLiteral("Sorry, this value gives a result out of range."));
    QCOMPARE(fieldTexts(&dialog, fieldNames), before);
    QVERIFY(dialog.isVisible());
}

void TestSurfaceDialog::doneCloses()
{
    gui::MeasureDialog dialog(test_support::topic("Surface"));
    dialog.show();
    dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestSurfaceDialog)
#include "tst_surface_dialog.moc"
