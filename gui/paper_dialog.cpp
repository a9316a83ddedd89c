#include "gui/paper_dialog.h"

#include "gui/colours.h"
#include "gui/twips.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace gui {

using namespace tables;

namespace {

// Heights and widths of the four figures, in twips.
constexpr double figureWidth = 612;
constexpr double figureHeight = 252;
// The rectangle's top-left corner inside the frame; it grows to the right and downwards from here.
constexpr double shapeLeft = 4200;
constexpr double shapeTop = 720;
// The list may widen up to this width, which keeps a gap before the figures at 1800.
constexpr double listWidthLimit = 1800 - 240 - 60;

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, double left, double top)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    // A lone "x" reads badly aloud.
    label->setAccessibleName(text == QLatin1String("x") ? QStringLiteral("by") : text);
    label->adjustSize();
    label->move(twipsToPixelsX(parent, left), twipsToPixelsY(parent, top));
    return label;
}

// The "x" between height and width, centred in the gap between the two figures.
QLabel* addTimes(QWidget* parent, const char* name, double top)
{
    QLabel* label = addLabel(parent, name, QStringLiteral("x"), 2400, top);
    label->setGeometry(twipsRect(parent, 2400, top, 240, figureHeight));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* addHeading(QWidget* parent, const char* name, const QString& text, double left, double top)
{
    QLabel* label = colours::colouredLabel(parent, text, colours::captionBlue, true);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(text);
    label->adjustSize();
    label->move(twipsToPixelsX(parent, left), twipsToPixelsY(parent, top));
    return label;
}

QLabel* addFigure(QWidget* parent, const char* name, const QString& accessibleName, double left, double top)
{
    auto* figure = new QLabel(parent);
    figure->setObjectName(QLatin1String(name));
    figure->setAccessibleName(accessibleName);
    figure->setGeometry(twipsRect(parent, left, top, figureWidth, figureHeight));
    figure->setAlignment(Qt::AlignCenter);
    figure->setFrameStyle(QFrame::Box | QFrame::Plain);
    figure->setLineWidth(1);
    colours::setBoxColours(figure, Qt::white, Qt::black);
    return figure;
}

} // namespace

PaperDialog::PaperDialog(const Topic& topic, QWidget* parent)
    : TopicDialog(topic, parent)
{
    setFormSize(this, 6870, 4800, true);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setAccessibleName(QStringLiteral("Paper Sizes"));
    frame->setGeometry(twipsRect(this, 120, 120, 6612, 4092));

    addHeading(frame, "TxtSizeName", QStringLiteral("Size Name"), 240, 480);
    addHeading(frame, "TxtHeight", QStringLiteral("Height"), 1800, 480);
    addHeading(frame, "TxtWidth", QStringLiteral("Width"), 2640, 480);

    m_list = new QListWidget(frame);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(QStringLiteral("Size Name"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setGeometry(twipsRect(frame, 240, 720, 1455, 3180));
    m_list->addItems(paperNamesSorted());
    // The form's width, unless the desktop's font needs a little more for "Double Crown"; never up to the
    // figures beside it. A name that still does not fit is elided rather than scrolled sideways.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int listNeeds = m_list->sizeHintForColumn(0)
        + m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list)
        + 2 * m_list->frameWidth();
    m_list->resize(
        std::clamp(listNeeds, m_list->width(), twipsToPixelsX(frame, listWidthLimit)), m_list->height());

    m_heightInch = addFigure(frame, "TxtHeightInch", QStringLiteral("Height in inches"), 1800, 720);
    addTimes(frame, "Label52", 720);
    m_widthInch = addFigure(frame, "TxtWidthInch", QStringLiteral("Width in inches"), 2640, 720);
    addLabel(frame, "TxtInches2", QStringLiteral("Inches"), 3360, 720);

    m_heightMil = addFigure(frame, "TxtHeightMil", QStringLiteral("Height in millimeters"), 1800, 1080);
    addTimes(frame, "Label53", 1080);
    m_widthMil = addFigure(frame, "TxtWidthMil", QStringLiteral("Width in millimeters"), 2640, 1080);
    addLabel(frame, "TxtMil2", QStringLiteral("Millimeters"), 3360, 1080);

    // The labels beside the figures sit on the figures' text line.
    for (const char* name : {"TxtInches2", "TxtMil2"}) {
        auto* label = frame->findChild<QLabel*>(QLatin1String(name));
        label->setFixedHeight(m_heightInch->height());
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    m_shape = new QFrame(frame);
    m_shape->setObjectName(QStringLiteral("Shape1"));
    m_shape->setAccessibleName(QStringLiteral("Paper size to scale"));
    m_shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_shape->setLineWidth(1);
    colours::setBoxColours(m_shape, colours::paperYellow, Qt::black);
    // Beneath the texts, so that a wide unit word stays readable where a large sheet reaches it.
    m_shape->lower();
    resizeShape(TwipSize{});

    QPushButton* help = helpButton();
    QPushButton* done = doneButton();
    help->setGeometry(twipsRect(this, 4680, 4320, 972, 372));
    done->setGeometry(twipsRect(this, 5760, 4320, 975, 372));

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
    QWidget* frame = m_shape->parentWidget();
    m_shape->setGeometry(twipsRect(frame, shapeLeft, shapeTop, size.width, size.height));
}

} // namespace gui
