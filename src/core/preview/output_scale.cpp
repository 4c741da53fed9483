#include "core/preview/output_scale.h"

#include <algorithm>

#include "core/preview/integer_math.h"

namespace korva {
namespace {

int32_t ScaleFromSide(int32_t& low, int32_t& high, int32_t outputPixels, const ScaleLimits& limits, int32_t lowBefore) {
    int64_t size = int64_t{high} - low;
    if (size == 0) {
        size = 1;
        high = Low32(int64_t{low} + 1);
    }
    const int64_t scale = int64_t{outputPixels} * 100 / size;
    const int32_t clamped = ClampScale(scale, limits);
    if (clamped != scale) {
        const int64_t fitted = int64_t{outputPixels} * 100 / clamped;
        if (low == lowBefore) {
            high = Low32(low + fitted);
        } else {
            low = Low32(high - fitted);
        }
    }
    return clamped;
}

}  // namespace

ScaleLimits ComputeScaleLimits(const PaneSettings& s) {
    int64_t lower = std::max(1, s.scaleMin);
    int64_t upper = s.scaleMax;
    if (s.scanResolution > 0 && !s.resolutions.empty()) {
        lower = std::max<int64_t>(lower, int64_t{s.resolutions.front()} * 50 / s.scanResolution);
        upper = std::min<int64_t>(upper, int64_t{s.resolutions.back()} * 200 / s.scanResolution);
    }
    upper = std::max(upper, lower);
    return {Low32(lower), Low32(upper)};
}

int32_t ClampScale(int64_t scale, const ScaleLimits& limits) {
    if (scale < limits.lower) {
        return limits.lower;
    }
    if (scale > limits.upper) {
        return limits.upper;
    }
    return static_cast<int32_t>(scale);
}

int32_t OutputWidthInView(const PaneSettings& settings, const PreviewView& view) {
    return Low32(RoundedDivide(int64_t{settings.outWidth} * view.viewWidth, view.areaWidth));
}

int32_t OutputHeightInView(const PaneSettings& settings, const PreviewView& view) {
    return Low32(RoundedDivide(int64_t{settings.outHeight} * view.viewHeight, view.areaHeight));
}

int32_t ScaleFromWidth(Rect& rect, int32_t outputPixels, const ScaleLimits& limits, int32_t leftBefore) {
    return ScaleFromSide(rect.left, rect.right, outputPixels, limits, leftBefore);
}

int32_t ScaleFromHeight(Rect& rect, int32_t outputPixels, const ScaleLimits& limits, int32_t topBefore) {
    return ScaleFromSide(rect.top, rect.bottom, outputPixels, limits, topBefore);
}

}  // namespace korva
