#pragma once

#include <QIcon>
#include <QMainWindow>

namespace floors {

// The design floor of the program's main window: the same size, the same menus with the same entries and
// shortcuts, a toolbar of the same ten buttons and the gap, the picture panel with the icon and the
// four title lines in the same fonts and colour. Its pictures are ready pixels (floor_pictures.h).
class MainFloor final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainFloor)

public:
    MainFloor();
};

// The program's icon at the four sizes the window system takes, for QApplication::setWindowIcon.
QIcon programIcon();

} // namespace floors
