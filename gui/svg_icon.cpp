#include "gui/svg_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <memory>

namespace gui {

namespace {

// Draws one SVG at whatever size and device pixel ratio a widget asks for. The document is read once
// per icon, and every picture drawn is kept in the application's pixmap cache, so a repaint, or the
// same picture asked for again (the window icon by the window and by the application), copies pixels
// instead of drawing the SVG anew.
class SvgIconEngine final : public QIconEngine
{
public:
    SvgIconEngine(QString path, std::span<const DrawnPicture> drawn)
        : m_path(std::move(path))
        , m_drawn(drawn)
    { }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        renderer().render(painter, QRectF(rect));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // Qt asks with the size already in device pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const QString key = QStringLiteral("tallyo-svg:%1:%2x%3:%4:%5")
                                .arg(m_path)
                                .arg(size.width())
                                .arg(size.height())
                                .arg(static_cast<int>(mode))
                                .arg(scale);
        QPixmap pixmap;
        if (QPixmapCache::find(key, &pixmap))
            return pixmap;
        pixmap = QPixmap::fromImage(image(size, mode));
        pixmap.setDevicePixelRatio(scale);
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }

    QIconEngine* clone() const override { return new SvgIconEngine(m_path, m_drawn); }
    QString key() const override { return QStringLiteral("tallyo-svg"); }

private:
    QSvgRenderer& renderer()
    {
        if (!m_renderer)
            m_renderer = std::make_unique<QSvgRenderer>(m_path);
        return *m_renderer;
    }

    QImage image(const QSize& size, QIcon::Mode mode)
    {
        if (mode != QIcon::Disabled) {
            for (const DrawnPicture& picture : m_drawn) {
                if (QSize(picture.width, picture.height) != size)
                    continue;
                if (QImage drawn = unpacked(picture); !drawn.isNull())
                    return drawn;
            }
        }
        return drawSvg(renderer(), size, mode == QIcon::Disabled ? 0.4 : 1.0);
    }

    // The picture's pixels, unpacked where they are compressed: the image then keeps them and frees them
    // when it goes. Null where they do not fit the picture's size.
    static QImage unpacked(const DrawnPicture& picture)
    {
        const qsizetype bytes = qsizetype(picture.width) * picture.height * 4;
        if (picture.size == bytes)
            return QImage(picture.data, picture.width, picture.height, QImage::Format_ARGB32_Premultiplied);
        auto pixels = std::make_unique<QByteArray>(qUncompress(picture.data, picture.size));
        if (pixels->size() != bytes)
            return {};
        uchar* bits = reinterpret_cast<uchar*>(pixels->data());
        return QImage(
            bits, picture.width, picture.height, QImage::Format_ARGB32_Premultiplied,
            [](void* bytes) { delete static_cast<QByteArray*>(bytes); }, pixels.release());
    }

    QString m_path;
    std::span<const DrawnPicture> m_drawn;
    std::unique_ptr<QSvgRenderer> m_renderer;
};

} // namespace

QIcon svgIcon(const QString& resourcePath, std::span<const DrawnPicture> drawn)
{
    return QIcon(new SvgIconEngine(resourcePath, drawn));
}

QImage drawSvg(QSvgRenderer& renderer, QSize size, qreal opacity)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(opacity);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

} // namespace gui
