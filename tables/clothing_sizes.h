#pragma once

#include <QStringList>
#include <QStringView>

#include <array>
#include <span>

// The garment and shoe sizes of the clothing dialog: seven groups, each with one list of sizes per
// system. Sizes at the same position of a group's three lists correspond; nothing else links them.
namespace tables {

enum class SizeSystem { American, British, European };

inline constexpr int sizeSystemCount = 3;

// The heading above a system's list: "American", "British" or "European".
QStringView sizeSystemHeading(SizeSystem system);

// One position of a group: the size in each system, American, British, European.
using SizeRow = std::array<QStringView, sizeSystemCount>;

struct ClothingGroup
{
    QStringView caption;
    std::span<const SizeRow> rows;
};

// The groups in the order the dialog shows them and the user tabs through them.
std::span<const ClothingGroup> clothingGroups();

// A group's sizes in one system, in their fixed order (they are not sorted).
QStringList clothingSizes(const ClothingGroup& group, SizeSystem system);

} // namespace tables
