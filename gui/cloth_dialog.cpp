#include "gui/cloth_dialog.h"

#include "gui/colours.h"
#include "gui/form_placer.h"
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

// The objectNames of each group's frame and of its lists (American, British, European), in the order of
// the groups.
struct GroupNames
{
    const char* frame;
    std::array<const char*, sizeSystemCount> lists;
};

constexpr GroupNames groupNames[] = {
    {"Frame1", {"lbxMenSuitUS", "lbxMenSuitUK", "lbxMenSuitEU"}},
    {"Frame2", {"lbxWomSuitUS", "lbxWomSuitUK", "lbxWomSuitEU"}},
    {"Frame3", {"lbxMenShirtUS", "lbxMenShirtUK", "lbxMenShirtEU"}},
    {"Frame4", {"lbxWomBloUS", "lbxWomBloUK", "lbxWomBloEU"}},
    {"Frame5", {"lbxMenShoeUS", "lbxMenShoeUK", "lbxMenShoeEU"}},
    {"Frame6", {"lbxWomShoeUS", "lbxWomShoeUK", "lbxWomShoeEU"}},
    {"Frame7", {"lbxKidUS", "lbxKidUK", "lbxKidEU"}},
};

// Places in twips: frames and buttons in the client area, headings and lists inside their frame.
constexpr Designed client{0, 0, 7095, 4470};
// Two columns, four rows, filled row by row.
constexpr double frameLefts[] = {120, 3600};
constexpr double frameTops[] = {120, 1200, 2280, 3360};
constexpr double frameWidth = 3372;
constexpr double frameHeight = 972;
// Inside each frame, one column per size system, its heading above its list. A column keeps 120 clear of
// the next one where it needs to move on, and as much clear of the frame's edges.
constexpr double columnLefts[sizeSystemCount] = {240, 1320, 2400};
constexpr double columnWidth = 852;
constexpr double columnGap = 120;
constexpr double headingTop = 240;
constexpr double listTop = 480;
constexpr double listWidth = 732;
constexpr double listRoomHeight = frameHeight - listTop - columnGap;
// Help and Done fill the cell right of the children's frame.
constexpr Designed helpRoom{4560, 3720, 972, 372};
constexpr Designed doneRoom{5640, 3720, 972, 372};

} // namespace

ClothDialog::ClothDialog(const Topic& topic, QWidget* parent)
    : TopicDialog(topic, parent)
{
    QFont plainFont = font();
    plainFont.setBold(false);
    QFont captionFont = font();
    captionFont.setBold(true);

    const std::span<const ClothingGroup> groups = clothingGroups();
    std::vector<QGroupBox*> frames;
    std::vector<std::array<QLabel*, sizeSystemCount>> headings;
    m_groups.reserve(groups.size());
    Q_ASSERT(groups.size() == std::size(groupNames));
    int labelNumber = 0;
    for (std::size_t index = 0; index < groups.size(); ++index) {
        const ClothingGroup& group = groups[index];
        const QString caption = group.caption.toString();
        auto* frame = new QGroupBox(caption, this);
        frame->setObjectName(QLatin1String(groupNames[index].frame));
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
            list->setObjectName(QLatin1String(groupNames[index].lists[static_cast<std::size_t>(column)]));
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

    // Every frame repeats one arrangement: all headings one size, all lists one size (the widest size
    // whole: a clipped "17½" would read as "17"), and every caption whole, as far clear of the frame's right
    // edge as the lists.
    FormPlacer place(this);
    QSize headingSize(place.x(columnWidth), 0);
    QSize listSize(place.x(listWidth), 0);
    int titlesRight = 0;
    for (std::size_t group = 0; group < frames.size(); ++group) {
        titlesRight
            = std::max(titlesRight, groupBoxTitleRect(frames[group]).right() + 1 + place.x(columnGap));
        for (const QLabel* label : headings[group])
            headingSize = headingSize.expandedTo(label->sizeHint());
        for (const QComboBox* list : m_groups[group])
            listSize = listSize.expandedTo(list->sizeHint());
    }
    for (std::size_t group = 0; group < frames.size(); ++group) {
        const std::size_t row = group / 2;
        const std::size_t column = group % 2;
        const Designed frameRoom{frameLefts[column], frameTops[row], frameWidth, frameHeight};
        place.put(frames[group], frameRoom, QSize(titlesRight, 0));
        if (column == 1)
            place.rightOf(frames[group - 1]);
        if (row > 0)
            place.below(frames[group - 2]);
        const int titleBottom = frames[group]->contentsRect().top();
        for (std::size_t system = 0; system < sizeSystemCount; ++system) {
            const auto afterTheColumnBefore = [&] {
                if (system > 0)
                    place.rightOf(headings[group][system - 1], columnGap)
                        .rightOf(m_groups[group][system - 1], columnGap);
            };
            const double left = columnLefts[system];
            place
                .putWithin(headings[group][system], {left, headingTop, columnWidth, listTop - headingTop},
                    headingSize)
                .below(titleBottom);
            afterTheColumnBefore();
            place.putWithin(m_groups[group][system], {left, listTop, columnWidth, listRoomHeight}, listSize)
                .below(headings[group][system]);
            afterTheColumnBefore();
        }
        place.fit(frames[group], frameRoom);
    }

    for (const GroupLists& lists : m_groups) {
        for (QComboBox* list : lists) {
            connect(list, &QComboBox::currentIndexChanged, this,
                [this, lists, list](int position) { followSelection(lists, list, position); });
        }
    }

    // Help and Done keep their places in the cell right of the children's frame.
    QPushButton* help = helpButton();
    QPushButton* done = doneButton();
    place.put(help, helpRoom, pushButtonSizeFor(help)).rightOf(frames[6]).below(frames[5]);
    place.put(done, doneRoom, pushButtonSizeFor(done)).rightOf(help).below(frames[5]);
    place.fit(this, client);

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
