#include "app/drawn_pictures.h"
#include "app/icons.h"
#include "app/main_window.h"
#include "gui/quick_tip_window.h"
#include "gui/topic_dialog.h"
#include "gui/twips.h"
#include "support/topics.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPixmapCache>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace {

constexpr double scale = 2.0;

// True where the image holds more than one colour, that is, where something was drawn.
bool drawn(const QImage& image)
{
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first)
                return true;
        }
    }
    return false;
}

} // namespace

// Runs with a scale factor of 2, as on a high-density screen: geometry in twips and points stays the same
// in device-independent pixels, and every picture is drawn with twice as many device pixels. That every text
// fits at this scale too is the layout test's, which CTest also runs at scale factor 2.
class TestHighDpi final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screenIsScaled();
    void iconsRenderSharpAtTwice_data();
    void iconsRenderSharpAtTwice();
    void mainWindowDrawsAtTwice();
    void picturesDrawnAheadAreThoseDrawnOnDemand_data();
    void picturesDrawnAheadAreThoseDrawnOnDemand();
    void paperRectangleKeepsItsLogicalSize();
};

void TestHighDpi::screenIsScaled()
{
    QCOMPARE(qApp->devicePixelRatio(), scale);
    QWidget widget;
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QCOMPARE(widget.devicePixelRatioF(), scale);
    // Twips go through the logical DPI, which the scale factor leaves alone: one inch is 1440 twips.
    QCOMPARE(gui::twipsToPixelsX(&widget, 1440), widget.logicalDpiX());
    QCOMPARE(gui::twipsToPixelsY(&widget, 1440), widget.logicalDpiY());
}

void TestHighDpi::iconsRenderSharpAtTwice_data()
{
    QTest::addColumn<QIcon>("icon");
    QTest::newRow("program icon") << app::icons::program();
    QTest::newRow("quick-help icon") << gui::QuickTipWindow(QString(), QString(), QString()).windowIcon();
    QTest::newRow("panel picture") << app::icons::panel();
    QTest::newRow("exit") << app::icons::exit();
    for (const gui::Topic& topic : gui::topics())
        QTest::newRow(topic.picture) << app::icons::topic(topic);
}

void TestHighDpi::iconsRenderSharpAtTwice()
{
    QFETCH(QIcon, icon);
    const QPixmap pixmap = icon.pixmap(QSize(16, 16), scale);
    QCOMPARE(pixmap.size(), QSize(32, 32));
    QCOMPARE(pixmap.devicePixelRatio(), scale);
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(16, 16));
    QVERIFY(drawn(pixmap.toImage()));
}

void TestHighDpi::mainWindowDrawsAtTwice()
{
    app::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.findChild<QToolBar*>(QStringLiteral("Toolbar1"))->iconSize(), QSize(16, 16));

    // A toolbar button draws its picture with the screen's density.
    auto* button
        = window.findChild<QToolBar*>(QStringLiteral("Toolbar1"))->findChildren<QToolButton*>().value(0);
    QVERIFY(button);
    const QPixmap grabbed = button->grab();
    QCOMPARE(grabbed.devicePixelRatio(), scale);
    QCOMPARE(grabbed.size(), button->size() * 2);

    const QPixmap whole = window.grab();
    QCOMPARE(whole.size(), window.size() * 2);
    auto* image = window.findChild<QLabel*>(QStringLiteral("Image1"));
    QCOMPARE(image->size(), QSize(32, 32));
    QCOMPARE(image->pixmap().devicePixelRatio(), scale);
}

void TestHighDpi::picturesDrawnAheadAreThoseDrawnOnDemand_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"panel.svg", "tallyo97.svg", "exit.svg"})
        QTest::newRow(name) << QString::fromLatin1(name);
    for (const gui::Topic& topic : gui::topics())
        QTest::newRow(topic.picture) << QString::fromLatin1(topic.picture);
}

// The main window takes its first pictures from those drawn at build time; each must be, pixel for
// pixel, what the program would have drawn itself, at both scale factors it was drawn for.
void TestHighDpi::picturesDrawnAheadAreThoseDrawnOnDemand()
{
    QFETCH(QString, name);
    const std::span<const gui::DrawnPicture> drawn = app::drawnPictures(name.toStdString());
    QVERIFY(drawn.size() >= 2);
    const QString path = QStringLiteral(":/app/icons/") + name;
    const QIcon ahead = gui::svgIcon(path, drawn);
    const QIcon onDemand = gui::svgIcon(path);
    for (const gui::DrawnPicture& picture : drawn) {
        const QSize size(picture.width, picture.height);
        // Both icons keep what they made in the application's pixmap cache, under the same key.
        QPixmapCache::clear();
        const QImage taken = ahead.pixmap(size, 1.0).toImage();
        QPixmapCache::clear();
        const QImage drawnNow = onDemand.pixmap(size, 1.0).toImage();
        QCOMPARE(taken.size(), size);
        QVERIFY(taken == drawnNow);
    }
}

void TestHighDpi::paperRectangleKeepsItsLogicalSize()
{
    std::unique_ptr<QDialog> dialog = gui::createDialog(test_support::topic("Paper"), nullptr);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("List1"));
    auto* shape = dialog->findChild<QWidget*>(QStringLiteral("Shape1"));
    QVERIFY(list && shape);
    list->setCurrentItem(list->findItems(QStringLiteral("A4"), Qt::MatchExactly).value(0));

    // A4 is 525 by 742.5 twips: at 96 logical dots per inch that is 35 by 50 device-independent pixels,
    // and twice as many device pixels.
    QCOMPARE(dialog->logicalDpiX(), 96);
    QCOMPARE(dialog->logicalDpiY(), 96);
    QCOMPARE(shape->size(), QSize(35, 50));

    const QImage drawing = dialog->grab().toImage();
    QCOMPARE(drawing.size(), dialog->size() * 2);
    const QPoint centre = shape->mapTo(dialog.get(), shape->rect().center()) * 2;
    QCOMPARE(QColor(drawing.pixel(centre)), QColor(255, 255, 192));
    // The outline is one logical pixel, drawn two device pixels wide.
    const QPoint corner = shape->mapTo(dialog.get(), QPoint(0, shape->height() / 2)) * 2;
    QCOMPARE(QColor(drawing.pixel(corner)), QColor(Qt::black));
    QCOMPARE(QColor(drawing.pixel(corner + QPoint(1, 0))), QColor(Qt::black));
    QCOMPARE(QColor(drawing.pixel(corner + QPoint(2, 0))), QColor(255, 255, 192));
}

int main(int argc, char* argv[])
{
    // Read once, when the application starts.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    TestHighDpi test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_high_dpi.moc"
