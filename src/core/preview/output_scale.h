// The scale that follows the marquee while an output dimension is locked: the locked output size
// divided by the marquee's size, within the limits the device's resolutions allow.
#pragma once

#include <cstdint>

#include "core/preview/pane_settings.h"
#include "core/preview/preview_view.h"
#include "core/preview/rect.h"

namespace korva {

struct ScaleLimits {
    int32_t lower = 1;
    int32_t upper = 1;
};

// lower = max(1, first resolution x 50 / scanResolution, scaleMin), upper = min(last resolution x 200 /
// scanResolution, scaleMax). Without a resolution the device terms drop out; upper is never below lower.
ScaleLimits ComputeScaleLimits(const PaneSettings& settings);

int32_t ClampScale(int64_t scale, const ScaleLimits& limits);

// The output size in view pixels, rounded: outWidth x viewWidth / areaWidth (height likewise).
int32_t OutputWidthInView(const PaneSettings& settings, const PreviewView& view);
int32_t OutputHeightInView(const PaneSettings& settings, const PreviewView& view);

// Scale-from-width: scale = output pixels x 100 / (right - left), a width of 0 taken as 1. A scale outside
// the limits is clamped and the width is made to fit it, moving the right edge when the left one stayed
// where it was before the step (`leftBefore`), else the left edge. Returns the scale.
int32_t ScaleFromWidth(Rect& rect, int32_t outputPixels, const ScaleLimits& limits, int32_t leftBefore);
// The same for the height, with top and bottom.
int32_t ScaleFromHeight(Rect& rect, int32_t outputPixels, const ScaleLimits& limits, int32_t topBefore);

}  // namespace korva
