#include "core/preview/selection_size.h"

#include "core/preview/integer_math.h"

namespace korva {
namespace {

bool IsPoint(const Rect& r) {
    return r.left == r.right && r.top == r.bottom;
}

Rect FullPixels(const Rect& tenths) {
    return {tenths.left / 10, tenths.top / 10, tenths.right / 10, tenths.bottom / 10};
}

int32_t WholeArea(PreviewView& view) {
    view.selWidth = view.areaWidth;
    view.selHeight = view.areaHeight;
    return 1;
}

}  // namespace

int32_t ComputeSelectionSize(PreviewView& view, const Marquee* current) {
    const Rect rect = view.currentRect;
    const bool measuredByMarquee = !rect.IsEmpty() && IsPoint(rect) && current != nullptr;
    const Rect r = measuredByMarquee ? FullPixels(current->fullTenths) : rect;
    if (r.IsEmpty() || IsPoint(r) || view.viewWidth <= 0 || view.viewHeight <= 0) {
        return WholeArea(view);
    }
    const int64_t w = Abs64(int64_t{r.right} - r.left);
    const int64_t h = Abs64(int64_t{r.bottom} - r.top);
    view.selWidth = Low32(w * view.areaWidth / view.viewWidth);
    view.selHeight = Low32(h * view.areaHeight / view.viewHeight);
    if (h >= view.viewHeight - 1 && w >= view.viewWidth - 1) {
        view.selHeight = view.areaHeight;
        if (r == Rect{0, 0, view.viewWidth - 1, view.viewHeight - 1}) {
            view.selWidth = view.areaWidth;
        }
        return 1;
    }
    if (h >= view.viewHeight - 2 && w >= view.viewWidth - 2) {
        if (measuredByMarquee) {
            return 1;
        }
        view.currentRect = {};
        return WholeArea(view);
    }
    return view.selWidth != 0 && view.selHeight != 0 ? 1 : 0;
}

}  // namespace korva
