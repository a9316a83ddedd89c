#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

// The paper and envelope sizes the paper dialog offers.
namespace tables {

// One sheet: its name and four figures, kept as the texts the dialog shows ("33.125" keeps its
// digits, a whole number has no decimal point). The width is always the shorter side.
struct PaperSize
{
    QStringView name;
    QStringView widthInches;
    QStringView heightInches;
    QStringView widthMillimetres;
    QStringView heightMillimetres;
};

// The sheets in the order they are catalogued.
std::span<const PaperSize> paperSizes();

// The names as the list shows them: sorted alphabetically without regard to letter case.
QStringList paperNamesSorted();

// The sheet whose name equals the text exactly, letter case included; nothing for any other text.
const PaperSize* findPaperSize(QStringView name);

} // namespace tables
