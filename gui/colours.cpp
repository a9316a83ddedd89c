#include "gui/colours.h"

#include "gui/text_label.h"

#include <QEvent>
#include <QLabel>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace gui::colours {

namespace {

// WCAG 2's least contrast for body text.
constexpr double readableContrast = 4.5;

// Relative luminance and contrast ratio as WCAG 2 defines them.
double linear(int channel)
{
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

double contrast(const QColor& one, const QColor& other)
{
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// `colour` itself where it reads on `background`. Otherwise the same hue and saturation with the least
// change of lightness that reads: lighter on a dark background (one that light text contrasts with better
// than dark text), darker on a light one. White or black at the far end always reads, and luminance
// grows with lightness, so bisection finds the least change.
QColor readableOn(const QColor& colour, const QColor& background)
{
    if (contrast(colour, background) >= readableContrast)
        return colour;
    const bool dark = contrast(Qt::white, background) > contrast(Qt::black, background);
    int hue = 0;
    int saturation = 0;
    int lightness = 0;
    colour.getHsl(&hue, &saturation, &lightness);
    int unreadable = lightness;
    int reads = dark ? 255 : 0;
    while (std::abs(reads - unreadable) > 1) {
        const int middle = (unreadable + reads) / 2;
        if (contrast(QColor::fromHsl(hue, saturation, middle), background) >= readableContrast)
            reads = middle;
        else
            unreadable = middle;
    }
    return QColor::fromHsl(hue, saturation, reads, colour.alpha()).toRgb();
}

// Keeps a widget's text in its colour, made readable on the background the widget is drawn on, and
// works it out again whenever the widget's palette changes: a new desktop theme keeps the colour that
// was set here but changes the background beneath it.
class TextColour final : public QObject
{
    Q_OBJECT

public:
    explicit TextColour(QWidget* widget)
        : QObject(widget)
        , m_widget(widget)
    {
        widget->installEventFilter(this);
    }

    void setColour(const QColor& colour)
    {
        m_colour = colour;
        apply();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange && !m_applying)
            apply();
        return QObject::eventFilter(watched, event);
    }

private:
    void apply()
    {
        QPalette palette = m_widget->palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const QColor background = palette.color(group, m_widget->backgroundRole());
            palette.setColor(group, QPalette::WindowText, readableOn(m_colour, background));
        }
        // Setting the palette sends a palette change of its own.
        m_applying = true;
        m_widget->setPalette(palette);
        m_applying = false;
    }

    QWidget* m_widget;
    QColor m_colour;
    bool m_applying = false;
};

} // namespace

void setTextColour(QWidget* widget, const QColor& colour)
{
    auto* keeper = widget->findChild<TextColour*>(QString(), Qt::FindDirectChildrenOnly);
    if (!keeper)
        keeper = new TextColour(widget);
    keeper->setColour(colour);
}

void setBoxColours(QWidget* widget, const QColor& background, const QColor& foreground)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    setTextColour(widget, foreground);
}

QLabel* colouredLabel(QWidget* parent, const QString& text, const QColor& colour, bool bold)
{
    auto* label = new TextLabel(text, parent);
    setTextColour(label, colour);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

} // namespace gui::colours

#include "colours.moc"
