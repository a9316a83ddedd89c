#include "gui/paper_dialog.h"

#include "convert/number_text.h"
#include "gui/colours.h"
#include "gui/form_placer.h"
#include "gui/text_label.h"
#include "gui/twips.h"
#include "tables/paper_sizes.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <limits>

namespace gui {

using namespace tables;

namespace {

// Places in twips: the frame and the buttons in the client area, everything else inside the frame.
constexpr Designed client{0, 0, 6870, 4800};
constexpr Designed frameRoom{120, 120, 6612, 4092};
// The headings have the room up to the list, the figures and the column after them.
constexpr Designed sizeNameRoom{240, 480, 1455, 240};
constexpr Designed heightHeadingRoom{1800, 480, 735, 240};
constexpr Designed widthHeadingRoom{2640, 480, 612, 240};
constexpr Designed listRoom{240, 720, 1455, 3180};
constexpr double heightLeft = 1800;
constexpr double timesLeft = 2412;
constexpr double widthLeft = 2640;
constexpr double unitLeft = 3360;
constexpr double rowTops[] = {720, 1080};
constexpr double figureWidth = 612;
constexpr double figureHeight = 252;
// The unit words keep 120 clear of the rectangle, which starts further right where they need it.
constexpr double unitWidth = 720;
// The rectangle's top-left corner, from where it grows to the right and downwards, and the room the frame
// gives it: as large as the largest sheets ("E" is the widest, "A0" the tallest).
constexpr Designed shapeRoom{4200, 720, 2159, 2972.5};
constexpr Designed helpRoom{4680, 4320, 972, 372};
constexpr Designed doneRoom{5760, 4320, 975, 372};
// One scale for every sheet, so that sizes compare by eye; at this scale A0 still fits the frame.
constexpr double twipsPerMillimetre = 2.5;
// A figure keeps its digits this clear of its outline.
constexpr double figurePadding = 30;

QLabel* addLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new TextLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    // A lone "x" reads badly aloud.
    label->setAccessibleName(text == QLatin1String("x") ? QStringLiteral("by") : text);
    return label;
}

QLabel* addHeading(QWidget* parent, const char* name, const QString& text)
{
    QLabel* label = colours::colouredLabel(parent, text, colours::captionBlue, true);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(text);
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
    return QSize(widest + outline + 2 * twipsToPixelsX(figure, figurePadding), metrics.height() + outline)
        .expandedTo(QSize(twipsToPixelsX(figure, figureWidth), twipsToPixelsY(figure, figureHeight)));
}

float millimetreTextToTwips(const QString& millimetres)
{
    const double twips = convert::readNumber(millimetres) * twipsPerMillimetre;
    // Only the table's own texts reach the dialog, but a length no rectangle can have must not turn
    // into an infinity or a float out of range.
    if (!(twips >= 0.0) || !std::isfinite(twips) || twips > std::numeric_limits<float>::max())
        return 0.0F;
    return static_cast<float>(twips);
}

} // namespace

TwipSize paperRectangle(const QString& widthMillimetres, const QString& heightMillimetres)
{
    return TwipSize{millimetreTextToTwips(widthMillimetres), millimetreTextToTwips(heightMillimetres)};
}

