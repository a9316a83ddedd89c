// Renders the program's scalable icon to the fixed-size PNGs of the icon theme at build time, so that
// the package needs no image converter besides the Qt it is built with.
#include "gui/svg_icon.h"

#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // Painting shapes into an image needs no windowing system, so no application object is made and
    // the build needs no display.
    QTextStream errors(stderr);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    bool sizeRead = false;
    const int size = arguments.size() == 4 ? arguments.at(3).toInt(&sizeRead) : 0;
    if (!sizeRead || size < 1 || size > 4096) {
        errors << "usage: render_icon INPUT.svg OUTPUT.png SIZE\n";
        return 2;
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        errors << "cannot read " << arguments.at(1) << '\n';
        return 1;
    }
    if (!gui::drawSvg(renderer, QSize(size, size)).save(arguments.at(2), "PNG")) {
        errors << "cannot write " << arguments.at(2) << '\n';
        return 1;
    }
    return 0;
}
