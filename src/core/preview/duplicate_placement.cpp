#include "core/preview/duplicate_placement.h"

#include "core/preview/integer_math.h"

namespace korva {
namespace {

// Moves the rectangle so that it starts at `left` (or `top`), keeping its size.
void StartAtX(Rect& r, int64_t left) {
    r.right = Low32(left + (int64_t{r.right} - r.left));
    r.left = Low32(left);
}

void StartAtY(Rect& r, int64_t top) {
    r.bottom = Low32(top + (int64_t{r.bottom} - r.top));
    r.top = Low32(top);
}

}  // namespace

Point DuplicateOffset(const MarqueeList& marquees) {
    if (!marquees.Zoomed()) {
        return {5, 5};
    }
    const ViewFactors& f = marquees.Factors();
    return {Low32(DivideOrZero(int64_t{f.bedPxW} * 5, f.fullW)), Low32(DivideOrZero(int64_t{f.bedPxH} * 5, f.fullH))};
}

Rect PlaceDuplicate(const Rect& source, Point offset, bool ctrl, bool alt, int32_t clientWidth, int32_t clientHeight) {
    Rect r = source;
    const int64_t width = int64_t{r.right} - r.left;
    const int64_t height = int64_t{r.bottom} - r.top;
    const bool neither = !ctrl && !alt;
    if (ctrl || neither) {
        StartAtX(r, r.left + (ctrl ? width : 0) + offset.x);
    }
    if (alt || neither) {
        StartAtY(r, r.top + (alt ? height : 0) + offset.y);
    }
    if (r.right > clientWidth) {
        StartAtX(r, offset.x);
        if (neither) {
            StartAtY(r, offset.y);
        }
    }
    if (r.bottom > clientHeight) {
        StartAtY(r, offset.y);
        if (neither) {
            StartAtX(r, offset.x);
        }
    }
    return r;
}

}  // namespace korva
