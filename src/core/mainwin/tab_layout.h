// Where the tab labels of the main dialog answer a click, and where the tab pages go inside the frame.
#pragma once

#include <cstdint>

#include "core/preview/point.h"
#include "core/preview/rect.h"

namespace korva {

enum class TabHit { kNone, kOcr, kPhoto };

// From screen rectangles of the OCR label (154), the Photo label (155) and the frame (157) and a screen
// point: the OCR label answers strictly between its left edge and the Photo label's, the Photo label
// strictly between its left edge and as far right of it as the OCR label lies left; both strictly
// between their top and the frame's top.
TabHit HitTabLabel(const Rect& ocrLabel, const Rect& photoLabel, const Rect& frame, Point point);

struct PagePlacement {
    int32_t x = 0;  // relative to the dialog's client origin
    int32_t y = 0;
};

// Centres a page of `pageWidth` × `pageHeight` pixels in the frame (157); the 1 × 1 origin control (158)
// at the dialog's client origin turns the frame's screen position into client coordinates.
PagePlacement CentrePageInFrame(const Rect& frame, const Rect& origin, int32_t pageWidth, int32_t pageHeight);

}  // namespace korva
