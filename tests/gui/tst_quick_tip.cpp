#include "gui/help.h"
#include "gui/quick_tip_window.h"
#include "support/help_texts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

class TestQuickTip final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsTheStringsAsTheyStoodAtLoad();
    void textBKeepsItsLinesAndScrolls();
    void texts_data();
    void texts();
    void focusOrderAndClosing();
};

void TestQuickTip::showsTheStringsAsTheyStoodAtLoad()
{
    gui::helpStrings() = {QStringLiteral("Caption"), QStringLiteral("Topic"), QStringLiteral("Body")};
    gui::QuickTipWindow window(gui::helpStrings().caption, gui::helpStrings().topic, gui::helpStrings().text);
    gui::helpStrings() = {QStringLiteral("later"), QStringLiteral("later"), QStringLiteral("later")};
    QCOMPARE(window.objectName(), QStringLiteral("frmQuickTip"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Caption"));
    auto* topic = window.findChild<QLabel*>(QStringLiteral("txtTopic"));
    QCOMPARE(topic->text(), QStringLiteral("Topic"));
    QVERIFY(topic->font().bold());
    QCOMPARE(topic->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QCOMPARE(
        window.findChild<QPlainTextEdit*>(QStringLiteral("txtTip"))->toPlainText(), QStringLiteral("Body"));
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("Frame1")));
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("Frame2")));
    QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("btnOK"))->text(), QStringLiteral("Ok"));
}

void TestQuickTip::textBKeepsItsLinesAndScrolls()
{
    gui::helpStrings() = {test_support::help_texts::caption, QStringLiteral("Number Conversion Dialog"),
        test_support::help_texts::numbers};
    gui::QuickTipWindow window(gui::helpStrings().caption, gui::helpStrings().topic, gui::helpStrings().text);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* tip = window.findChild<QPlainTextEdit*>(QStringLiteral("txtTip"));
    const QStringList lines = tip->toPlainText().split(u'\n');
    const QStringList expected
        = {QStringLiteral(
               "Select a field and type in any according value. Don't use any decimal or grouping symbols "
               "here. Then press Return."),
            QString(), QStringLiteral("Due to overflow prevention please restrict your inputs to: "),
            QString(), QStringLiteral("Binary: <= 26 digits"), QStringLiteral("Octal: <= 10 digits"),
            QStringLiteral("Decimal: <= 9 digits"), QStringLiteral("Hexadecimal: <= 7 digits"),
            QStringLiteral("Roman: <= 20 digits"),
            QStringLiteral("Network Address: = 12 digits hexadecimal/kanonical")};
    QCOMPARE(lines, expected);
    // The stored text breaks its lines with carriage return and line feed.
    QCOMPARE(test_support::help_texts::numbers.count(QStringLiteral("\r\n")), 9);
    QVERIFY(!test_support::help_texts::numbers.endsWith(u'\n'));
    QVERIFY(tip->verticalScrollBar()->maximum() > 0);
}

void TestQuickTip::texts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("A, measures")
        << test_support::help_texts::measures
        << QStringLiteral("Select a field and type in any according numeric value. Only use the valid "
                          "decimal symbol and digit grouping symbol as specified in your regional "
                          "number settings in the Windows Control Panel. Then press Return.");
    QTest::newRow("C, paper") << test_support::help_texts::paper
                              << QStringLiteral(
                                     "Select a paper size out of the list box. You can see the according "
                                     "height and width in the text boxes. The yellow rectangle shall give "
                                     "you an idea of the relative size.");
    QTest::newRow("D, clothing")
        << test_support::help_texts::clothing
        << QStringLiteral("Use the drop down list boxes in any of the clothing groups to select a "
                          "size that you would like to convert. You will see the according values in "
                          "the other list boxes after your selection.");
    QTest::newRow("caption") << test_support::help_texts::caption << QStringLiteral(" Tallyo 97 - QuickHelp");
}

void TestQuickTip::texts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestQuickTip::focusOrderAndClosing()
{
    gui::helpStrings() = {QStringLiteral("c"), QStringLiteral("t"), test_support::help_texts::numbers};
    gui::QuickTipWindow window(gui::helpStrings().caption, gui::helpStrings().topic, gui::helpStrings().text);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* ok = window.findChild<QPushButton*>(QStringLiteral("btnOK"));
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtTip"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Space);
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(TestQuickTip)
#include "tst_quick_tip.moc"
