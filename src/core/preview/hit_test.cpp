#include "core/preview/hit_test.h"

#include "core/preview/integer_math.h"
#include "core/preview/view_factors.h"

namespace korva {
namespace {

bool Near(int64_t a, int64_t b) {
    return Abs64(a - b) <= 1;
}

bool Between(int64_t value, int64_t low, int64_t high) {
    return value >= low && value <= high;
}

}  // namespace

WindowBox WindowBoxFor(const PreviewView& view) {
    if (view.viewHeight >= view.viewWidth) {
        return {view.fullWidth, view.fullHeight};
    }
    return {view.fullHeight, view.fullWidth};
}

bool ViewContains(const PreviewView& view, const PaneWindowPlacement& placement, Point client) {
    const WindowBox box = WindowBoxFor(view);
    if (box.width <= 0 || box.height <= 0 || !IsWithinGeometryLimit(view)) {
        return false;
    }
    const Rect& w = placement.screen;
    const int64_t x = int64_t{client.x} + placement.clientOrigin.x;
    const int64_t y = int64_t{client.y} + placement.clientOrigin.y;
    const int64_t right = w.left + (int64_t{w.right} - w.left) * view.viewWidth / box.width;
    const int64_t bottom = w.top + (int64_t{w.bottom} - w.top) * view.viewHeight / box.height;
    return Between(x, w.left, right) && Between(y, w.top, bottom);
}

HitZone CurrentMarqueeZone(const Rect& r, Point p) {
    const int64_t x = p.x;
    const int64_t y = p.y;
    if (Near(x, r.left) && Near(y, r.top)) {
        return HitZone::kTopLeft;
    }
    if (Near(x, r.right) && Near(y, r.bottom)) {
        return HitZone::kBottomRight;
    }
    if (Near(x, r.right) && Near(y, r.top)) {
        return HitZone::kTopRight;
    }
    if (Near(x, r.left) && Near(y, r.bottom)) {
        return HitZone::kBottomLeft;
    }
    const bool withinHeight = Between(y, r.top, r.bottom);
    const bool withinWidth = Between(x, r.left, r.right);
    if (Near(x, r.left) && withinHeight) {
        return HitZone::kLeft;
    }
    if (Near(x, r.right) && withinHeight) {
        return HitZone::kRight;
    }
    if (Near(y, r.top) && withinWidth) {
        return HitZone::kTop;
    }
    if (Near(y, r.bottom) && withinWidth) {
        return HitZone::kBottom;
    }
    if (withinWidth && withinHeight) {
        return HitZone::kMove;
    }
    return HitZone::kNone;
}

HitResult HitTest(const PreviewView& view,
                  const PaneWindowPlacement& placement,
                  MarqueeList& marquees,
                  bool interactionOff,
                  Point client) {
    if (interactionOff || !ViewContains(view, placement, client)) {
        return {};
    }
    if (!marquees.IsEmpty()) {
        const HitZone zone = CurrentMarqueeZone(view.currentRect, client);
        if (zone != HitZone::kNone) {
            return {zone, false};
        }
    }
    if (marquees.FindBorderAt(client) != nullptr) {
        return {HitZone::kNone, true};
    }
    return {HitZone::kDraw, false};
}

}  // namespace korva
