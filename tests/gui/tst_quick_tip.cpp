#include "gui/quick_tip_window.h"
#include "gui/topic_dialog.h"
#include "support/help_texts.h"
#include "support/modal.h"
#include "support/topics.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

// What a dialog shows in its fields and lists, to tell that help changed nothing there.
QStringList contentsOf(QWidget* dialog)
{
    QStringList contents;
    for (const QLineEdit* field : dialog->findChildren<QLineEdit*>())
        contents << field->text();
    for (const QComboBox* list : dialog->findChildren<QComboBox*>())
        contents << list->currentText();
    for (const QListWidget* list : dialog->findChildren<QListWidget*>())
        contents << QString::number(list->currentRow());
    return contents;
}

// Leaves something in every field and list, for help to keep.
void useEverything(QWidget* dialog)
{
    for (QLineEdit* field : dialog->findChildren<QLineEdit*>())
        field->setText(QStringLiteral("7"));
    for (QComboBox* list : dialog->findChildren<QComboBox*>())
        list->setCurrentIndex(1);
    for (QListWidget* list : dialog->findChildren<QListWidget*>())
        list->setCurrentRow(4);
}

} // namespace

class TestQuickTip final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsWhatItIsGiven();
    void textBKeepsItsLinesAndScrolls();
    void everyDialogsHelp_data();
    void everyDialogsHelp();
    void okClosesTheWindow_data();
    void okClosesTheWindow();
};

void TestQuickTip::showsWhatItIsGiven()
{
    gui::QuickTipWindow window(QStringLiteral("Caption"), QStringLiteral("Topic"), QStringLiteral("Body"));
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
    gui::QuickTipWindow window(test_support::help_texts::caption, QStringLiteral("Number Conversion Dialog"),
        test_support::help_texts::numbers);
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
    QVERIFY(tip->verticalScrollBar()->maximum() > 0);
}

void TestQuickTip::everyDialogsHelp_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("helpButton");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("text");
    using namespace test_support::help_texts;
    const QString help = QStringLiteral("Command2");
    QTest::newRow("linear") << "Linear" << help << "Linear Conversion Dialog" << measures;
    QTest::newRow("surface") << "Surface" << help << "Surface Conversion Dialog" << measures;
    QTest::newRow("volume") << "Volume" << help << "Volume Conversion Dialog" << measures;
    QTest::newRow("weight") << "Weight" << help << "Weight Conversion Dialog" << measures;
    QTest::newRow("miscellaneous") << "Misc"
                                   << "btnHelp"
                                   << "Miscellaneous Conversion Dialog" << measures;
    QTest::newRow("number systems") << "Number" << help << "Number Conversion Dialog" << numbers;
    QTest::newRow("paper sizes") << "Paper" << help << "Paper Sizes Dialog" << paper;
    QTest::newRow("clothing sizes") << "Cloth" << help << "Clothing Size Dialog" << clothing;
}

// Help in every dialog shows the quick help with the dialog's topic and text, and leaves the dialog open
// as it was. The text is the one shown, carriage returns and line feeds included.
void TestQuickTip::everyDialogsHelp()
{
    QFETCH(QString, key);
    QFETCH(QString, helpButton);
    QFETCH(QString, topic);
    QFETCH(QString, text);
    std::unique_ptr<QDialog> dialog = gui::createDialog(test_support::topic(qPrintable(key)), nullptr);
    dialog->show();
    useEverything(dialog.get());
    const QStringList before = contentsOf(dialog.get());
    auto* help = dialog->findChild<QPushButton*>(helpButton);
    QVERIFY(help);
    const QList<test_support::SeenModal> seen
        = test_support::answerModals(dialog.get(), [help] { help->click(); });
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].objectName, QStringLiteral("frmQuickTip"));
    QCOMPARE(seen[0].title, test_support::help_texts::caption);
    QCOMPARE(seen[0].topic, topic);
    QCOMPARE(seen[0].text, QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(QString::fromUtf16(gui::findTopic(key)->helpText), text);
    QVERIFY(dialog->isVisible());
    QCOMPARE(contentsOf(dialog.get()), before);
}

void TestQuickTip::okClosesTheWindow_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return right after opening") << int(Qt::Key_Return);
    QTest::newRow("Space right after opening") << int(Qt::Key_Space);
}

void TestQuickTip::okClosesTheWindow()
{
    QFETCH(int, key);
    gui::QuickTipWindow window(QStringLiteral("c"), QStringLiteral("t"), test_support::help_texts::numbers);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key(key));
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(TestQuickTip)
#include "tst_quick_tip.moc"
