#include "tables/clothing_sizes.h"

namespace tables {

namespace {

// "\u00BD" is the one-half sign: "14\u00BD" reads 14½.

constexpr SizeRow menSuits[] = {
    {u"36", u"36", u"46"},
    {u"38", u"38", u"48"},
    {u"40", u"40", u"51"},
    {u"42", u"42", u"54"},
    {u"44", u"44", u"56"},
    {u"46", u"46", u"59"},
};

constexpr SizeRow womenSuits[] = {
    {u"8", u"10", u"38"},
    {u"10", u"12", u"40"},
    {u"12", u"14", u"42"},
    {u"14", u"16", u"44"},
    {u"16", u"18", u"46"},
    {u"18", u"20", u"48"},
};

constexpr SizeRow menShirts[] = {
    {u"14", u"14", u"36"},
    {u"14\u00BD", u"14\u00BD", u"37"},
    {u"15", u"15", u"38"},
    {u"15\u00BD", u"15\u00BD", u"39"},
    {u"16", u"16", u"40"},
    {u"16\u00BD", u"16\u00BD", u"41"},
    {u"17", u"17", u"42"},
    {u"17\u00BD", u"17\u00BD", u"43"},
};

constexpr SizeRow womenBlouses[] = {
    {u"34", u"36", u"42"},
    {u"36", u"38", u"44"},
    {u"38", u"40", u"46"},
    {u"40", u"42", u"48"},
    {u"42", u"44", u"50"},
    {u"44", u"46", u"52"},
};

constexpr SizeRow menShoes[] = {
    {u"7\u00BD", u"7", u"40\u00BD"},
    {u"8", u"7\u00BD", u"41"},
    {u"8\u00BD", u"8", u"42"},
    {u"9\u00BD", u"9", u"43"},
    {u"10\u00BD", u"10", u"44\u00BD"},
    {u"11\u00BD", u"11", u"46"},
};

constexpr SizeRow womenShoes[] = {
    {u"6", u"4\u00BD", u"37\u00BD"},
    {u"6\u00BD", u"5", u"38"},
    {u"7", u"5\u00BD", u"39"},
    {u"7\u00BD", u"6", u"39\u00BD"},
    {u"8", u"6\u00BD", u"40"},
    {u"8\u00BD", u"7", u"40\u00BD"},
};

constexpr SizeRow children[] = {
    {u"4", u"43", u"109"},
    {u"6", u"48", u"122"},
    {u"8", u"55", u"140"},
    {u"10", u"58", u"147"},
    {u"12", u"60", u"152"},
    {u"14", u"62", u"157"},
};

constexpr ClothingGroup groupTable[] = {
    {u"Men's Suits and Overcoats", menSuits},
    {u"Women's Suits and Dresses", womenSuits},
    {u"Men's Shirts", menShirts},
    {u"Women's Blouses and Sweaters", womenBlouses},
    {u"Men's Shoes", menShoes},
    {u"Women's Shoes", womenShoes},
    {u"Children's Clothes", children},
};

constexpr QStringView systemHeadings[sizeSystemCount] = {u"American", u"British", u"European"};

} // namespace

QStringView sizeSystemHeading(SizeSystem system)
{
    return systemHeadings[static_cast<int>(system)];
}

std::span<const ClothingGroup> clothingGroups()
{
    return groupTable;
}

QStringList clothingSizes(const ClothingGroup& group, SizeSystem system)
{
    const auto column = static_cast<std::size_t>(system);
    QStringList sizes;
    sizes.reserve(static_cast<qsizetype>(group.rows.size()));
    for (const SizeRow& row : group.rows)
        sizes.append(row[column].toString());
    return sizes;
}

} // namespace tables
