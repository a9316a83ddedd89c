#include "app/main_window.h"
#include "support/modal.h"

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>

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

// How a dialog differs from its designed state: every text field empty, no list or drop-down list with a
// selection, "Meter" chosen where the dialog has it. Empty when it does not differ.
QStringList differencesFromDesign(QWidget* dialog)
{
    QStringList differences;
    for (const QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
        if (!field->text().isEmpty() && field->parentWidget()->inherits("QComboBox") == false)
            differences << field->objectName() + QStringLiteral(" shows ") + field->text();
    }
    for (const QComboBox* list : dialog->findChildren<QComboBox*>()) {
        if (list->currentIndex() != -1)
            differences << list->objectName() + QStringLiteral(" has a selection");
    }
    for (const QListWidget* list : dialog->findChildren<QListWidget*>()) {
        if (!list->selectedItems().isEmpty())
            differences << list->objectName() + QStringLiteral(" has a selection");
    }
    if (auto* metre = dialog->findChild<QRadioButton*>(QStringLiteral("optMeter"));
        metre && !metre->isChecked())
        differences << QStringLiteral("Meter is not chosen");
    return differences;
}

// Leaves something behind in every control that a fresh opening must not show.
void useEverything(QWidget* dialog)
{
    for (QLineEdit* field : dialog->findChildren<QLineEdit*>())
        field->setText(QStringLiteral("1"));
    for (QComboBox* list : dialog->findChildren<QComboBox*>())
        list->setCurrentIndex(0);
    for (QListWidget* list : dialog->findChildren<QListWidget*>())
        list->setCurrentRow(0);
    if (auto* feet = dialog->findChild<QRadioButton*>(QStringLiteral("optFeet")))
        feet->setChecked(true);
}

void clickDone(QWidget* dialog)
{
    for (const char* name : {"Command1", "btnDone"}) {
        if (auto* done = dialog->findChild<QPushButton*>(QLatin1String(name))) {
            done->click();
            return;
        }
    }
    dialog->close();
}

// What one opening of a dialog showed.
struct Opening
{
    QString dialog;
    QStringList differences;
    bool closedByDone = false;
};

// Opens a dialog with `open`, notes how it stands, uses every control, and closes it with Done.
QList<Opening> openingsBy(QWidget* window, const std::function<void()>& open)
{
    QList<Opening> openings;
    test_support::answerModals(window, open, {.act = [&](QWidget* dialog) {
        Opening opening{dialog->objectName(), differencesFromDesign(dialog), false};
        useEverything(dialog);
        clickDone(dialog);
        opening.closedByDone = !dialog->isVisible();
        if (!opening.closedByDone)
            dialog->close();
        openings.append(opening);
    }});
    return openings;
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
    void everyTopicOpensInItsDesignedState_data();
    void everyTopicOpensInItsDesignedState();
    void placeholderDoesNothing();
    void mainWindowIsInertWhileADialogIsOpen();
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
    }
}

void TestMainWindow::everyTopicOpensInItsDesignedState_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("menuEntry");
    QTest::addColumn<int>("shortcut");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("linear") << "Linear"
                            << "mnuMeasureLinear" << int(Qt::Key_L) << "frmLinear";
    QTest::newRow("surface") << "Surface"
                             << "mnuMeasureSurface" << int(Qt::Key_S) << "frmSurface";
    QTest::newRow("volume") << "Volume"
                            << "mnuMeasureVolume" << int(Qt::Key_V) << "frmVolume";
    QTest::newRow("weight") << "Weight"
                            << "mnuMeasureWeight" << int(Qt::Key_W) << "frmWeight";
    QTest::newRow("paper") << "Paper"
                           << "mnuMeasurePaper" << int(Qt::Key_P) << "frmPaper";
    QTest::newRow("number") << "Number"
                            << "mnuMeasureNumber" << int(Qt::Key_N) << "frmNumber";
    QTest::newRow("clothing") << "Cloth"
                              << "mnuMeasureCloth" << int(Qt::Key_C) << "frmCloth";
    QTest::newRow("miscellaneous") << "Misc"
                                   << "mnuMeasureMiscellaneous" << int(Qt::Key_M) << "frmMisc";
}

