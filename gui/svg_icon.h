#pragma once

#include <QIcon>
#include <QImage>

#include <span>

class QSvgRenderer;

namespace gui {

// A picture drawn ahead, at build time, at one size in device pixels: its premultiplied ARGB32 pixels
// as drawSvg() gives them, as they are or compressed with qCompress (then `size` is less than
// width × height × 4).
struct DrawnPicture
{
    int width;
    int height;
    const uchar* data;
    int size;
};

// A vector picture from the program's resources, drawn at whatever size and pixel density a widget
// asks for, so that it stays sharp on high-density screens. A size found among `drawn` is taken from
// there instead of being drawn again, which spares the start of the program most of its drawing.
QIcon svgIcon(const QString& resourcePath, std::span<const DrawnPicture> drawn = {});

// Draws an SVG document into an image of `size` device pixels, as every picture of the program is drawn.
QImage drawSvg(QSvgRenderer& renderer, QSize size, qreal opacity = 1.0);

} // namespace gui