PaperDialog::PaperDialog(const Topic& topic, QWidget* parent)
    : TopicDialog(topic, parent)
{
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setAccessibleName(QStringLiteral("Paper Sizes"));

    QLabel* sizeName = addHeading(frame, "TxtSizeName", QStringLiteral("Size Name"));
    QLabel* heightHeading = addHeading(frame, "TxtHeight", QStringLiteral("Height"));
    QLabel* widthHeading = addHeading(frame, "TxtWidth", QStringLiteral("Width"));
    m_list = new QListWidget(frame);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(QStringLiteral("Size Name"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->addItems(paperNamesSorted());
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_heightInch = addFigure(frame, "TxtHeightInch", QStringLiteral("Height in inches"));
    QLabel* inchTimes = addLabel(frame, "Label52", QStringLiteral("x"));
    m_widthInch = addFigure(frame, "TxtWidthInch", QStringLiteral("Width in inches"));
    QLabel* inches = addLabel(frame, "TxtInches2", QStringLiteral("Inches"));
    m_heightMil = addFigure(frame, "TxtHeightMil", QStringLiteral("Height in millimeters"));
    QLabel* milTimes = addLabel(frame, "Label53", QStringLiteral("x"));
    m_widthMil = addFigure(frame, "TxtWidthMil", QStringLiteral("Width in millimeters"));
    QLabel* millimetres = addLabel(frame, "TxtMil2", QStringLiteral("Millimeters"));
    for (QLabel* times : {inchTimes, milTimes})
        times->setAlignment(Qt::AlignCenter);
    for (QLabel* unit : {inches, millimetres})
        unit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_shape = new QFrame(frame);
    m_shape->setObjectName(QStringLiteral("Shape1"));
    m_shape->setAccessibleName(QStringLiteral("Paper size to scale"));
    m_shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_shape->setLineWidth(1);
    colours::setBoxColours(m_shape, colours::paperYellow, Qt::black);

    // Columns from left to right: the list, heights, the "x", widths, unit words and the rectangle, each
    // moved on where what stands before it grew. The list, the figures and the rectangle start on one line
    // below the headings.
    FormPlacer place(this);
    place.put(frame, frameRoom);
    place.putWithin(sizeName, sizeNameRoom, sizeName->sizeHint());
    // Wide enough for "Double Crown" in the desktop's font, so it never needs to scroll sideways.
    const int listNeeds = m_list->sizeHintForColumn(0)
        + m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list)
        + 2 * m_list->frameWidth();
    place.put(m_list, listRoom, QSize(listNeeds, 0));
    place.putWithin(heightHeading, heightHeadingRoom, heightHeading->sizeHint())
        .rightOf(m_list)
        .rightOf(sizeName);
    place.putWithin(widthHeading, widthHeadingRoom, widthHeading->sizeHint()).rightOf(heightHeading);
    const auto bottom = [](const QWidget* widget) { return widget->y() + widget->height(); };
    const int rowsTop = std::max({bottom(sizeName), bottom(heightHeading), bottom(widthHeading)});
    place.moving(m_list).below(rowsTop);

    const QSize figure = figureRoom(m_heightInch);
    const struct
    {
        QLabel* height;
        QLabel* times;
        QLabel* width;
        QLabel* unit;
    } rows[]
        = {{m_heightInch, inchTimes, m_widthInch, inches}, {m_heightMil, milTimes, m_widthMil, millimetres}};
    const QWidget* above = nullptr;
    for (std::size_t row = 0; row < std::size(rows); ++row) {
        const double top = rowTops[row];
        const auto onItsRow = [&] { above ? place.below(above) : place.below(rowsTop); };
        place.put(rows[row].height, {heightLeft, top, figureWidth, figureHeight}, figure)
            .rightOf(m_list)
            .rightOf(sizeName);
        onItsRow();
        // The "x" centred in the gap between the two figures.
        place
            .put(rows[row].times, {timesLeft, top, widthLeft - timesLeft, figureHeight},
                QSize(rows[row].times->sizeHint().width(), figure.height()))
            .rightOf(rows[row].height);
        onItsRow();
        place.put(rows[row].width, {widthLeft, top, figureWidth, figureHeight}, figure)
            .rightOf(rows[row].times)
            .rightOf(heightHeading);
        onItsRow();
        rows[row].times->resize(rows[row].width->x() - rows[row].times->x(), figure.height());
        // The unit word on the figures' text line.
        place
            .putWithin(rows[row].unit, {unitLeft, top, unitWidth, figureHeight},
                QSize(rows[row].unit->sizeHint().width(), figure.height()))
            .rightOf(rows[row].width);
        onItsRow();
        above = rows[row].height;
    }
    // The width heading over its column.
    widthHeading->move(m_widthInch->x(), widthHeading->y());
    place.put(m_shape, shapeRoom).rightOf(inches).rightOf(millimetres).below(rowsTop);
    m_shapeCorner = m_shape->pos();
    place.fit(frame, frameRoom);
    resizeShape(TwipSize{});

    // Help and Done keep their places below the frame's lower right.
    QPushButton* help = helpButton();
    QPushButton* done = doneButton();
    place.put(help, helpRoom, pushButtonSizeFor(help)).movesWith(frame);
    place.put(done, doneRoom, pushButtonSizeFor(done)).movesWith(frame).rightOf(help);
    place.fit(this, client);

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
