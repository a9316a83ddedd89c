#include "tables/topics.h"

#include "convert/linear.h"
#include "convert/misc.h"
#include "convert/surface.h"
#include "convert/volume.h"
#include "convert/weight.h"

#include <array>

namespace tables {

namespace {

// Text A: the measure dialogs.
constexpr char16_t measuresHelp[]
    = u"Select a field and type in any according numeric value. Only use the valid decimal symbol and digit "
      u"grouping symbol as specified in your regional number settings in the Windows Control Panel. Then "
      u"press Return.";

// Text B: the number systems dialog, its limits one per line, lines broken by carriage return and line feed.
constexpr char16_t numbersHelp[]
    = u"Select a field and type in any according value. Don't use any decimal or grouping symbols here. "
      u"Then press Return.\r\n\r\n"
      u"Due to overflow prevention please restrict your inputs to: \r\n\r\n"
      u"Binary: <= 26 digits\r\n"
      u"Octal: <= 10 digits\r\n"
      u"Decimal: <= 9 digits\r\n"
      u"Hexadecimal: <= 7 digits\r\n"
      u"Roman: <= 20 digits\r\n"
      u"Network Address: = 12 digits hexadecimal/kanonical";

// Text C: paper sizes.
constexpr char16_t paperHelp[]
    = u"Select a paper size out of the list box. You can see the according height and width in the text "
      u"boxes. The yellow rectangle shall give you an idea of the relative size.";

// Text D: clothing sizes.
constexpr char16_t clothingHelp[]
    = u"Use the drop down list boxes in any of the clothing groups to select a size that you would like to "
      u"convert. You will see the according values in the other list boxes after your selection.";

// The miscellaneous dialog's buttons carry no access keys.
constexpr ButtonNames miscButtons{"btnHelp", "Help", "btnDone", "Done"};

using enum DialogShape;

// clang-format off
constexpr std::array<Topic, 8> list = {{
    {"Linear", "frmLinear", "Linear Measure", "linear.svg", "Displays the linear conversion dialog", "mnuMeasureLinear", "&Linear", 'L', "Linear Conversion Dialog", measuresHelp, Measure, &convert::linearTable},
    {"Surface", "frmSurface", "Surface Measure", "surface.svg", "Displays the surface conversion dialog", "mnuMeasureSurface", "&Surface", 'S', "Surface Conversion Dialog", measuresHelp, Measure, &convert::surfaceTable},
    {"Volume", "frmVolume", "Volume and Liquid Measure", "volume.svg", "Displays the volume and liquid conversion dialog", "mnuMeasureVolume", "&Volume and Liquid", 'V', "Volume Conversion Dialog", measuresHelp, MeasureWithBox, &convert::volumeTable},
    {"Weight", "frmWeight", "Weight Measure", "weight.svg", "Displays the weight conversion dialog", "mnuMeasureWeight", "&Weight", 'W', "Weight Conversion Dialog", measuresHelp, Measure, &convert::weightTable},
    {"Paper", "frmPaper", "Paper Sizes", "paper.svg", "Displays the paper sizes dialog", "mnuMeasurePaper", "&Paper Sizes", 'P', "Paper Sizes Dialog", paperHelp, PaperSizes},
    {"Number", "frmNumber", "Number Conversions", "number.svg", "Displays the number conversion dialog", "mnuMeasureNumber", "&Number Systems", 'N', "Number Conversion Dialog", numbersHelp, NumberSystems},
    {"Cloth", "frmCloth", "Clothing Size", "cloth.svg", "Displays the clothing size dialog", "mnuMeasureCloth", "&Clothing Size", 'C', "Clothing Size Dialog", clothingHelp, ClothingSizes},
    {"Misc", "frmMisc", "Miscellaneous", "misc.svg", "Displays the miscellaneous dialog", "mnuMeasureMiscellaneous", "&Miscellaneous", 'M', "Miscellaneous Conversion Dialog", measuresHelp, Measure, &convert::miscTable, miscButtons},
}};
// clang-format on

} // namespace

std::span<const Topic> topics()
{
    return list;
}

const Topic* findTopic(const QString& key)
{
    for (const Topic& topic : list) {
        if (key == QLatin1String(topic.key))
            return &topic;
    }
    return nullptr;
}

} // namespace tables
