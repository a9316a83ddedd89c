#include "gui/paper_dialog.h"

#include "gui/colours.h"
#include "gui/twips.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace gui {

using namespace tables;

namespace {

// Places in twips: the frame and the buttons in the client area, everything else inside the frame.
constexpr double clientWidth = 6870;
constexpr double clientHeight = 4800;
constexpr double frameLeft = 120;
constexpr double frameTop = 120;
constexpr double frameWidth = 6612;
constexpr double frameHeight = 4092;
constexpr double headingTop = 480;
constexpr double listLeft = 240;
constexpr double listWidth = 1455;
constexpr double listHeight = 3180;
constexpr double heightLeft = 1800;
constexpr double widthLeft = 2640;
constexpr double unitLeft = 3360;
constexpr double inchTop = 720;
constexpr double milTop = 1080;
constexpr double figureWidth = 612;
constexpr double figureHeight = 252;
// The rectangle's top-left corner; it grows to the right and downwards from here.
constexpr double shapeLeft = 4200;
constexpr double shapeTop = 720;
constexpr double helpLeft = 4680;
constexpr double doneLeft = 5760;
constexpr double buttonTop = 4320;
constexpr double helpWidth = 972;
constexpr double doneWidth = 975;
constexpr double buttonHeight = 372;

// Where the desktop's font needs more room than these places give, a control grows and what stands right
// of it or below it moves on, keeping the form's distance to it. The frame and the dialog grow by as much.
constexpr double listGap = heightLeft - listLeft - listWidth;
constexpr double timesGap = widthLeft - heightLeft - figureWidth; // where the "x" stands
constexpr double unitGap = unitLeft - widthLeft - figureWidth;
constexpr double rowGap = milTop - inchTop - figureHeight;
// The unit words keep this clear of the rectangle, which starts further right where they need it.
constexpr double shapeGap = 120;
// A figure keeps its digits this clear of its outline.
constexpr double figurePadding = 30;

QLabel* addLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    // A lone "x" reads badly aloud.
    label->setAccessibleName(text == QLatin1String("x") ? QStringLiteral("by") : text);
    return label;
}

QLabel* addHeading(QWidget* parent, const char* name, const QString& text, double left)
{
    QLabel* label = colours::colouredLabel(parent, text, colours::captionBlue, true);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(text);
    label->adjustSize();
    label->move(twipsToPixelsX(parent, left), twipsToPixelsY(parent, headingTop));
    return label;
}

QLabel* addFigure(QWidget* parent, const char* name, const QString& accessibleName)
{
    auto* figure = new QLabel(parent);
    figure->setObjectName(QLatin1String(name));
    figure->setAccessibleName(accessibleName);
    figure->setAlignment(Qt::AlignCenter);
    figure->setFrameStyle(QFrame::Box | QFrame::Plain);
    figure->setLineWidth(1);
    colours::setBoxColours(figure, Qt::white, Qt::black);
    return figure;
}

// The room every figure of the table needs in a box with the figures' outline and padding.
QSize figureRoom(const QLabel* figure)
{
    const QFontMetrics metrics = figure->fontMetrics();
    int widest = 0;
    for (const PaperSize& size : paperSizes()) {
        for (const QStringView text :
            {size.widthInches, size.heightInches, size.widthMillimetres, size.heightMillimetres})
            widest = std::max(widest, metrics.horizontalAdvance(text.toString()));
    }
    const int outline = 2 * figure->frameWidth();
    return QSize(widest + outline + 2 * twipsToPixelsX(figure, figurePadding), metrics.height() + outline);
}

} // namespace

