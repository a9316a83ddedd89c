#include "app/icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <array>
#include <memory>

// The pictures live in the GUI library's resources, which a static library must register itself.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace app::icons {

namespace {

// Renders one SVG at whatever size and device pixel ratio a widget asks for. The document is read once
// per icon, and every picture rendered is kept in the application's pixmap cache, so a repaint, or the
// same picture asked for again (the window icon by the window and by the application), copies pixels
// instead of drawing the SVG anew.
class SvgIconEngine final : public QIconEngine
{
public:
    explicit SvgIconEngine(QString path)
        : m_path(std::move(path))
    { }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        if (!m_renderer)
            m_renderer = std::make_unique<QSvgRenderer>(m_path);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        m_renderer->render(painter, QRectF(rect));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // Qt asks with the size already in device pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
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
        pixmap = QPixmap(size);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            paint(&painter, QRect(QPoint(0, 0), pixmap.size()), mode, state);
        }
        pixmap.setDevicePixelRatio(scale);
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }

    QIconEngine* clone() const override { return new SvgIconEngine(m_path); }
    QString key() const override { return QStringLiteral("tallyo-svg"); }

private:
    QString m_path;
    std::unique_ptr<QSvgRenderer> m_renderer;
};

QIcon fromSvg(const char* name)
{
    static const bool registered = (registerResources(), true);
    Q_UNUSED(registered)
    return QIcon(new SvgIconEngine(QStringLiteral(":/icons/") + QLatin1String(name)));
}

} // namespace

QIcon program()
{
    return fromSvg("tallyo97.svg");
}

QIcon panel()
{
    return fromSvg("panel.svg");
}

QIcon help()
{
    return fromSvg("help.svg");
}

QIcon image(int index)
{
    static constexpr std::array<const char*, 9> names = {"linear.svg", "weight.svg", "surface.svg",
        "volume.svg", "misc.svg", "paper.svg", "number.svg", "exit.svg", "cloth.svg"};
    if (index < 1 || index > static_cast<int>(names.size()))
        return {};
    return fromSvg(names.at(static_cast<std::size_t>(index - 1)));
}

} // namespace app::icons
