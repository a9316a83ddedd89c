#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

// The paper and envelope sizes the paper dialog offers, and the scale of its rectangle.
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

// A rectangle size in twips (1/1440 of a logical inch), single precision as the shape stores it.
struct TwipSize
{
    float width = 0.0F;
    float height = 0.0F;
};

// The sheets in the order they are catalogued.
std::span<const PaperSize> paperSizes();

// The names as the list shows them: sorted alphabetically without regard to letter case.
QStringList paperNamesSorted();

// The sheet whose name equals the text exactly, letter case included; nothing for any other text.
const PaperSize* findPaperSize(QStringView name);

// The length of a millimetre text in twips at the drawing's scale of 2.5 twips per millimetre. The text
// is read leniently, so "104.8" gives 262. A text that reads as a negative length, or as a length too
// large to draw, gives 0.
float millimetreTextToTwips(const QString& millimetres);

// The rectangle of a sheet, sized from its millimetre texts as shown, never from the inch figures.
TwipSize paperRectangle(const QString& widthMillimetres, const QString& heightMillimetres);

} // namespace tables
