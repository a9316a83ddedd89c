#include "app/main_window.h"
#include "support/modal.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

namespace {

QAction* action(QWidget* window, const char* name)
{
    return window->findChild<QAction*>(QLatin1String(name));
}

// Opens a dialog with `open`, then reports which dialog was modal and closes it with Done.
QString dialogOpenedBy(QWidget* window, const std::function<void()>& open)
{
    QString name;
    test_support::whenModal(
        [&](QWidget* dialog) {
            name = dialog->objectName();
            if (auto* done = dialog->findChild<QPushButton*>(QStringLiteral("Command1")))
                done->click();
            else if (auto* misc = dialog->findChild<QPushButton*>(QStringLiteral("btnDone")))
                misc->click();
        },
        window, 3000,
        [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
    open();
    return name;
}

} // namespace

class TestMainWindow final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void windowAndPanel();
    void menus();
    void toolBar();
    void linearOpensFromToolBarMenuAndShortcut();
    void placeholderDoesNothing();
    void mainWindowIsInertWhileADialogIsOpen();
    void reopeningShowsEmptyFields();
    void exitEndsTheProgram_data();
    void exitEndsTheProgram();

private:
    std::unique_ptr<app::MainWindow> m_window;
};

void TestMainWindow::init()
{
    m_window = std::make_unique<app::MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestMainWindow::cleanup()
{
    m_window.reset();
}

void TestMainWindow::windowAndPanel()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tallyo 97"));
    QVERIFY(!m_window->windowIcon().isNull());
    QVERIFY(m_window->findChild<QWidget*>(QStringLiteral("Picture1")));
    auto* image = m_window->findChild<QLabel*>(QStringLiteral("Image1"));
    QVERIFY(image);
    QVERIFY(!image->pixmap().isNull());
    auto* title = m_window->findChild<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(title->text(), QStringLiteral("Tallyo 97"));
    QCOMPARE(title->font().pointSizeF(), 18.0);
    QVERIFY(title->font().bold());
    QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
        QStringLiteral("Tallyo Conversion Center"));
    QCOMPARE(
        m_window->findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("32-Bit Version 2.3"));
    auto* label4 = m_window->findChild<QLabel*>(QStringLiteral("Label4"));
    QVERIFY(!label4->text().isEmpty());
    // Label2 to Label4 share one left edge and one width.
    for (const char* name : {"Label2", "Label3"}) {
        const QRect geometry = m_window->findChild<QLabel*>(QLatin1String(name))->geometry();
        QCOMPARE(geometry.left(), label4->geometry().left());
        QCOMPARE(geometry.width(), label4->geometry().width());
    }
}

void TestMainWindow::menus()
{
    const QList<QAction*> top = m_window->menuBar()->actions();
    QCOMPARE(top.size(), 2);
    QCOMPARE(top[0]->text(), QStringLiteral("&Program"));
    QCOMPARE(top[0]->menu()->objectName(), QStringLiteral("mnuFile"));
    QCOMPARE(top[0]->menu()->actions().size(), 1);
    QCOMPARE(top[0]->menu()->actions()[0]->objectName(), QStringLiteral("mnuFileExit"));
    QCOMPARE(top[0]->menu()->actions()[0]->text(), QStringLiteral("&Exit"));
    QVERIFY(top[0]->menu()->actions()[0]->shortcut().isEmpty());

    QCOMPARE(top[1]->text(), QStringLiteral("&Measure"));
    QCOMPARE(top[1]->menu()->objectName(), QStringLiteral("mnuMeasure"));
    const QList<QAction*> entries = top[1]->menu()->actions();
    const QStringList names = {QStringLiteral("mnuMeasureCloth"), QStringLiteral("mnuMeasureLinear"),
        QStringLiteral("mnuMeasureMiscellaneous"), QStringLiteral("mnuMeasureNumber"),
        QStringLiteral("mnuMeasurePaper"), QStringLiteral("mnuMeasureSurface"),
        QStringLiteral("mnuMeasureVolume"), QStringLiteral("mnuMeasureWeight")};
    const QStringList texts = {QStringLiteral("&Clothing Size"), QStringLiteral("&Linear"),
        QStringLiteral("&Miscellaneous"), QStringLiteral("&Number Systems"), QStringLiteral("&Paper Sizes"),
        QStringLiteral("&Surface"), QStringLiteral("&Volume and Liquid"), QStringLiteral("&Weight")};
    const QStringList shortcuts = {QStringLiteral("Ctrl+C"), QStringLiteral("Ctrl+L"),
        QStringLiteral("Ctrl+M"), QStringLiteral("Ctrl+N"), QStringLiteral("Ctrl+P"),
        QStringLiteral("Ctrl+S"), QStringLiteral("Ctrl+V"), QStringLiteral("Ctrl+W")};
    QCOMPARE(entries.size(), names.size());
    for (int i = 0; i < entries.size(); ++i) {
        QCOMPARE(entries[i]->objectName(), names[i]);
        QCOMPARE(entries[i]->text(), texts[i]);
        QCOMPARE(entries[i]->shortcut().toString(QKeySequence::PortableText), shortcuts[i]);
    }
}

