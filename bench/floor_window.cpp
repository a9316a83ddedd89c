#include "bench/floor_window.h"

#include <QLabel>
#include <QMenuBar>
#include <QToolBar>

namespace bench {

FloorWindow::FloorWindow()
{
    setWindowTitle(QStringLiteral("Floor"));
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Program"));
    menu->addAction(QStringLiteral("&Exit"), this, &QWidget::close);
    QToolBar* toolBar = addToolBar(QStringLiteral("Toolbar"));
    for (const char* text :
        {"Linear", "Surface", "Volume", "Weight", "Paper", "Number", "Cloth", "Misc", "Exit"})
        toolBar->addAction(QLatin1String(text));
    setCentralWidget(new QLabel(QStringLiteral("Floor"), this));
}

} // namespace bench
