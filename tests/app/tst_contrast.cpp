#include "app/main_window.h"
#include "gui/quick_tip_window.h"
#include "gui/topic_dialog.h"
#include "support/dark_palette.h"
#include "support/topics.h"
#include "tables/help_texts.h"

#include <QApplication>
#include <QFrame>
#include <QHash>
#include <QImage>
#include <QListWidget>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <tuple>

namespace {

constexpr double readable = 4.5;

// The light that an sRGB channel value stands for, from 0 to 1, looked up in a table made once. The
// values up to 10 lie on the curve's straight foot (10 / 255 is below its knee at 0.04045).
double lightOf(int channel)
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> light{};
        for (std::size_t value = 0; value < light.size(); ++value) {
            const double fraction = static_cast<double>(value) / 255.0;
            light[value] = value <= 10 ? fraction / 12.92 : std::pow((fraction + 0.055) / 1.055, 2.4);
        }
        return light;
    }();
    return table[static_cast<std::size_t>(channel)];
}

// WCAG 2's contrast ratio, from 1 : 1 to 21 : 1: the lighter colour's relative luminance against the
// darker one's, each with the 0.05 of flare a screen adds.
double contrast(const QColor& one, const QColor& other)
{
    std::array<double, 2> flared{};
    const QColor colours[] = {one, other};
    for (std::size_t i = 0; i < flared.size(); ++i) {
        const QColor& colour = colours[i];
        flared[i] = 0.05
            + (2126 * lightOf(colour.red()) + 7152 * lightOf(colour.green()) + 722 * lightOf(colour.blue()))
                / 10000;
    }
    std::sort(flared.begin(), flared.end());
    return flared[1] / flared[0];
}

QPalette lightPalette()
{
    return QApplication::style()->standardPalette();
}

// As the desktop switches its theme: the application's palette changes, and the windows hear of it in the
// next pass of the event loop.
void switchTheme(const QPalette& palette)
{
    QApplication::setPalette(palette);
    QCoreApplication::processEvents();
}

// The window of that name, shown, with its first list entry chosen so that boxes filled from a list
// (the paper dialog's figures) show text.
std::unique_ptr<QWidget> openWindow(const QString& name)
{
    std::unique_ptr<QWidget> window;
    if (name == QLatin1String("main window")) {
        window = std::make_unique<app::MainWindow>();
    } else if (name == QLatin1String("quick help")) {
        const gui::Topic& topic = gui::topics().front();
        window = std::make_unique<gui::QuickTipWindow>(QString::fromUtf16(tables::helpCaption),
            QString::fromLatin1(topic.helpTopic), QString::fromUtf16(topic.helpText));
    } else {
        window = gui::createDialog(test_support::topic(qPrintable(name)), nullptr);
    }
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        QTest::qFail(qPrintable(name + QStringLiteral(" was not shown")), __FILE__, __LINE__);
    for (QListWidget* list : window->findChildren<QListWidget*>())
        list->setCurrentRow(0);
    return window;
}

// A text drawn in a colour of its own, and what lies behind it.
struct ColouredText
{
    qsizetype index; // among the window's widgets, in creation order
    QPalette::ColorGroup group;
    QString name;
    QColor colour;
    // As measured from the drawn window where the widget shows a text in the window's present state (a
    // frame may tint what lies behind its contents), else as its palette gives it.
    QColor backdrop;
    QColor seenColour; // the text's strongest pixel, where measured

    bool operator==(const ColouredText&) const = default;
};

// What is painted behind the widget: its own fill, or that of the nearest parent that paints one.
QColor backdrop(const QWidget* widget, QPalette::ColorGroup group)
{
    const QWidget* at = widget;
    while (!at->autoFillBackground() && !at->isWindow() && at->parentWidget())
        at = at->parentWidget();
    return at->palette().color(group, at->backgroundRole());
}

// The colours a widget's text is seen in on the screen: the colour most of its pixels have is what lies
// behind the text, and the pixel that stands out from that the most is the text's own colour.
// Antialiasing blends a glyph's edges between the two, so they stand out less than its strokes.
std::pair<QColor, QColor> seenColours(QWidget* window, const QWidget* widget)
{
    const QImage picture = window->grab(QRect(widget->mapTo(window, QPoint()), widget->size())).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y)];
    }
    const QColor backdrop(
        std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first);
    QColor ink = backdrop;
    for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it) {
        if (contrast(QColor(*it), backdrop) > contrast(ink, backdrop))
            ink = QColor(*it);
    }
    return {ink, backdrop};
}