void TestMainWindow::toolBar()
{
    auto* toolBar = m_window->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    QVERIFY(toolBar);
    QCOMPARE(toolBar->iconSize(), QSize(16, 16));
    const QList<QAction*> actions = toolBar->actions();
    QCOMPARE(actions.size(), 10);
    const QStringList keys = {QStringLiteral("Linear"), QStringLiteral("Surface"), QStringLiteral("Volume"),
        QStringLiteral("Weight"), QStringLiteral("Paper"), QStringLiteral("Number"), QStringLiteral("Cloth"),
        QStringLiteral("Misc"), QString(), QStringLiteral("Exit")};
    const QStringList tips = {QStringLiteral("Displays the linear conversion dialog"),
        QStringLiteral("Displays the surface conversion dialog"),
        QStringLiteral("Displays the volume and liquid conversion dialog"),
        QStringLiteral("Displays the weight conversion dialog"),
        QStringLiteral("Displays the paper sizes dialog"),
        QStringLiteral("Displays the number conversion dialog"),
        QStringLiteral("Displays the clothing size dialog"),
        QStringLiteral("Displays the miscellaneous dialog"), QString(), QStringLiteral("Exits the program")};
    for (int i = 0; i < actions.size(); ++i) {
        QCOMPARE(actions[i]->data().toString(), keys[i]);
        if (keys[i].isEmpty()) {
            QVERIFY(actions[i]->icon().isNull());
            continue;
        }
        QCOMPARE(actions[i]->toolTip(), tips[i]);
        QVERIFY(!actions[i]->icon().isNull());
        // The images are vectors: a larger rendering is drawn afresh, not scaled up.
        QCOMPARE(actions[i]->icon().pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
    }
}

void TestMainWindow::linearOpensFromToolBarMenuAndShortcut()
{
    QCOMPARE(dialogOpenedBy(m_window.get(), [&] { action(m_window.get(), "Toolbar1_Linear")->trigger(); }),
        QStringLiteral("frmLinear"));
    QCOMPARE(dialogOpenedBy(m_window.get(), [&] { action(m_window.get(), "mnuMeasureLinear")->trigger(); }),
        QStringLiteral("frmLinear"));
    // The offscreen platform hands activation back to no window when a dialog closes.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(dialogOpenedBy(m_window.get(),
                 [&] { QTest::keyClick(m_window->windowHandle(), Qt::Key_L, Qt::ControlModifier); }),
        QStringLiteral("frmLinear"));
    // Clicking the toolbar button itself.
    auto* toolBar = m_window->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    QWidget* button = toolBar->widgetForAction(action(m_window.get(), "Toolbar1_Linear"));
    QCOMPARE(dialogOpenedBy(m_window.get(), [&] { QTest::mouseClick(button, Qt::LeftButton); }),
        QStringLiteral("frmLinear"));
}

void TestMainWindow::placeholderDoesNothing()
{
    QWidget* gap = m_window->findChild<QWidget*>(QStringLiteral("Placeholder"));
    QVERIFY(gap);
    bool opened = false;
    test_support::whenModal(
        [&](QWidget* dialog) {
            opened = true;
            dialog->close();
        },
        m_window.get(), 200);
    QTest::mouseClick(gap, Qt::LeftButton);
    QTest::qWait(400);
    QVERIFY(!opened);
    QVERIFY(m_window->isVisible());
}

void TestMainWindow::mainWindowIsInertWhileADialogIsOpen()
{
    int dialogsSeen = 0;
    bool secondOpened = false;
    bool mainWindowActive = true;
    // Nothing in here may return early: the dialog must be closed whatever happens, or the test hangs.
    test_support::whenModal(
        [&](QWidget* dialog) {
            ++dialogsSeen;
            // Activation moves to the dialog through the event loop, later on a slow (sanitized) build.
            const bool dialogActive = QTest::qWaitForWindowActive(dialog);
            mainWindowActive = !dialogActive || m_window->isActiveWindow();
            // Shortcuts and toolbar clicks of the main window must not open anything now. The events
            // go through the window system, as a user's would.
            QWindow* window = m_window->windowHandle();
            QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
            QTest::keyClick(window, Qt::Key_L, Qt::ControlModifier);
            auto* toolBar = m_window->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
            QWidget* button = toolBar->widgetForAction(action(m_window.get(), "Toolbar1_Linear"));
            QTest::mouseClick(
                window, Qt::LeftButton, {}, button->mapTo(m_window.get(), button->rect().center()));
            QTest::qWait(50);
            secondOpened = QApplication::activeModalWidget() != dialog;
            while (QApplication::activeModalWidget() && QApplication::activeModalWidget() != dialog)
                QApplication::activeModalWidget()->close();
            dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        },
        m_window.get());
    action(m_window.get(), "mnuMeasureLinear")->trigger();
    QCOMPARE(dialogsSeen, 1);
    QVERIFY(!mainWindowActive);
    QVERIFY(!secondOpened);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainWindow::reopeningShowsEmptyFields()
{
    QString textsAtSecondOpening = QStringLiteral("not opened");
    test_support::whenModal(
        [&](QWidget* dialog) {
            auto* metres = dialog->findChild<QLineEdit*>(QStringLiteral("EBxM"));
            QTest::keyClicks(metres, QStringLiteral("5"));
            QTest::keyClick(metres, Qt::Key_Return);
            dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        },
        m_window.get());
    action(m_window.get(), "mnuMeasureLinear")->trigger();
    test_support::whenModal(
        [&](QWidget* dialog) {
            textsAtSecondOpening.clear();
            for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
                textsAtSecondOpening += edit->text();
            dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        },
        m_window.get());
    action(m_window.get(), "Toolbar1_Linear")->trigger();
    QCOMPARE(textsAtSecondOpening, QString());
}

void TestMainWindow::exitEndsTheProgram_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::newRow("menu entry") << QStringLiteral("mnuFileExit");
    QTest::newRow("toolbar button") << QStringLiteral("Toolbar1_Exit");
}

void TestMainWindow::exitEndsTheProgram()
{
    QFETCH(QString, actionName);
    // The program's event loop ends with code 0 as soon as Exit is chosen.
    QTimer::singleShot(0, m_window.get(), [&] { m_window->findChild<QAction*>(actionName)->trigger(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [] { QApplication::exit(1); });
    watchdog.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!m_window->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
