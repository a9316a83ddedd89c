#pragma once

#include <QDialog>

#include <array>
#include <vector>

class QComboBox;

namespace tables {

// The clothing size dialog (frmCloth): seven groups of three linked lists, one list per size system.
class ClothDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClothDialog)

public:
    explicit ClothDialog(QWidget* parent = nullptr);

private:
    using GroupLists = std::array<QComboBox*, 3>;

    void followSelection(const GroupLists& group, const QComboBox* chosen, int position);

    std::vector<GroupLists> m_groups;
    bool m_following = false;
};

} // namespace tables
