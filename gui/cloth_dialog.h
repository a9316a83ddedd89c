#pragma once

#include "gui/topic_dialog.h"

#include <array>
#include <vector>

class QComboBox;

namespace gui {

// The clothing size dialog (frmCloth): seven groups of three linked lists, one list per size system.
class ClothDialog final : public TopicDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClothDialog)

public:
    explicit ClothDialog(const Topic& topic, QWidget* parent = nullptr);

private:
    using GroupLists = std::array<QComboBox*, 3>;

    void followSelection(const GroupLists& group, const QComboBox* chosen, int position);

    std::vector<GroupLists> m_groups;
    bool m_following = false;
};

} // namespace gui
