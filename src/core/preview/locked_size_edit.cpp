#include "core/preview/locked_size_edit.h"

#include <algorithm>

#include "core/preview/integer_math.h"
#include "core/preview/output_scale.h"

namespace korva {
namespace {

constexpr int kPasses = 3;

// The scale at which the output fills the view from `start` on, as a 16-bit value.
int64_t OverflowScale(uint16_t output, int32_t viewSize, int32_t areaSize, int32_t start) {
    const int64_t outputPixels = DivideOrZero(int64_t{output} * viewSize, areaSize);
    const int64_t room = std::max<int64_t>(1, int64_t{viewSize} - start - 3);
    return static_cast<uint16_t>(outputPixels * 100 / room);
}

Rect WholeViewIfEmpty(const Rect& rect, const PreviewView& view) {
    return rect.IsEmpty() ? Rect{0, 0, view.viewWidth, view.viewHeight} : rect;
}

}  // namespace

LockedSizeEdit ApplyLockedSizeEdit(const Rect& start,
                                   bool widthEdit,
                                   const PaneSettings& settings,
                                   const PreviewView& view) {
    LockedSizeEdit edit;
    Rect& r = edit.rect;
    r = WholeViewIfEmpty(start, view);
    const ScaleLimits limits = ComputeScaleLimits(settings);
    const int32_t outW = OutputWidthInView(settings, view);
    const int32_t outH = OutputHeightInView(settings, view);
    edit.scale = widthEdit ? ScaleFromWidth(r, outW, limits, r.left) : ScaleFromHeight(r, outH, limits, r.top);
    for (int pass = 0; pass < kPasses; ++pass) {
        const int64_t w = int64_t{outW} * 100 / edit.scale;
        const int64_t h = int64_t{outH} * 100 / edit.scale;
        r.right = Low32(r.left + w);
        r.bottom = Low32(r.top + h);
        const bool overflowX = r.left + w >= int64_t{view.viewWidth} - 1;
        const bool overflowY = r.top + h >= int64_t{view.viewHeight} - 1;
        if (!overflowX && !overflowY) {
            break;
        }
        edit.changed = true;
        const int64_t scaleX = overflowX ? OverflowScale(settings.outWidth, view.viewWidth, view.areaWidth, r.left) : 0;
        const int64_t scaleY =
            overflowY ? OverflowScale(settings.outHeight, view.viewHeight, view.areaHeight, r.top) : 0;
        edit.scale = ClampScale(std::max(scaleX, scaleY), limits);
    }
    return edit;
}

LockedSizeEdit FitLockedTargetSize(const Rect& start, const PaneSettings& settings, const PreviewView& view) {
    LockedSizeEdit edit;
    Rect& r = edit.rect;
    r = WholeViewIfEmpty(start, view);
    edit.changed = true;
    const ScaleLimits limits = ComputeScaleLimits(settings);
    const int32_t outW = OutputWidthInView(settings, view);
    const int32_t outH = OutputHeightInView(settings, view);
    edit.scale = ClampScale(settings.scalePercent, limits);
    for (int pass = 0; pass < kPasses; ++pass) {
        bool overflowX = false;
        bool overflowY = false;
        if (settings.outWidthLocked) {
            const int64_t w = std::max<int64_t>(1, int64_t{outW} * 100 / edit.scale);
            r.right = Low32(r.left + w);
            overflowX = r.left + w > view.viewWidth;
        }
        if (settings.outHeightLocked) {
            const int64_t h = std::max<int64_t>(1, int64_t{outH} * 100 / edit.scale);
            r.bottom = Low32(r.top + h);
            overflowY = r.top + h > view.viewHeight;
        }
        if (!overflowX && !overflowY) {
            break;
        }
        const int64_t scaleX = overflowX ? OverflowScale(settings.outWidth, view.viewWidth, view.areaWidth, r.left) : 0;
        const int64_t scaleY =
            overflowY ? OverflowScale(settings.outHeight, view.viewHeight, view.areaHeight, r.top) : 0;
        edit.scale = ClampScale(std::max(scaleX, scaleY), limits);
    }
    return edit;
}

}  // namespace korva
