#include "app/topic.h"

#include "convert/linear.h"
#include "convert/measure_dialog.h"
#include "numbers/number_dialog.h"

namespace app {

std::unique_ptr<QDialog> createTopicDialog(Topic topic, QWidget* parent)
{
    switch (topic) {
    case Topic::Linear:
        return std::make_unique<convert::MeasureDialog>(convert::linearTable(), parent);
    case Topic::Surface:
    case Topic::Volume:
    case Topic::Weight:
    case Topic::Number:
        return std::make_unique<numbers::NumberDialog>(parent);
    case Topic::Paper:
    case Topic::Cloth:
    case Topic::Misc:
        break;
    }
    return nullptr;
}

} // namespace app
