#pragma once

#include <QMainWindow>

class QAction;
class QToolBar;

namespace gui {
struct Topic;
}

namespace app {

// The start window (frmMain): title panel, toolbar and menus, from which every topic's dialog opens
// modally.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Shows a topic's dialog modally and returns when it has closed.
    void showTopic(const gui::Topic& topic);
    void exitProgram();

private:
    void createMenus();
    void createToolBar();
    void createPanel();
    void onToolBarAction(QAction* action);

    QToolBar* m_toolBar = nullptr;
};

} // namespace app