// Every way to a topic opens its dialog, fresh each time: nothing used in one opening shows in the next.
void TestMainWindow::everyTopicOpensInItsDesignedState()
{
    QFETCH(QString, key);
    QFETCH(QString, menuEntry);
    QFETCH(int, shortcut);
    QFETCH(QString, dialog);
    QWidget* window = m_window.get();
    QAction* button = window->findChild<QAction*>(QStringLiteral("Toolbar1_") + key);
    QVERIFY(button);
    QWidget* toolButton = window->findChild<QToolBar*>(QStringLiteral("Toolbar1"))->widgetForAction(button);
    QAction* entry = window->findChild<QAction*>(menuEntry);
    QVERIFY(entry);

    const QList<std::pair<const char*, std::function<void()>>> ways = {
        {"toolbar button", [&] { QTest::mouseClick(toolButton, Qt::LeftButton); }},
        {"toolbar action", [&] { button->trigger(); }},
        {"menu entry", [&] { entry->trigger(); }},
        {"shortcut",
            [&] {
                // The offscreen platform hands activation back to no window when a dialog closes.
                window->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(window));
                // Through the window system, as a user's key press goes.
                QTest::keyClick(window->windowHandle(), Qt::Key(shortcut), Qt::ControlModifier);
            }},
    };
    for (const auto& [way, open] : ways) {
        const QList<Opening> openings = openingsBy(window, open);
        QVERIFY2(openings.size() == 1, way);
        QCOMPARE(openings[0].dialog, dialog);
        QVERIFY2(openings[0].differences.isEmpty(), qPrintable(openings[0].differences.join(u", ")));
        QVERIFY(openings[0].closedByDone);
    }
}

void TestMainWindow::placeholderDoesNothing()
{
    QWidget* gap = m_window->findChild<QWidget*>(QStringLiteral("Placeholder"));
    QVERIFY(gap);
    // A dialog would open and be closed again inside the click; whatever the click posts runs before
    // the look at what opened.
    const QList<test_support::SeenModal> seen = test_support::answerModals(m_window.get(),
        [gap] {
            QTest::mouseClick(gap, Qt::LeftButton);
            QCoreApplication::processEvents();
        },
        {.act = [](QWidget* dialog) { dialog->close(); }});
    QVERIFY(seen.isEmpty());
    QVERIFY(m_window->isVisible());
}

void TestMainWindow::mainWindowIsInertWhileADialogIsOpen()
{
    bool secondOpened = false;
    bool mainWindowActive = true;
    // Nothing in here may return early: the dialog must be closed whatever happens, or the test hangs.
    const auto drive = [&](QWidget* dialog) {
        // Activation moves to the dialog through the event loop, later on a slow (sanitized) build.
        const bool dialogActive = QTest::qWaitForWindowActive(dialog);
        mainWindowActive = !dialogActive || m_window->isActiveWindow();
        // Shortcuts and toolbar clicks of the main window must not open anything now. The events go
        // through the window system, as a user's would, and whatever they set off runs before the look.
        QWindow* window = m_window->windowHandle();
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(window, Qt::Key_L, Qt::ControlModifier);
        auto* toolBar = m_window->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        QWidget* button = toolBar->widgetForAction(action(m_window.get(), "Toolbar1_Linear"));
        QTest::mouseClick(window, Qt::LeftButton, {}, button->mapTo(m_window.get(), button->rect().center()));
        QCoreApplication::processEvents();
        secondOpened = QApplication::activeModalWidget() != dialog;
        while (QApplication::activeModalWidget() && QApplication::activeModalWidget() != dialog)
            QApplication::activeModalWidget()->close();
        clickDone(dialog);
    };
    const QList<test_support::SeenModal> seen = test_support::answerModals(
        m_window.get(), [&] { action(m_window.get(), "mnuMeasureLinear")->trigger(); }, {.act = drive});
    QCOMPARE(seen.size(), 1);
    QVERIFY(!mainWindowActive);
    QVERIFY(!secondOpened);
    QVERIFY(!QApplication::activeModalWidget());
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
