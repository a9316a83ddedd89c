#pragma once

#include <QMainWindow>

namespace bench {

// The floor the start-up of Tallyo 97 is measured against: a bare Qt Widgets main window with a menu, a
// toolbar of nine text actions and a label, the least a program of this shape shows.
class FloorWindow final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FloorWindow)

public:
    FloorWindow();
};

} // namespace bench
