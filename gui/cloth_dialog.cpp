#include "gui/cloth_dialog.h"

#include "gui/colours.h"
#include "gui/twips.h"
#include "tables/clothing_sizes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace gui {

using namespace tables;

namespace {

// Places in twips: frames and buttons in the client area, headings and lists inside their frame.
constexpr double clientWidth = 7095;
constexpr double clientHeight = 4470;
// Two columns, four rows, filled row by row.
constexpr double frameLefts[] = {120, 3600};
constexpr double frameTops[] = {120, 1200, 2280, 3360};
constexpr double frameWidth = 3372;
constexpr double frameHeight = 972;
constexpr double frameGap = frameLefts[1] - frameLefts[0] - frameWidth;
// Inside each frame, one column per size system.
constexpr double columnLefts[sizeSystemCount] = {240, 1320, 2400};
constexpr double headingTop = 240;
constexpr double headingWidth = 852;
constexpr double listTop = 480;
constexpr double listWidth = 732;
// Help and Done fill the cell right of the children's frame.
constexpr double helpLeft = 4560;
constexpr double doneLeft = 5640;
constexpr double buttonTop = 3720;
constexpr double buttonWidth = 972;
constexpr double buttonHeight = 372;

// Where the desktop's font needs more room than these places give, a control grows and what stands right
// of it or below it moves on; the frames, and the dialog with them, grow by as much. A column keeps this
// clear of the next, and the lists keep it clear of the frame's edges.
constexpr double columnGap = 120;
constexpr double frameMargin = frameWidth - columnLefts[2] - headingWidth;

} // namespace

