// The geometry of the preview pane: the picture's size, the document area it shows, the scannable bed
// and the current selection.
#pragma once

#include <cstdint>

#include "core/preview/rect.h"

namespace korva {

struct PreviewView {
    int32_t viewWidth = 0;  // pixels of the picture shown (full preview or zoom)
    int32_t viewHeight = 0;
    int32_t fullWidth = 0;  // pixels of the unzoomed preview; 0 until the first geometry is computed
    int32_t fullHeight = 0;
    int32_t areaLeft = 0;  // the document area shown, hundredths of an inch from the bed's origin
    int32_t areaTop = 0;
    int32_t areaWidth = 0;
    int32_t areaHeight = 0;
    int32_t bedWidth = 0;  // the whole scannable area of the current document source
    int32_t bedHeight = 0;
    int32_t paneMaxWidth = 0;  // largest pane the main dialog's layout allows, pixels
    int32_t paneMaxHeight = 0;
    int32_t selWidth = 0;  // size of the current selection, hundredths of an inch
    int32_t selHeight = 0;
    int32_t paintWidth = 0;  // size blanked to white on every paint
    int32_t paintHeight = 0;
    Rect currentRect;  // the current marquee in view pixels; empty = no marquee
};

}  // namespace korva
