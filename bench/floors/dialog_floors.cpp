#include "bench/floors/dialog_floors.h"

namespace floors {

std::unique_ptr<QDialog> createDialogFloor(std::string_view key, QWidget* parent)
{
    using Make = std::unique_ptr<QDialog> (*)(QWidget*);
    constexpr struct
    {
        std::string_view key;
        Make make;
    } floors[] = {{"linear", &linearFloor}, {"surface", &surfaceFloor}, {"volume", &volumeFloor},
        {"weight", &weightFloor}, {"paper", &paperFloor}, {"number", &numberFloor}, {"cloth", &clothFloor},
        {"misc", &miscFloor}};
    for (const auto& floor : floors) {
        if (floor.key == key)
            return floor.make(parent);
    }
    return nullptr;
}

} // namespace floors