ClothDialog::ClothDialog(const Topic& topic, QWidget* parent)
    : TopicDialog(topic, parent)
{
    const auto x = [this](double twips) { return twipsToPixelsX(this, twips); };
    const auto y = [this](double twips) { return twipsToPixelsY(this, twips); };

    QFont plainFont = font();
    plainFont.setBold(false);
    QFont captionFont = font();
    captionFont.setBold(true);

    const std::span<const ClothingGroup> groups = clothingGroups();
    std::vector<QGroupBox*> frames;
    std::vector<std::array<QLabel*, sizeSystemCount>> headings;
    m_groups.reserve(groups.size());
    int labelNumber = 0;
    for (const ClothingGroup& group : groups) {
        const QString caption = group.caption.toString();
        auto* frame = new QGroupBox(caption, this);
        frame->setObjectName(group.frameName.toString());
        frame->setAccessibleName(caption);
        // The caption is bold; the frame's contents keep the plain font set on each of them below.
        frame->setFont(captionFont);
        frames.push_back(frame);

        GroupLists lists{};
        std::array<QLabel*, sizeSystemCount> labels{};
        for (int column = 0; column < sizeSystemCount; ++column) {
            const QString heading = sizeSystemHeading(static_cast<SizeSystem>(column)).toString();
            QLabel* label = colours::colouredLabel(frame, heading, colours::captionBlue);
            label->setObjectName(QStringLiteral("Label%1").arg(++labelNumber));
            label->setAccessibleName(heading);
            label->setFont(plainFont);
            labels[static_cast<std::size_t>(column)] = label;

            auto* list = new QComboBox(frame);
            list->setObjectName(group.listNames[static_cast<std::size_t>(column)].toString());
            list->setAccessibleName(caption + QStringLiteral(", ") + heading);
            // The entries the list opens to are named after the list, too.
            list->view()->setAccessibleName(list->accessibleName());
            list->setFont(plainFont);
            list->setEditable(false);
            list->addItems(clothingSizes(group, static_cast<SizeSystem>(column)));
            list->setCurrentIndex(-1);
            lists[static_cast<std::size_t>(column)] = list;
        }
        headings.push_back(labels);
        m_groups.push_back(lists);
    }

    // Every frame repeats one arrangement, so one set of places serves them all: the headings below the
    // caption, the lists below the headings, all lists one width (the widest size whole: a clipped "17½"
    // would read as "17"), and each column moved on where the one before it needs the room.
    int headingHeight = 0;
    int headingsWidth = x(headingWidth);
    int titlesRight = 0;
    QSize listSize(x(listWidth), 0);
    for (std::size_t group = 0; group < frames.size(); ++group) {
        // The caption whole, and as far clear of the frame's right edge as the lists.
        titlesRight = std::max(titlesRight, groupBoxTitleRect(frames[group]).right() + 1 + x(frameMargin));
        for (const QLabel* label : headings[group]) {
            headingHeight = std::max(headingHeight, label->sizeHint().height());
            headingsWidth = std::max(headingsWidth, label->sizeHint().width());
        }
        for (const QComboBox* list : m_groups[group])
            listSize = listSize.expandedTo(list->sizeHint());
    }
    const int headingsTop = std::max(y(headingTop), frames.front()->contentsRect().top());
    const int listsTop = std::max(y(listTop), headingsTop + headingHeight);
    std::array<int, sizeSystemCount> columns{};
    for (int column = 0; column < sizeSystemCount; ++column) {
        const int designed = x(columnLefts[column]);
        columns[static_cast<std::size_t>(column)] = column == 0
            ? designed
            : std::max(designed,
                columns[static_cast<std::size_t>(column) - 1] + std::max(headingsWidth, listSize.width())
                    + x(columnGap));
    }
    const QSize frameSize
        = QSize(x(frameWidth), y(frameHeight))
              .expandedTo(
                  QSize(std::max(columns.back() + std::max(headingsWidth, listSize.width()) + x(frameMargin),
                            titlesRight),
                      listsTop + listSize.height() + y(frameMargin)));

    const int secondColumn = std::max(x(frameLefts[1]), x(frameLefts[0]) + frameSize.width() + x(frameGap));
    int rowTop = 0;
    for (std::size_t group = 0; group < frames.size(); ++group) {
        const std::size_t row = group / 2;
        if (group % 2 == 0)
            rowTop = row == 0 ? y(frameTops[0])
                              : std::max(y(frameTops[row]), rowTop + frameSize.height() + y(frameGap));
        frames[group]->setGeometry(
            QRect(QPoint(group % 2 == 0 ? x(frameLefts[0]) : secondColumn, rowTop), frameSize));
        for (std::size_t column = 0; column < columns.size(); ++column) {
            headings[group][column]->setGeometry(columns[column], headingsTop, headingsWidth, headingHeight);
            m_groups[group][column]->setGeometry(QRect(QPoint(columns[column], listsTop), listSize));
        }
    }

    for (const GroupLists& lists : m_groups) {
        for (QComboBox* list : lists) {
            connect(list, &QComboBox::currentIndexChanged, this,
                [this, lists, list](int position) { followSelection(lists, list, position); });
        }
    }

    // Help and Done keep their places in the cell right of the last frame.
    QPushButton* help = helpButton();
    QPushButton* done = doneButton();
    const QPoint cell(secondColumn, rowTop);
    const QSize buttonSize(x(buttonWidth), y(buttonHeight));
    const int buttonsTop = cell.y() + y(buttonTop - frameTops[3]);
    placeHelpAndDone(QRect(QPoint(cell.x() + x(helpLeft - frameLefts[1]), buttonsTop), buttonSize),
        QRect(QPoint(cell.x() + x(doneLeft - frameLefts[1]), buttonsTop), buttonSize));
    const QSize margin(
        x(clientWidth - frameLefts[1] - frameWidth), y(clientHeight - frameTops[3] - frameHeight));
    setFormSize(this, clientWidth, clientHeight,
        QSize(std::max(secondColumn + frameSize.width(), rightOf(done)) + margin.width(),
            std::max(rowTop + frameSize.height(), below(done)) + margin.height()));

    QWidget* previous = nullptr;
    for (const GroupLists& lists : m_groups) {
        for (QComboBox* list : lists) {
            if (previous != nullptr)
                setTabOrder(previous, list);
            previous = list;
        }
    }
    setTabOrder(previous, help);
    setTabOrder(help, done);

    m_groups.front()[0]->setFocus();
}

void ClothDialog::followSelection(const GroupLists& group, const QComboBox* chosen, int position)
{
    // Setting a list from here notifies again; the guard, and leaving alone a list that already shows
    // the position, keep one choice from echoing between the lists.
    if (m_following)
        return;
    m_following = true;
    for (QComboBox* list : group) {
        if (list != chosen && list->currentIndex() != position && position < list->count())
            list->setCurrentIndex(position);
    }
    m_following = false;
}

} // namespace gui
