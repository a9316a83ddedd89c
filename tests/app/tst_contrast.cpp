#include "app/main_window.h"
#include "gui/quick_tip_window.h"
#include "gui/topic_dialog.h"
#include "support/dark_palette.h"
#include "support/topics.h"
#include "tables/help_texts.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QListWidget>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr double readable = 4.5;

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
    QString name;
    QColor colour;
    QColor backdrop;

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

// Every widget of the window whose text is drawn in another colour than its palette would give it by
// default, with the colours of the window's active state (and of its inactive one where they differ).
QList<ColouredText> colouredTexts(QWidget* window)
{
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    QList<ColouredText> found;
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        const QWidget* widget = widgets.at(i);
        const QPalette::ColorRole role = widget->foregroundRole();
        const QPalette standard = QApplication::palette(widget);
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            const QColor colour = widget->palette().color(group, role);
            if (colour == standard.color(group, role))
                continue;
            const QString name
                = QStringLiteral("%1 \"%2\"").arg(widget->objectName(), widget->property("text").toString());
            const ColouredText text{i, name, colour, backdrop(widget, group)};
            if (found.isEmpty() || !(found.constLast() == text))
                found.append(text);
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
    }
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
