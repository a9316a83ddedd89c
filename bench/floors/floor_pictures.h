#pragma once

#include <string_view>

class QPixmap;

namespace floors {

// The premultiplied ARGB32 pixels of a picture drawn at build time (draw_floor_pictures), `width` ×
// `height` at scale factor 1 and `scale` times as many each way at 2; null for a picture or size that
// was not drawn.
const unsigned char* picturePixels(const char* name, int width, int height, int scale);

// A picture as a pixmap of the screen's scale factor (1 or 2), taken from its ready pixels; null where
// there are none.
QPixmap picture(const char* name, int width, int height);

} // namespace floors
