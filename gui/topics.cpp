#include "gui/topics.h"

#include "gui/cloth_dialog.h"
#include "gui/measure_dialog.h"
#include "gui/measure_form.h"
#include "gui/number_dialog.h"
#include "gui/paper_dialog.h"
#include "gui/volume_dialog.h"
#include "tables/help_texts.h"

#include <array>

namespace gui {

namespace {

template <typename Dialog> std::unique_ptr<TopicDialog> make(const Topic& topic, QWidget* parent)
{
    return std::make_unique<Dialog>(topic, parent);
}

// The miscellaneous dialog's buttons carry no access keys.
constexpr ButtonNames miscButtons{"btnHelp", "Help", "btnDone", "Done"};

using tables::clothingHelp;
using tables::measuresHelp;
using tables::numbersHelp;
using tables::paperHelp;

// clang-format off
constexpr std::array<Topic, 8> list = {{
    {"Linear", "frmLinear", "Linear Measure", "linear.svg", "Displays the linear conversion dialog", "mnuMeasureLinear", "&Linear", 'L', "Linear Conversion Dialog", measuresHelp, &make<MeasureDialog>, &linearForm},
    {"Surface", "frmSurface", "Surface Measure", "surface.svg", "Displays the surface conversion dialog", "mnuMeasureSurface", "&Surface", 'S', "Surface Conversion Dialog", measuresHelp, &make<MeasureDialog>, &surfaceForm},
    {"Volume", "frmVolume", "Volume and Liquid Measure", "volume.svg", "Displays the volume and liquid conversion dialog", "mnuMeasureVolume", "&Volume and Liquid", 'V', "Volume Conversion Dialog", measuresHelp, &make<VolumeDialog>, &volumeForm},
    {"Weight", "frmWeight", "Weight Measure", "weight.svg", "Displays the weight conversion dialog", "mnuMeasureWeight", "&Weight", 'W', "Weight Conversion Dialog", measuresHelp, &make<MeasureDialog>, &weightForm},
    {"Paper", "frmPaper", "Paper Sizes", "paper.svg", "Displays the paper sizes dialog", "mnuMeasurePaper", "&Paper Sizes", 'P', "Paper Sizes Dialog", paperHelp, &make<PaperDialog>},
    {"Number", "frmNumber", "Number Conversions", "number.svg", "Displays the number conversion dialog", "mnuMeasureNumber", "&Number Systems", 'N', "Number Conversion Dialog", numbersHelp, &make<NumberDialog>},
    {"Cloth", "frmCloth", "Clothing Size", "cloth.svg", "Displays the clothing size dialog", "mnuMeasureCloth", "&Clothing Size", 'C', "Clothing Size Dialog", clothingHelp, &make<ClothDialog>},
    {"Misc", "frmMisc", "Miscellaneous", "misc.svg", "Displays the miscellaneous dialog", "mnuMeasureMiscellaneous", "&Miscellaneous", 'M', "Miscellaneous Conversion Dialog", measuresHelp, &make<MeasureDialog>, &miscForm, miscButtons},
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

std::unique_ptr<TopicDialog> createDialog(const Topic& topic, QWidget* parent)
{
    return topic.make(topic, parent);
}

} // namespace gui
