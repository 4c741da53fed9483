#include "core/preview/marquee_edit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/preview/integer_math.h"
#include "core/preview/output_scale.h"

namespace korva {
namespace {

bool MovesTop(HitZone z) {
    return z == HitZone::kTop || z == HitZone::kTopLeft || z == HitZone::kTopRight;
}
bool MovesBottom(HitZone z) {
    return z == HitZone::kBottom || z == HitZone::kBottomRight || z == HitZone::kBottomLeft;
}
bool MovesLeft(HitZone z) {
    return z == HitZone::kLeft || z == HitZone::kTopLeft || z == HitZone::kBottomLeft;
}
bool MovesRight(HitZone z) {
    return z == HitZone::kRight || z == HitZone::kBottomRight || z == HitZone::kTopRight;
}
bool IsCorner(HitZone z) {
    return z >= HitZone::kTopLeft;
}

Rect MoveSides(HitZone zone, const Rect& before, Point d, bool horizontal, bool vertical) {
    Rect r = before;
    if (vertical && MovesTop(zone)) {
        r.top = Low32(int64_t{r.top} + d.y);
    }
    if (vertical && MovesBottom(zone)) {
        r.bottom = Low32(int64_t{r.bottom} + d.y);
    }
    if (horizontal && MovesLeft(zone)) {
        r.left = Low32(int64_t{r.left} + d.x);
    }
    if (horizontal && MovesRight(zone)) {
        r.right = Low32(int64_t{r.right} + d.x);
    }
    return r;
}

Rect Move(const Rect& before, Point d, bool shiftAtDown, MoveAxis& axis) {
    int64_t dx = d.x;
    int64_t dy = d.y;
    if (shiftAtDown) {
        if (axis == MoveAxis::kUndecided) {
            axis = Abs64(dx) < Abs64(dy) ? MoveAxis::kVertical : MoveAxis::kHorizontal;
        }
        if (axis == MoveAxis::kVertical) {
            dx = 0;
        } else {
            dy = 0;
        }
    }
    return {Low32(before.left + dx), Low32(before.top + dy), Low32(before.right + dx), Low32(before.bottom + dy)};
}

// truncate(x + 0.5); none when the value is not a finite 32-bit number.
std::optional<int64_t> Nearest(double x) {
    const double v = x + 0.5;
    if (!std::isfinite(v) || v <= std::numeric_limits<int32_t>::min() || v >= std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int64_t>(v);
}

// Keeps the aspect ratio of `before` after the free move of the sides to `moved`.
EditStep KeepAspect(HitZone zone, const Rect& before, const Rect& moved) {
    const int64_t oldW = int64_t{before.right} - before.left;
    const int64_t oldH = int64_t{before.bottom} - before.top;
    const int64_t newW = int64_t{moved.right} - moved.left;
    const int64_t newH = int64_t{moved.bottom} - moved.top;
    if (oldW == 0 || oldH == 0) {
        return {before, true, std::nullopt};
    }
    const double r0 = static_cast<double>(oldW) / static_cast<double>(oldH);
    Rect r = moved;
    if (zone == HitZone::kTop || zone == HitZone::kBottom) {
        const auto width = Nearest(static_cast<double>(newH) * r0);
        if (!width) {
            return {before, true, std::nullopt};
        }
        r.right = Low32(before.right + *width - oldW);
    } else if (zone == HitZone::kLeft || zone == HitZone::kRight) {
        const auto height = Nearest(static_cast<double>(newW) / r0);
        if (!height) {
            return {before, true, std::nullopt};
        }
        r.bottom = Low32(before.bottom + *height - oldH);
    } else if (newH != 0) {
        const double r1 = static_cast<double>(newW) / static_cast<double>(newH);
        const bool grow = newW > oldW || newH > oldH;
        if ((grow && r0 > r1) || (!grow && r0 < r1)) {
            const auto width = Nearest(static_cast<double>(newH) * r0);
            if (!width) {
                return {before, true, std::nullopt};
            }
            if (MovesLeft(zone)) {
                r.left = Low32(before.left - (*width - oldW));
            } else {
                r.right = Low32(before.right + *width - oldW);
            }
        } else if ((grow && r0 < r1) || (!grow && r0 > r1)) {
            const auto height = Nearest(static_cast<double>(newW) / r0);
            if (!height) {
                return {before, true, std::nullopt};
            }
            if (MovesTop(zone)) {
                r.top = Low32(before.top - (*height - oldH));
            } else {
                r.bottom = Low32(before.bottom + *height - oldH);
            }
        }
    }
    if (r.right <= r.left || r.bottom <= r.top) {
        return {before, true, std::nullopt};
    }
    return {r, false, std::nullopt};
}

// Output-size locks without scaleLocked: the sides move, then the scale follows the marquee.
EditStep ResizeUnderOutputLocks(HitZone zone,
                                const Rect& before,
                                Point d,
                                const PaneSettings& s,
                                const PreviewView& view) {
    const bool both = s.outWidthLocked && s.outHeightLocked;
    bool horizontal = true;
    bool vertical = true;
    if (zone == HitZone::kBottomLeft) {
        vertical = !(both && d.x != 0);
    } else if (IsCorner(zone)) {
        horizontal = !(both && d.y != 0);
    }
    Rect r = MoveSides(zone, before, d, horizontal, vertical);
    const ScaleLimits limits = ComputeScaleLimits(s);
    const int32_t outW = OutputWidthInView(s, view);
    const int32_t outH = OutputHeightInView(s, view);
    int32_t scale = 0;
    if (!both) {
        scale = s.outWidthLocked ? ScaleFromWidth(r, outW, limits, before.left)
                                 : ScaleFromHeight(r, outH, limits, before.top);
        return {r, false, scale};
    }
    if (int64_t{r.right} - r.left == int64_t{before.right} - before.left) {
        scale = ScaleFromHeight(r, outH, limits, before.top);
        const int64_t w = int64_t{outW} * 100 / scale;
        if (zone == HitZone::kTopLeft || zone == HitZone::kBottomLeft || r.left + w >= int64_t{view.viewWidth} - 2) {
            r.left = Low32(r.right - w);
        } else {
            r.right = Low32(r.left + w);
        }
    } else {
        scale = ScaleFromWidth(r, outW, limits, before.left);
        const int64_t h = int64_t{outH} * 100 / scale;
        if (zone == HitZone::kTopLeft || zone == HitZone::kTopRight || r.top + h >= int64_t{view.viewHeight} - 2) {
            r.top = Low32(r.bottom - h);
        } else {
            r.bottom = Low32(r.top + h);
        }
    }
    return {r, false, scale};
}

}  // namespace

EditStep ComputeEditStep(HitZone zone,
                         const Rect& before,
                         Point delta,
                         bool shiftAtDown,
                         MoveAxis& moveAxis,
                         const PaneSettings& s,
                         const PreviewView& view) {
    if (zone == HitZone::kMove) {
        return {Move(before, delta, shiftAtDown, moveAxis), false, std::nullopt};
    }
    if (!IsResizeZone(zone)) {
        return {before, true, std::nullopt};
    }
    const bool outputLocked = s.outWidthLocked || s.outHeightLocked;
    if (outputLocked && !s.scaleLocked) {
        return ResizeUnderOutputLocks(zone, before, delta, s, view);
    }
    const bool horizontal = !(s.scaleLocked && s.outWidthLocked);
    const bool vertical = !(s.scaleLocked && s.outHeightLocked);
    const Rect moved = MoveSides(zone, before, delta, horizontal, vertical);
    if (shiftAtDown && horizontal && vertical) {
        return KeepAspect(zone, before, moved);
    }
    return {moved, false, std::nullopt};
}

bool AcceptsStep(const Rect& before, const Rect& c, int32_t viewWidth, int32_t viewHeight) {
    return c.top >= std::min(0, before.top) && c.left >= std::min(0, before.left) &&
           c.bottom <= std::max(viewHeight, before.bottom) && c.right <= std::max(viewWidth, before.right);
}

}  // namespace korva
