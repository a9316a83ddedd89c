#include "tables/paper_sizes.h"

#include <algorithm>

namespace tables {

namespace {

constexpr PaperSize paperTable[] = {
    {u"A0", u"33.125", u"46.75", u"841", u"1189"},
    {u"A1", u"23.375", u"33.125", u"594", u"841"},
    {u"A2", u"16.5", u"23.375", u"420", u"594"},
    {u"A3", u"11.375", u"16.5", u"297", u"420"},
    {u"A4", u"8.125", u"11.375", u"210", u"297"},
    {u"A5", u"5.875", u"8.125", u"148", u"210"},
    {u"B4", u"9.84", u"13.94", u"250", u"354"},
    {u"B5", u"7.17", u"10.12", u"182", u"257"},
    {u"C", u"17", u"22", u"431.8", u"558.8"},
    {u"C5", u"6.38", u"9.02", u"162", u"229"},
    {u"Com-10", u"4.125", u"9.5", u"104.8", u"241.3"},
    {u"D", u"22", u"34", u"558.8", u"863.6"},
    {u"DL", u"4.33", u"8.66", u"110", u"220"},
    {u"Demy", u"17.5", u"22.5", u"444.5", u"571.5"},
    {u"Double Crown", u"20", u"30", u"508", u"762"},
    {u"E", u"34", u"44", u"863.6", u"1117.6"},
    {u"Executive", u"7.25", u"10.5", u"184.15", u"266.7"},
    {u"Folio", u"8.5", u"13", u"215.9", u"330.2"},
    {u"Large Post", u"16.5", u"21", u"419.1", u"533.4"},
    {u"Legal", u"8.5", u"14", u"215.9", u"355.6"},
    {u"Letter", u"8.5", u"11", u"215.9", u"279.4"},
    {u"Medium", u"18", u"23", u"457.2", u"584.2"},
    {u"Monarch", u"3.875", u"7.5", u"98.4", u"190.5"},
    {u"Quatro", u"8.46", u"10.83", u"215", u"275"},
    {u"Royal", u"20", u"25", u"508", u"635"},
    {u"Statement", u"5.5", u"8.5", u"139.7", u"215.9"},
    {u"Tabloid", u"11", u"17", u"279.4", u"431.8"},
};

} // namespace

std::span<const PaperSize> paperSizes()
{
    return paperTable;
}

QStringList paperNamesSorted()
{
    QStringList names;
    names.reserve(static_cast<qsizetype>(std::size(paperTable)));
    for (const PaperSize& size : paperTable)
        names.append(size.name.toString());
    // A plain comparison would put "DL" before "Demy"; the list reads like a dictionary instead.
    std::stable_sort(names.begin(), names.end(), [](const QString& left, const QString& right) {
        return QString::compare(left, right, Qt::CaseInsensitive) < 0;
    });
    return names;
}

const PaperSize* findPaperSize(QStringView name)
{
    const auto found = std::find_if(std::begin(paperTable), std::end(paperTable),
        [name](const PaperSize& size) { return size.name == name; });
    return found == std::end(paperTable) ? nullptr : found;
}

} // namespace tables
