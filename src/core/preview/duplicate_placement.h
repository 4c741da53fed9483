// Where a duplicate of the current marquee goes: 5 full-preview pixels away, beside it with Ctrl, below
// it with Alt, and back to the near border when it would leave the window.
#pragma once

#include <cstdint>

#include "core/preview/marquee_list.h"
#include "core/preview/point.h"
#include "core/preview/rect.h"

namespace korva {

// 5 full-preview pixels in view pixels: 5 on the full preview, bedPx x 5 / full size in a zoom.
Point DuplicateOffset(const MarqueeList& marquees);

// The copy of `source`: with Ctrl moved right by its own width plus the offset, with Alt down by its
// own height plus the offset, with neither right and down by the offset. A copy whose right edge passes
// the client width starts at x = offset (with neither key also at y = offset); one whose bottom passes
// the client height starts at y = offset (with neither key also at x = offset). The size is kept.
Rect PlaceDuplicate(const Rect& source, Point offset, bool ctrl, bool alt, int32_t clientWidth, int32_t clientHeight);

}  // namespace korva
