#include "gui/topic_dialog.h"
#include "support/modal.h"
#include "support/topics.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// Opens the topic's dialog as the main window does and waits until it has the keyboard.
std::unique_ptr<QDialog> openDialog(const gui::Topic& topic)
{
    std::unique_ptr<QDialog> dialog = gui::createDialog(topic, nullptr);
    dialog->show();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        QTest::qFail(qPrintable(QLatin1String(topic.dialogName) + QStringLiteral(" did not become active")),
            __FILE__, __LINE__);
    return dialog;
}

// Tabs on until the named control has the focus; false when the focus comes round without meeting it.
bool tabTo(QDialog* dialog, const QString& name)
{
    // The offscreen platform hands activation back to no window when a window over the dialog closes.
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog))
        return false;
    for (int step = 0; step < 64; ++step) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus->objectName() == name)
            return true;
        QTest::keyClick(focus ? focus : dialog, Qt::Key_Tab);
    }
    return false;
}

bool isDone(const QString& name)
{
    return name == QLatin1String("Command1") || name == QLatin1String("btnDone");
}

} // namespace

// Every dialog from the keyboard alone: Return or Enter on a focused button presses that button, and
// anywhere else Return never presses a button or closes the dialog.
class TestKeyboard final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void returnPressesTheFocusedButton_data();
    void returnPressesTheFocusedButton();
    void returnElsewherePressesNoButton_data();
    void returnElsewherePressesNoButton();
};

void TestKeyboard::returnPressesTheFocusedButton_data()
{
    test_support::addTopicRows();
}

void TestKeyboard::returnPressesTheFocusedButton()
{
    QFETCH(const gui::Topic*, topic);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        std::unique_ptr<QDialog> dialog = openDialog(*topic);
        const QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
        QVERIFY(buttons.size() >= 2);
        // Done last, since it closes the dialog.
        QString done;
        for (const QPushButton* button : buttons) {
            const QString name = button->objectName();
            if (isDone(name)) {
                done = name;
                continue;
            }
            QVERIFY2(tabTo(dialog.get(), name), qPrintable(name));
            // The quick help, and the box calculator's message about empty edges, are answered with
            // Return too.
            const QList<test_support::SeenModal> seen = test_support::answerModals(dialog.get(),
                [key] { QTest::keyClick(QApplication::focusWidget(), key); }, {.pressReturn = true});
            QVERIFY2(seen.size() == 1, qPrintable(name));
            if (name == QLatin1String("btnCompute")) {
                QCOMPARE(seen[0].title, QStringLiteral("Input Validation"));
            } else {
                QCOMPARE(seen[0].objectName, QStringLiteral("frmQuickTip"));
                QCOMPARE(seen[0].topic, QString::fromUtf8(topic->helpTopic));
            }
            QVERIFY(dialog->isVisible());
            QVERIFY(!QApplication::activeModalWidget() || QApplication::activeModalWidget() == dialog.get());
        }
        QVERIFY(!done.isEmpty());
        QVERIFY(tabTo(dialog.get(), done));
        QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }
}

void TestKeyboard::returnElsewherePressesNoButton_data()
{
    test_support::addTopicRows();
}

// After every button had the focus once, Return in each other control of the dialog (fields, lists,
// option buttons) presses no button: no quick help opens and the dialog stays open. A field may still
// refuse what it holds with a message.
void TestKeyboard::returnElsewherePressesNoButton()
{
    QFETCH(const gui::Topic*, topic);
    std::unique_ptr<QDialog> dialog = openDialog(*topic);
    // A first round gives every button the focus once, the second presses Return everywhere else.
    QStringList order;
    for (QWidget* focus = QApplication::focusWidget(); focus && !order.contains(focus->objectName());
         focus = QApplication::focusWidget()) {
        order.append(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QVERIFY(order.size() >= 3);
    for (const QString& name : order) {
        QVERIFY(tabTo(dialog.get(), name));
        QWidget* focus = QApplication::focusWidget();
        if (qobject_cast<QPushButton*>(focus))
            continue;
        const QList<test_support::SeenModal> seen
            = test_support::answerModals(dialog.get(), [focus] { QTest::keyClick(focus, Qt::Key_Return); });
        for (const test_support::SeenModal& window : seen)
            QVERIFY2(window.icon, qPrintable(name + QStringLiteral(" opened ") + window.title));
        QVERIFY2(dialog->isVisible(), qPrintable(name));
    }
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
