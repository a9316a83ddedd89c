#include "app/main_window.h"

#include "app/icons.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>

#include <array>

namespace app {

namespace {

struct ToolButton
{
    const char* key;
    int image;
    const char* toolTip;
};

// The toolbar in the order it shows; image numbers refer to the image list (see icons.h).
constexpr std::array<ToolButton, 10> toolButtons = {{
    {"Linear", 1, "Displays the linear conversion dialog"},
    {"Surface", 3, "Displays the surface conversion dialog"},
    {"Volume", 4, "Displays the volume and liquid conversion dialog"},
    {"Weight", 2, "Displays the weight conversion dialog"},
    {"Paper", 6, "Displays the paper sizes dialog"},
    {"Number", 7, "Displays the number conversion dialog"},
    {"Cloth", 9, "Displays the clothing size dialog"},
    {"Misc", 5, "Displays the miscellaneous dialog"},
    {nullptr, 0, nullptr}, // an empty gap
    {"Exit", 8, "Exits the program"},
}};

struct MenuEntry
{
    const char* name;
    const char* text;
    QKeyCombination shortcut;
    Topic topic;
};

// Alphabetical, unlike the toolbar.
constexpr std::array<MenuEntry, 8> measureEntries = {{
    {"mnuMeasureCloth", "&Clothing Size", Qt::CTRL | Qt::Key_C, Topic::Cloth},
    {"mnuMeasureLinear", "&Linear", Qt::CTRL | Qt::Key_L, Topic::Linear},
    {"mnuMeasureMiscellaneous", "&Miscellaneous", Qt::CTRL | Qt::Key_M, Topic::Misc},
    {"mnuMeasureNumber", "&Number Systems", Qt::CTRL | Qt::Key_N, Topic::Number},
    {"mnuMeasurePaper", "&Paper Sizes", Qt::CTRL | Qt::Key_P, Topic::Paper},
    {"mnuMeasureSurface", "&Surface", Qt::CTRL | Qt::Key_S, Topic::Surface},
    {"mnuMeasureVolume", "&Volume and Liquid", Qt::CTRL | Qt::Key_V, Topic::Volume},
    {"mnuMeasureWeight", "&Weight", Qt::CTRL | Qt::Key_W, Topic::Weight},
}};

// The decorative picture at the left of the panel.
class PanelPicture final : public QWidget
{
public:
    explicit PanelPicture(QWidget* parent)
        : QWidget(parent)
        , m_picture(icons::panel())
    {
        setFixedSize(179, 318);
        // The picture covers the whole widget, so nothing beneath it needs painting first.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    // The icon keeps the rendered picture, so a repaint copies pixels instead of drawing the SVG again.
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(rect(), m_picture.pixmap(size(), devicePixelRatioF()));
    }

private:
    QIcon m_picture;
};

constexpr QLatin1String designedFamily("MS Sans Serif");

QLabel* panelLabel(QWidget* parent, const char* name, const QString& text, double pointSize, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    if (pointSize > 0) {
        // The panel was designed for "MS Sans Serif"; where it is missing the sans-serif family serves.
        // Asking the font database first spares a search for a substitute while the window starts.
        QFont font = QApplication::font();
        if (QFontDatabase::hasFamily(designedFamily))
            font.setFamily(designedFamily);
        font.setPointSizeF(pointSize);
        font.setBold(bold);
        label->setFont(font);
    }
    return label;
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tallyo 97"));
    setWindowIcon(icons::program());
    createMenus();
    createToolBar();
    createPanel();
    // The window has a fixed layout.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Program"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(exit, &QAction::triggered, this, &MainWindow::exitProgram);

    QMenu* measure = menuBar()->addMenu(QStringLiteral("&Measure"));
    measure->setObjectName(QStringLiteral("mnuMeasure"));
    for (const MenuEntry& entry : measureEntries) {
        QAction* action = measure->addAction(QString::fromLatin1(entry.text));
        action->setObjectName(QLatin1String(entry.name));
        action->setShortcut(QKeySequence(entry.shortcut));
        action->setShortcutContext(Qt::WindowShortcut);
        const Topic topic = entry.topic;
        connect(action, &QAction::triggered, this, [this, topic] { showTopic(topic); });
    }
}

void MainWindow::createToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    for (const ToolButton& button : toolButtons) {
        if (!button.key) {
            auto* gap = new QWidget(m_toolBar);
            gap->setObjectName(QStringLiteral("Placeholder"));
            gap->setFixedSize(12, 16);
            m_toolBar->addWidget(gap);
            continue;
        }
        const QString key = QLatin1String(button.key);
        QAction* action = m_toolBar->addAction(icons::image(button.image), key);
        action->setObjectName(QStringLiteral("Toolbar1_") + key);
        action->setData(key);
        action->setToolTip(QLatin1String(button.toolTip));
        action->setStatusTip(QLatin1String(button.toolTip));
    }
    connect(m_toolBar, &QToolBar::actionTriggered, this, &MainWindow::onToolBarAction);
}

void MainWindow::onToolBarAction(QAction* action)
{
    // Keys are compared as exact text, in this order; the first match acts.
    const QString key = action->data().toString();
    static constexpr std::array<std::pair<const char*, Topic>, 8> topics = {{
        {"Linear", Topic::Linear},
        {"Surface", Topic::Surface},
        {"Volume", Topic::Volume},
        {"Weight", Topic::Weight},
        {"Paper", Topic::Paper},
        {"Number", Topic::Number},
        {"Cloth", Topic::Cloth},
        {"Misc", Topic::Misc},
    }};
    for (const auto& [name, topic] : topics) {
        if (key == QLatin1String(name)) {
            showTopic(topic);
            return;
        }
    }
    if (key == QLatin1String("Exit"))
        exitProgram();
}

void MainWindow::createPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Picture1"));
    panel->setFixedSize(450, 318);
    panel->setAutoFillBackground(true);

    new PanelPicture(panel);

    auto* image = new QLabel(panel);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(icons::program().pixmap(32, 32));
    image->setGeometry(200, 20, 32, 32);

    QLabel* title = panelLabel(panel, "Label1", QStringLiteral("Tallyo 97"), 18, true);
    title->setStyleSheet(QStringLiteral("color: rgb(0, 64, 64);"));
    title->setGeometry(236, 12, 204, 48);

    constexpr int left = 190;
    constexpr int width = 250;
    panelLabel(panel, "Label2", QStringLiteral("Tallyo Conversion Center"), 9.75, true)
        ->setGeometry(left, 84, width, 24);
    panelLabel(panel, "Label3", QStringLiteral("32-Bit Version 2.3"), 9.75, true)
        ->setGeometry(left, 110, width, 24);
    panelLabel(panel, "Label4", QStringLiteral("1997\u20132026 \u00b7 The Tallyo 97 developers"), 0, false)
        ->setGeometry(left, 282, width, 20);

    setCentralWidget(panel);
}

void MainWindow::showTopic(Topic topic)
{
    std::unique_ptr<QDialog> dialog = createTopicDialog(topic, this);
    if (!dialog)
        return;
    dialog->exec();
}

void MainWindow::exitProgram()
{
    close();
    QApplication::exit(0);
}

} // namespace app