// Every widget of the window whose text is drawn in another colour than its palette would give it by
// default, with the colours of the window's active state (and of its inactive one where they differ).
QList<ColouredText> colouredTexts(QWidget* window)
{
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    const QPalette::ColorGroup shown = window->isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    QList<ColouredText> found;
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        const QWidget* widget = widgets.at(i);
        const QPalette::ColorRole role = widget->foregroundRole();
        const QPalette standard = QApplication::palette(widget);
        const QString text = widget->property("text").toString();
        const qsizetype first = found.size();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            const QColor colour = widget->palette().color(group, role);
            if (colour == standard.color(group, role))
                continue;
            const QString name = QStringLiteral("%1 \"%2\"").arg(widget->objectName(), text);
            const ColouredText coloured{i, group, name, colour, backdrop(widget, group), {}};
            if (found.size() == first || found.constLast().colour != colour
                || found.constLast().backdrop != coloured.backdrop)
                found.append(coloured);
        }
        for (qsizetype j = first; j < found.size(); ++j) {
            if (!text.isEmpty() && (found.size() == first + 1 || found[j].group == shown))
                std::tie(found[j].seenColour, found[j].backdrop) = seenColours(window, widget);
        }
    }
    return found;
}

QString describe(const ColouredText& text)
{
    return QStringLiteral("%1 in %2 on %3 (%4 : 1)")
        .arg(text.name, text.colour.name(), text.backdrop.name())
        .arg(contrast(text.colour, text.backdrop), 0, 'f', 2);
}

// Where the text is not seen in the colour it is given. The strongest pixel of a small text's thin strokes
// falls a little short of full coverage (#030381 for #000080 on #ececec), so it must lie nine tenths of the
// way from the backdrop to the text's colour.
QString unlikeItsPixels(const ColouredText& text)
{
    if (!text.seenColour.isValid())
        return {};
    const auto distance = [](const QColor& a, const QColor& b) {
        return std::max(
            {std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
    };
    if (10 * distance(text.seenColour, text.colour) <= distance(text.colour, text.backdrop))
        return {};
    return describe(text) + QStringLiteral(" is seen in %1").arg(text.seenColour.name());
}

int hueDistance(const QColor& one, const QColor& other)
{
    const int distance = std::abs(one.hslHue() - other.hslHue());
    return std::min(distance, 360 - distance);
}

void addWindowRows()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << QStringLiteral("main window");
    QTest::newRow("quick help") << QStringLiteral("quick help");
    for (const gui::Topic& topic : gui::topics())
        QTest::newRow(topic.dialogName) << QString::fromLatin1(topic.key);
}

} // namespace

class TestContrast final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void contrastOfKnownPairs_data();
    void contrastOfKnownPairs();
    void init();
    void cleanup();
    void designedColoursOnLightPalette_data();
    void designedColoursOnLightPalette();
    void lighterInTheirHueOnDarkPalette_data();
    void lighterInTheirHueOnDarkPalette();
    void themeSwitchReachesOpenWindows_data();
    void themeSwitchReachesOpenWindows();
    void paperRectangleKeepsItsColours_data();
    void paperRectangleKeepsItsColours();
};

void TestContrast::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void TestContrast::init()
{
    QApplication::setPalette(lightPalette());
}

void TestContrast::cleanup()
{
    QApplication::setPalette(lightPalette());
}

void TestContrast::contrastOfKnownPairs_data()
{
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<double>("ratio");

    QTest::newRow("black on white, the most there is") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("either way round") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
    QTest::newRow("white on white, the least") << QColor(Qt::white) << QColor(Qt::white) << 1.0;
    QTest::newRow("#767676, the lightest grey that reads on white")
        << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.54;
    QTest::newRow("#777777 falls short on white") << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << 4.48;
    QTest::newRow("navy on white") << QColor(0, 0, 128) << QColor(Qt::white) << 16.01;
}

// The ratio this test measures with, against worked values (the greys are WCAG's own examples; the navy
// is worked by hand: (1 + 0.05) / (0.0722 x 0.2159 + 0.05)).
void TestContrast::contrastOfKnownPairs()
{
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(contrast(text, background) - ratio) < 0.005,
        qPrintable(QString::number(contrast(text, background))));
}

void TestContrast::designedColoursOnLightPalette_data()
{
    addWindowRows();
}

