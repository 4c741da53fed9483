// Typed sizes applied to the current rectangle while output dimensions are locked: the scale follows
// the typed size, the rectangle follows the scale, and a rectangle that would leave the view raises the
// scale until it fits (at most three passes).
#pragma once

#include <cstdint>

#include "core/preview/pane_settings.h"
#include "core/preview/preview_view.h"
#include "core/preview/rect.h"

namespace korva {

struct LockedSizeEdit {
    Rect rect;
    int32_t scale = 0;
    bool changed = false;  // a side overflowed the view and the scale was raised
};

// A W/H edit of the main dialog under imageLocked. An empty rectangle is the whole view (0, 0,
// viewWidth, viewHeight). Scale-from-width (width edit) or scale-from-height, then up to 3 passes: the
// rectangle becomes left, top, left + w, top + h with w, h = output size in view pixels x 100 / scale;
// a side reaching viewWidth - 1 (viewHeight - 1) gives the candidate scale
// ((output width x viewWidth / areaWidth) x 100) / max(1, viewWidth - left - 3), kept to 16 bits, and
// the larger candidate, clamped to the scale limits, is the scale of the next pass.
LockedSizeEdit ApplyLockedSizeEdit(const Rect& rect,
                                   bool widthEdit,
                                   const PaneSettings& settings,
                                   const PreviewView& view);

// A target-size edit of a tab page while an output dimension is locked: from the present scale, each
// pass recomputes only the locked dimensions (at least 1 pixel), and a side overflows only when it
// passes viewWidth (viewHeight). Always reports a change.
LockedSizeEdit FitLockedTargetSize(const Rect& rect, const PaneSettings& settings, const PreviewView& view);

}  // namespace korva
