#include "app/topic.h"

#include "convert/linear.h"
#include "convert/measure_dialog.h"
#include "convert/misc.h"
#include "convert/surface.h"
#include "convert/volume_dialog.h"
#include "convert/weight.h"
#include "numbers/number_dialog.h"
#include "tables/cloth_dialog.h"
#include "tables/paper_dialog.h"

namespace app {

std::unique_ptr<QDialog> createTopicDialog(Topic topic, QWidget* parent)
{
    switch (topic) {
    case Topic::Linear:
        return std::make_unique<convert::MeasureDialog>(convert::linearTable(), parent);
    case Topic::Surface:
        return std::make_unique<convert::MeasureDialog>(convert::surfaceTable(), parent);
    case Topic::Volume:
        return std::make_unique<convert::VolumeDialog>(parent);
    case Topic::Weight:
        return std::make_unique<convert::MeasureDialog>(convert::weightTable(), parent);
    case Topic::Number:
        return std::make_unique<numbers::NumberDialog>(parent);
    case Topic::Paper:
        return std::make_unique<tables::PaperDialog>(parent);
    case Topic::Cloth:
        return std::make_unique<tables::ClothDialog>(parent);
    case Topic::Misc:
        return std::make_unique<convert::MeasureDialog>(convert::miscTable(), parent);
    }
    return nullptr;
}

} // namespace app