PaperDialog::PaperDialog(const Topic& topic, QWidget* parent)
    : TopicDialog(topic, parent)
{
    const auto x = [this](double twips) { return twipsToPixelsX(this, twips); };
    const auto y = [this](double twips) { return twipsToPixelsY(this, twips); };

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setAccessibleName(QStringLiteral("Paper Sizes"));

    QLabel* sizeName = addHeading(frame, "TxtSizeName", QStringLiteral("Size Name"), listLeft);
    QLabel* heightHeading = addHeading(frame, "TxtHeight", QStringLiteral("Height"), heightLeft);
    QLabel* widthHeading = addHeading(frame, "TxtWidth", QStringLiteral("Width"), widthLeft);
    const int headingsBottom = std::max({below(sizeName), below(heightHeading), below(widthHeading)});

    // The list, the first row of figures and the rectangle start on one line below the headings.
    const int firstRowTop = std::max(y(inchTop), headingsBottom);
    m_list = new QListWidget(frame);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(QStringLiteral("Size Name"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->addItems(paperNamesSorted());
    // Wide enough for "Double Crown" in the desktop's font, so it never needs to scroll sideways.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int listNeeds = m_list->sizeHintForColumn(0)
        + m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list)
        + 2 * m_list->frameWidth();
    m_list->setGeometry(x(listLeft), firstRowTop, std::max(x(listWidth), listNeeds), y(listHeight));

    m_heightInch = addFigure(frame, "TxtHeightInch", QStringLiteral("Height in inches"));
    QLabel* inchTimes = addLabel(frame, "Label52", QStringLiteral("x"));
    m_widthInch = addFigure(frame, "TxtWidthInch", QStringLiteral("Width in inches"));
    QLabel* inches = addLabel(frame, "TxtInches2", QStringLiteral("Inches"));
    m_heightMil = addFigure(frame, "TxtHeightMil", QStringLiteral("Height in millimeters"));
    QLabel* milTimes = addLabel(frame, "Label53", QStringLiteral("x"));
    m_widthMil = addFigure(frame, "TxtWidthMil", QStringLiteral("Width in millimeters"));
    QLabel* millimetres = addLabel(frame, "TxtMil2", QStringLiteral("Millimeters"));

    // Columns from left to right: heights, the "x", widths, unit words, each moved on where what stands
    // before it grew.
    const QSize figure = QSize(x(figureWidth), y(figureHeight)).expandedTo(figureRoom(m_heightInch));
    const int heightColumn
        = std::max({x(heightLeft), rightOf(m_list) + x(listGap), rightOf(sizeName) + x(listGap)});
    heightHeading->move(heightColumn, heightHeading->y());
    const int widthColumn = std::max(
        {x(widthLeft), heightColumn + figure.width() + std::max(x(timesGap), inchTimes->sizeHint().width()),
            rightOf(heightHeading) + x(listGap)});
    widthHeading->move(widthColumn, widthHeading->y());
    const int unitColumn = std::max(x(unitLeft), widthColumn + figure.width() + x(unitGap));

    const int secondRowTop
        = std::max(firstRowTop + y(milTop - inchTop), firstRowTop + figure.height() + y(rowGap));
    const struct
    {
        int top;
        QLabel* height;
        QLabel* times;
        QLabel* width;
        QLabel* unit;
    } rows[] = {{firstRowTop, m_heightInch, inchTimes, m_widthInch, inches},
        {secondRowTop, m_heightMil, milTimes, m_widthMil, millimetres}};
    int unitsRight = 0;
    for (const auto& row : rows) {
        row.height->setGeometry(QRect(QPoint(heightColumn, row.top), figure));
        row.width->setGeometry(QRect(QPoint(widthColumn, row.top), figure));
        // The "x" centred in the gap between the two figures.
        row.times->setGeometry(heightColumn + figure.width(), row.top,
            widthColumn - heightColumn - figure.width(), figure.height());
        row.times->setAlignment(Qt::AlignCenter);
        // The unit word on the figures' text line.
        row.unit->setGeometry(unitColumn, row.top, row.unit->sizeHint().width(), figure.height());
        row.unit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        unitsRight = std::max(unitsRight, rightOf(row.unit));
    }

    m_shape = new QFrame(frame);
    m_shape->setObjectName(QStringLiteral("Shape1"));
    m_shape->setAccessibleName(QStringLiteral("Paper size to scale"));
    m_shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_shape->setLineWidth(1);
    colours::setBoxColours(m_shape, colours::paperYellow, Qt::black);
    m_shapeCorner = QPoint(std::max(x(shapeLeft), unitsRight + x(shapeGap)), firstRowTop);
    resizeShape(TwipSize{});

    // The room the form gives right of and below the rectangle's corner holds the largest sheet; it stays
    // that room where the corner moved.
    const QSize grown(m_shapeCorner.x() - x(shapeLeft), m_shapeCorner.y() - y(shapeTop));
    frame->setGeometry(x(frameLeft), y(frameTop), x(frameWidth) + grown.width(),
        std::max(y(frameHeight) + grown.height(), below(m_list) + y(frameHeight - inchTop - listHeight)));
    const QSize frameGrown(frame->width() - x(frameWidth), frame->height() - y(frameHeight));

    // Help and Done keep their places below the frame's lower right.
    QPushButton* help = helpButton();
    QPushButton* done = doneButton();
    const int buttonsTop = y(buttonTop) + frameGrown.height();
    placeHelpAndDone(QRect(x(helpLeft) + frameGrown.width(), buttonsTop, x(helpWidth), y(buttonHeight)),
        QRect(x(doneLeft) + frameGrown.width(), buttonsTop, x(doneWidth), y(buttonHeight)));
    setFormSize(this, clientWidth, clientHeight,
        QSize(rightOf(done) + x(clientWidth - doneLeft - doneWidth),
            below(done) + y(clientHeight - buttonTop - buttonHeight))
            .expandedTo(QSize(x(clientWidth), y(clientHeight)) + frameGrown));

    connect(m_list, &QListWidget::itemSelectionChanged, this, &PaperDialog::showSelectedSize);

    setTabOrder(m_list, done);
    setTabOrder(done, help);

    // Without an explicit "no current item", the list would make its first name current when it
    // gains the focus, and the first arrow key would then skip "A0".
    m_list->setCurrentIndex(QModelIndex());
    m_list->setFocus();
}

void PaperDialog::showSelectedSize()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    const PaperSize* size = findPaperSize(selected.first()->text());
    if (size == nullptr)
        return;
    m_widthInch->setText(size->widthInches.toString());
    m_heightInch->setText(size->heightInches.toString());
    m_widthMil->setText(size->widthMillimetres.toString());
    m_heightMil->setText(size->heightMillimetres.toString());
    // The rectangle follows the millimetre figures as they are shown, not the inch figures.
    resizeShape(paperRectangle(m_widthMil->text(), m_heightMil->text()));
}

void PaperDialog::resizeShape(TwipSize size)
{
    m_shapeTwips = size;
    // Exactly the sheet's twips, from a corner that moved right only where the unit words needed it.
    m_shape->setGeometry(QRect(
        m_shapeCorner, QSize(twipsToPixelsX(m_shape, size.width), twipsToPixelsY(m_shape, size.height))));
}

} // namespace gui