// The designed dark blue, dark red and dark teal, exactly.
void TestContrast::designedColoursOnLightPalette()
{
    QFETCH(QString, window);
    const std::unique_ptr<QWidget> shown = openWindow(window);
    const QList<ColouredText> texts = colouredTexts(shown.get());
    QVERIFY2(!texts.isEmpty(), "no coloured text found");
    const QList<QColor> designed{QColor(0, 0, 128), QColor(128, 0, 0), QColor(0, 64, 64)};
    for (const ColouredText& text : texts) {
        QVERIFY2(designed.contains(text.colour), qPrintable(describe(text)));
        QVERIFY2(contrast(text.colour, text.backdrop) >= readable, qPrintable(describe(text)));
        QVERIFY2(unlikeItsPixels(text).isEmpty(), qPrintable(unlikeItsPixels(text)));
    }
    QVERIFY2(std::any_of(texts.cbegin(), texts.cend(),
                 [](const ColouredText& text) { return text.seenColour.isValid(); }),
        "no coloured text seen");
}

void TestContrast::lighterInTheirHueOnDarkPalette_data()
{
    addWindowRows();
}

void TestContrast::lighterInTheirHueOnDarkPalette()
{
    QFETCH(QString, window);
    const QList<ColouredText> designed = colouredTexts(openWindow(window).get());
    QApplication::setPalette(test_support::darkPalette());
    const std::unique_ptr<QWidget> shown = openWindow(window);
    const QList<ColouredText> texts = colouredTexts(shown.get());

    QStringList unreadable;
    for (const ColouredText& text : texts) {
        if (contrast(text.colour, text.backdrop) < readable)
            unreadable << describe(text);
        if (!unlikeItsPixels(text).isEmpty())
            unreadable << unlikeItsPixels(text);
    }
    QVERIFY2(unreadable.isEmpty(),
        qPrintable(QString::number(unreadable.size()) + QStringLiteral(" unreadable: ")
            + unreadable.join(QStringLiteral("; "))));

    for (const ColouredText& light : designed) {
        const auto dark = std::find_if(texts.cbegin(), texts.cend(),
            [&](const ColouredText& text) { return text.index == light.index; });
        QVERIFY2(dark != texts.cend(), qPrintable(describe(light) + QStringLiteral(" lost its colour")));
        const QString both = describe(light) + QStringLiteral(" became ") + describe(*dark);
        QVERIFY2(hueDistance(dark->colour, light.colour) <= 2, qPrintable(both));
        QVERIFY2(dark->colour.lightness() > light.colour.lightness(), qPrintable(both));
        // Lightened no further than reading needs, so that the hue still shows.
        QVERIFY2(contrast(dark->colour, dark->backdrop) < readable + 0.5, qPrintable(both));
    }
}

void TestContrast::themeSwitchReachesOpenWindows_data()
{
    addWindowRows();
}

// Switching the desktop's theme while the window is open recolours it at once, as if it had been opened
// under the new theme, and back again.
void TestContrast::themeSwitchReachesOpenWindows()
{
    QFETCH(QString, window);
    const std::unique_ptr<QWidget> shown = openWindow(window);
    const QList<ColouredText> light = colouredTexts(shown.get());
    switchTheme(test_support::darkPalette());
    const QList<ColouredText> switched = colouredTexts(shown.get());
    const QList<ColouredText> dark = colouredTexts(openWindow(window).get());
    QVERIFY(!dark.isEmpty());
    for (qsizetype i = 0; i < std::max(switched.size(), dark.size()); ++i) {
        QVERIFY2(i < switched.size(), qPrintable(describe(dark.at(i)) + QStringLiteral(" is missing")));
        QVERIFY2(i < dark.size(), qPrintable(describe(switched.at(i)) + QStringLiteral(" is extra")));
        QVERIFY2(switched.at(i) == dark.at(i),
            qPrintable(describe(switched.at(i)) + QStringLiteral(", opened dark: ") + describe(dark.at(i))));
    }

    switchTheme(lightPalette());
    QCOMPARE(colouredTexts(shown.get()), light);
}

void TestContrast::paperRectangleKeepsItsColours_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light palette") << false;
    QTest::newRow("dark palette") << true;
}

// Light yellow inside a black outline, in every theme, as it looks on the screen.
void TestContrast::paperRectangleKeepsItsColours()
{
    QFETCH(bool, dark);
    if (dark)
        QApplication::setPalette(test_support::darkPalette());
    const std::unique_ptr<QWidget> shown = openWindow(QStringLiteral("Paper"));
    auto* shape = shown->findChild<QFrame*>(QStringLiteral("Shape1"));
    QVERIFY(shape);
    QVERIFY(shape->width() > 4 && shape->height() > 4);
    const QImage picture = shape->grab().toImage();
    const QPoint middle(picture.width() / 2, picture.height() / 2);
    QCOMPARE(picture.pixelColor(middle), QColor(255, 255, 192));
    QCOMPARE(picture.pixelColor(0, middle.y()), QColor(Qt::black));
    QCOMPARE(picture.pixelColor(middle.x(), picture.height() - 1), QColor(Qt::black));
}

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
