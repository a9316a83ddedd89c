#pragma once

#include "gui/svg_icon.h"

#include <span>
#include <string_view>

namespace app {

// The sizes of a picture of app/icons (by file name) that were drawn ahead at build time: every picture
// the main window shows when it first appears, at scale factors 1 and 2.
std::span<const gui::DrawnPicture> drawnPictures(std::string_view name);

} // namespace app
