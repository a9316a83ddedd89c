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

} // namespace

// Every dialog from the keyboard alone: its Help and Done as captioned, Return or Enter on a focused button
// presses that button, and anywhere else Return or Enter never presses a button or closes the dialog.
class TestKeyboard final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void helpAndDoneAreCaptioned_data() { addButtonRows(); }
    void helpAndDoneAreCaptioned();
    void returnPressesTheFocusedButton_data() { addButtonRows(); }
    void returnPressesTheFocusedButton();
    void returnElsewherePressesNoButton_data();
    void returnElsewherePressesNoButton();

private:
    static void addButtonRows();
};

// Every dialog's Help and Done, by name and caption; the miscellaneous dialog's carry no access keys.
void TestKeyboard::addButtonRows()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("helpCaption");
    QTest::addColumn<QString>("done");
    QTest::addColumn<QString>("doneCaption");
    for (const char* key : {"Linear", "Surface", "Volume", "Weight", "Paper", "Number", "Cloth"})
        QTest::addRow("%s dialog", key) << key << "Command2"
                                        << "&Help"
                                        << "Command1"
                                        << "&Done";
    QTest::newRow("Misc dialog, without access keys") << "Misc"
                                                      << "btnHelp"
                                                      << "Help"
                                                      << "btnDone"
                                                      << "Done";
}

void TestKeyboard::helpAndDoneAreCaptioned()
{
    QFETCH(QString, key);
    QFETCH(QString, help);
    QFETCH(QString, helpCaption);
    QFETCH(QString, done);
    QFETCH(QString, doneCaption);
    const std::unique_ptr<QDialog> dialog = gui::createDialog(test_support::topic(qPrintable(key)), nullptr);
    const auto caption = [&dialog](const QString& name) {
        const auto* button = dialog->findChild<QPushButton*>(name);
        return button ? button->text() : QStringLiteral("no button ") + name;
    };
    QCOMPARE(caption(help), helpCaption);
    QCOMPARE(caption(done), doneCaption);
}

void TestKeyboard::returnPressesTheFocusedButton()
{
    QFETCH(QString, key);
    QFETCH(QString, help);
    QFETCH(QString, done);
    for (const Qt::Key pressed : {Qt::Key_Return, Qt::Key_Enter}) {
        std::unique_ptr<QDialog> dialog = openDialog(test_support::topic(qPrintable(key)));
        const QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
        QVERIFY(dialog->findChild<QPushButton*>(done));
        // Done last, since it closes the dialog.
        for (const QPushButton* button : buttons) {
            const QString name = button->objectName();
            if (name == done)
                continue;
            QVERIFY2(tabTo(dialog.get(), name), qPrintable(name));
            // The quick help, and the box calculator's message about empty edges, are answered with
            // Return too.
            const QList<test_support::SeenModal> seen = test_support::answerModals(dialog.get(),
                [pressed] { QTest::keyClick(QApplication::focusWidget(), pressed); }, {.pressReturn = true});
            QVERIFY2(seen.size() == 1, qPrintable(name));
            if (name == help)
                QCOMPARE(seen[0].objectName, QStringLiteral("frmQuickTip"));
            else
                QVERIFY2(seen[0].icon, qPrintable(name + QStringLiteral(" opened no message")));
            QVERIFY(dialog->isVisible());
            QVERIFY(!QApplication::activeModalWidget() || QApplication::activeModalWidget() == dialog.get());
        }
        QVERIFY(tabTo(dialog.get(), done));
        QTest::keyClick(QApplication::focusWidget(), pressed);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }
}

void TestKeyboard::returnElsewherePressesNoButton_data()
{
    test_support::addTopicRows();
}

// After every button had the focus once, Return or Enter in each other control of the dialog (fields,
// lists, option buttons) presses no button: no quick help opens and the dialog stays open. A field may
// still refuse what it holds with a message.
void TestKeyboard::returnElsewherePressesNoButton()
{
    QFETCH(const gui::Topic*, topic);
    std::unique_ptr<QDialog> dialog = openDialog(*topic);
    // A first round gives every button the focus once, the second presses Return and Enter everywhere else.
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
        for (const Qt::Key pressed : {Qt::Key_Return, Qt::Key_Enter}) {
            const QList<test_support::SeenModal> seen = test_support::answerModals(
                dialog.get(), [focus, pressed] { QTest::keyClick(focus, pressed); });
            for (const test_support::SeenModal& window : seen)
                QVERIFY2(window.icon, qPrintable(name + QStringLiteral(" opened ") + window.title));
            QVERIFY2(dialog->isVisible(), qPrintable(name));
        }
    }
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
