#include "app/main_window.h"

#include "app/icons.h"
#include "app/version.h"
#include "gui/colours.h"
#include "gui/topic_dialog.h"
#include "gui/topics.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <vector>

namespace app {

namespace {

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
        // The panel was designed for "MS Sans Serif"; where it is not installed the sans-serif family
        // serves. The installed families are looked through once rather than asked for by name: asking
        // runs the font configuration's substitution rules, as long a search as loading a font.
        QFont font = QApplication::font();
        static const bool designedInstalled
            = QFontDatabase::families().contains(designedFamily, Qt::CaseInsensitive);
        if (designedInstalled)
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
    menuBar()->setAccessibleName(QStringLiteral("Menu bar"));
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Program"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->setAccessibleName(QStringLiteral("Program"));
    QAction* exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(exit, &QAction::triggered, this, &MainWindow::exitProgram);

    QMenu* measure = menuBar()->addMenu(QStringLiteral("&Measure"));
    measure->setObjectName(QStringLiteral("mnuMeasure"));
    measure->setAccessibleName(QStringLiteral("Measure"));
    // The menu lists the topics alphabetically, unlike the toolbar.
    std::vector<const gui::Topic*> entries;
    for (const gui::Topic& topic : gui::topics())
        entries.push_back(&topic);
    std::ranges::sort(entries, [](const gui::Topic* a, const gui::Topic* b) {
        return QString::fromLatin1(a->menuText).remove(u'&') < QString::fromLatin1(b->menuText).remove(u'&');
    });
    for (const gui::Topic* topic : entries) {
        QAction* action = measure->addAction(QString::fromLatin1(topic->menuText));
        action->setObjectName(QLatin1String(topic->menuName));
        action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(topic->shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, topic] { showTopic(*topic); });
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
    const auto addButton = [this](const QIcon& icon, const QString& key, const QString& toolTip) {
        QAction* action = m_toolBar->addAction(icon, key);
        action->setObjectName(QStringLiteral("Toolbar1_") + key);
        action->setData(key);
        action->setToolTip(toolTip);
        action->setStatusTip(toolTip);
    };
    for (const gui::Topic& topic : gui::topics())
        addButton(icons::topic(topic), QLatin1String(topic.key), QLatin1String(topic.toolTip));
    // An empty gap before Exit.
    auto* gap = new QWidget(m_toolBar);
    gap->setObjectName(QStringLiteral("Placeholder"));
    gap->setAccessibleName(QStringLiteral("Gap"));
    gap->setFixedSize(12, 16);
    m_toolBar->addWidget(gap);
    addButton(icons::exit(), QStringLiteral("Exit"), QStringLiteral("Exits the program"));
    // The button that shows the buttons a too narrow toolbar hides is the only one without an action.
    for (QToolButton* button : m_toolBar->findChildren<QToolButton*>()) {
        if (!button->defaultAction())
            button->setAccessibleName(QStringLiteral("More buttons"));
    }
    connect(m_toolBar, &QToolBar::actionTriggered, this, &MainWindow::onToolBarAction);
}

void MainWindow::onToolBarAction(QAction* action)
{
    // Keys are compared as exact text, topics first in the toolbar's order; the first match acts.
    const QString key = action->data().toString();
    if (const gui::Topic* topic = gui::findTopic(key))
        showTopic(*topic);
    else if (key == QLatin1String("Exit"))
        exitProgram();
}

void MainWindow::createPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Picture1"));
    panel->setAccessibleName(QStringLiteral("Title panel"));
    panel->setAutoFillBackground(true);

    auto* picture = new PanelPicture(panel);
    picture->setObjectName(QStringLiteral("PanelPicture"));
    picture->setAccessibleName(QStringLiteral("Decorative picture"));

    auto* image = new QLabel(panel);
    image->setObjectName(QStringLiteral("Image1"));
    image->setAccessibleName(QStringLiteral("Program icon"));
    image->setPixmap(icons::program().pixmap(32, 32));
    image->setGeometry(200, 20, 32, 32);

    QLabel* title = panelLabel(panel, "Label1", QStringLiteral("Tallyo 97"), 18, true);
    gui::colours::setTextColour(title, gui::colours::titleTeal);
    title->setGeometry(236, 12, 204, 48);

    // The three lines share one left edge and one width: the panel's, or wider where the desktop's font
    // needs it for a whole line; the panel then grows by as much.
    QLabel* lines[] = {
        panelLabel(panel, "Label2", QStringLiteral("Tallyo Conversion Center"), 9.75, true),
        panelLabel(panel, "Label3", QStringLiteral("32-Bit Version ") + QLatin1String(version::majorMinor),
            9.75, true),
        panelLabel(
            panel, "Label4", QStringLiteral("1997\u20132026 \u00b7 The Tallyo 97 developers"), 0, false),
    };
    constexpr int left = 190;
    constexpr int tops[] = {84, 110, 282};
    constexpr int heights[] = {24, 24, 20};
    int width = 250;
    for (const QLabel* line : lines)
        width = std::max(width, line->sizeHint().width());
    for (std::size_t i = 0; i < std::size(lines); ++i)
        lines[i]->setGeometry(left, tops[i], width, std::max(heights[i], lines[i]->sizeHint().height()));
    panel->setFixedSize(std::max(450, left + width + 10), 318);

    setCentralWidget(panel);
}

void MainWindow::showTopic(const gui::Topic& topic)
{
    const std::unique_ptr<gui::TopicDialog> dialog = gui::createDialog(topic, this);
    dialog->exec();
}

void MainWindow::exitProgram()
{
    close();
    QApplication::exit(0);
}

} // namespace app
