// The size of the selection in hundredths of an inch (selWidth, selHeight of the view), from the
// current rectangle in view pixels. No rectangle, a single point, or a rectangle that covers the whole
// view selects the whole area shown.
#pragma once

#include <cstdint>

#include "core/preview/marquee.h"
#include "core/preview/preview_view.h"

namespace korva {

// Sets view.selWidth and view.selHeight. A single point with a current marquee is measured by that
// marquee's full-preview rectangle and left in place. A rectangle within one pixel of the whole view
// (but not the whole view) becomes no rectangle. Returns 1 for a usable (nonzero) selection, else 0.
int32_t ComputeSelectionSize(PreviewView& view, const Marquee* current);

}  // namespace korva
