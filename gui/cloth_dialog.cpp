#include "gui/cloth_dialog.h"

#include "gui/colours.h"
#include "gui/twips.h"
#include "tables/clothing_sizes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace gui {

using namespace tables;

namespace {

// Frame placement, in twips: two columns, four rows, filled row by row.
constexpr double frameLefts[] = {120, 3600};
constexpr double frameTops[] = {120, 1200, 2280, 3360};
constexpr double frameWidth = 3372;
constexpr double frameHeight = 972;

// Inside each frame, one column per size system.
constexpr double columnLefts[sizeSystemCount] = {240, 1320, 2400};
constexpr double headingTop = 240;
constexpr double headingWidth = 852;
constexpr double headingHeight = 252;
constexpr double listTop = 480;
constexpr double listWidth = 732;
constexpr double listWidthLimit = columnLefts[1] - columnLefts[0] - 120;

} // namespace

ClothDialog::ClothDialog(const Topic& topic, QWidget* parent)
    : TopicDialog(topic, parent)
{
    setFormSize(this, 7095, 4470, true);

    QFont plainFont = font();
    plainFont.setBold(false);
    QFont captionFont = font();
    captionFont.setBold(true);

    const std::span<const ClothingGroup> groups = clothingGroups();
    m_groups.reserve(groups.size());
    int labelNumber = 0;
    for (std::size_t groupIndex = 0; groupIndex < groups.size(); ++groupIndex) {
        const ClothingGroup& group = groups[groupIndex];
        const QString caption = group.caption.toString();

        auto* frame = new QGroupBox(caption, this);
        frame->setObjectName(group.frameName.toString());
        frame->setAccessibleName(caption);
        // The caption is bold; the frame's contents keep the plain font set on each of them below.
        frame->setFont(captionFont);
        frame->setGeometry(
            twipsRect(this, frameLefts[groupIndex % 2], frameTops[groupIndex / 2], frameWidth, frameHeight));

        GroupLists lists{};
        for (int column = 0; column < sizeSystemCount; ++column) {
            const auto system = static_cast<SizeSystem>(column);
            const QString heading = sizeSystemHeading(system).toString();
            const double left = columnLefts[column];

            QLabel* label = colours::colouredLabel(frame, heading, colours::captionBlue);
            label->setObjectName(QStringLiteral("Label%1").arg(++labelNumber));
            label->setAccessibleName(heading);
            label->setFont(plainFont);
            label->setGeometry(twipsRect(frame, left, headingTop, headingWidth, headingHeight));

            auto* list = new QComboBox(frame);
            list->setObjectName(group.listNames[static_cast<std::size_t>(column)].toString());
            list->setAccessibleName(caption + QStringLiteral(", ") + heading);
            list->setFont(plainFont);
            list->setEditable(false);
            list->addItems(clothingSizes(group, system));
            list->setCurrentIndex(-1);
            list->move(twipsToPixelsX(frame, left), twipsToPixelsY(frame, listTop));
            lists[static_cast<std::size_t>(column)] = list;
        }
        m_groups.push_back(lists);
    }

    // All lists share one width: the form's, unless the desktop's font needs more room for the widest
    // size (a clipped "17½" would read as "17"), and never more than the space up to the next column.
    int width = twipsToPixelsX(this, listWidth);
    for (const GroupLists& lists : m_groups) {
        for (const QComboBox* list : lists)
            width = std::max(width, list->sizeHint().width());
    }
    width = std::min(width, twipsToPixelsX(this, listWidthLimit));
    for (const GroupLists& lists : m_groups) {
        for (QComboBox* list : lists)
            list->resize(width, list->sizeHint().height());
    }

    for (const GroupLists& lists : m_groups) {
        for (QComboBox* list : lists) {
            connect(list, &QComboBox::currentIndexChanged, this,
                [this, lists, list](int position) { followSelection(lists, list, position); });
        }
    }

    QPushButton* help = helpButton();
    QPushButton* done = doneButton();
    help->setGeometry(twipsRect(this, 4560, 3720, 972, 372));
    done->setGeometry(twipsRect(this, 5640, 3720, 972, 372));

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
