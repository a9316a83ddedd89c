#include "bench/floors/main_floor.h"

#include "bench/floors/floor_pictures.h"

#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QToolBar>

namespace floors {

MainFloor::MainFloor()
{
    setWindowTitle(QStringLiteral("Tallyo 97"));

    menuBar()->addMenu(QStringLiteral("&Program"))->addAction(QStringLiteral("&Exit"), this, &QWidget::close);
    QMenu* measure = menuBar()->addMenu(QStringLiteral("&Measure"));
    const struct
    {
        const char* text;
        Qt::Key key;
    } entries[] = {{"&Clothing Size", Qt::Key_C}, {"&Linear", Qt::Key_L}, {"&Miscellaneous", Qt::Key_M},
        {"&Number Systems", Qt::Key_N}, {"&Paper Sizes", Qt::Key_P}, {"&Surface", Qt::Key_S},
        {"&Volume and Liquid", Qt::Key_V}, {"&Weight", Qt::Key_W}};
    for (const auto& entry : entries)
        measure->addAction(QLatin1String(entry.text))->setShortcut(QKeySequence(Qt::CTRL | entry.key));

    QToolBar* toolBar = addToolBar(QStringLiteral("Toolbar"));
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(16, 16));
    const struct
    {
        const char* picture;
        const char* key;
        const char* toolTip;
    } buttons[] = {
        {"linear", "Linear", "Displays the linear conversion dialog"},
        {"surface", "Surface", "Displays the surface conversion dialog"},
        {"volume", "Volume", "Displays the volume and liquid conversion dialog"},
        {"weight", "Weight", "Displays the weight conversion dialog"},
        {"paper", "Paper", "Displays the paper sizes dialog"},
        {"number", "Number", "Displays the number conversion dialog"},
        {"cloth", "Cloth", "Displays the clothing size dialog"},
        {"misc", "Misc", "Displays the miscellaneous dialog"},
        {nullptr, nullptr, nullptr},
        {"exit", "Exit", "Exits the program"},
    };
    for (const auto& button : buttons) {
        if (!button.picture) {
            auto* gap = new QWidget(toolBar);
            gap->setFixedSize(12, 16);
            toolBar->addWidget(gap);
            continue;
        }
        toolBar->addAction(QIcon(picture(button.picture, 16, 16)), QLatin1String(button.key))
            ->setToolTip(QLatin1String(button.toolTip));
    }

    auto* panel = new QWidget(this);
    panel->setFixedSize(450, 318);
    auto* decoration = new QLabel(panel);
    decoration->setPixmap(picture("panel", 179, 318));
    decoration->setGeometry(0, 0, 179, 318);
    auto* icon = new QLabel(panel);
    icon->setPixmap(picture("tallyo97", 32, 32));
    icon->setGeometry(200, 20, 32, 32);

    QFont titleFont = font();
    titleFont.setPointSizeF(18);
    titleFont.setBold(true);
    auto* title = new QLabel(QStringLiteral("Tallyo 97"), panel);
    title->setFont(titleFont);
    QPalette teal = title->palette();
    teal.setColor(QPalette::WindowText, QColor(0, 64, 64));
    title->setPalette(teal);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(236, 12, 204, 48);

    QFont lineFont = font();
    lineFont.setPointSizeF(9.75);
    lineFont.setBold(true);
    const struct
    {
        const char16_t* text;
        bool bold;
        int top;
        int height;
    } lines[] = {{u"Tallyo Conversion Center", true, 84, 24}, {u"32-Bit Version 2.3", true, 110, 24},
        {u"1997\u20132026 \u00b7 The Tallyo 97 developers", false, 282, 20}};
    for (const auto& line : lines) {
        auto* label = new QLabel(QString::fromUtf16(line.text), panel);
        if (line.bold)
            label->setFont(lineFont);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(190, line.top, 250, line.height);
    }

    setCentralWidget(panel);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QIcon programIcon()
{
    // The window system is given the icon at these sizes in device pixels, whatever the scale factor.
    QIcon icon;
    for (const int size : {16, 32, 64, 128})
        icon.addPixmap(QPixmap::fromImage(QImage(
            picturePixels("tallyo97", size, size, 1), size, size, QImage::Format_ARGB32_Premultiplied)));
    return icon;
}

} // namespace floors
