#include "bench/floors/floor_pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

namespace floors {

QPixmap picture(const char* name, int width, int height)
{
    const int scale = qApp->devicePixelRatio() > 1 ? 2 : 1;
    const unsigned char* pixels = picturePixels(name, width, height, scale);
    if (!pixels)
        return {};
    QPixmap pixmap = QPixmap::fromImage(
        QImage(pixels, width * scale, height * scale, QImage::Format_ARGB32_Premultiplied));
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

} // namespace floors
