// Hit testing in the preview window: whether a point lies on the picture, and which part of the current
// marquee (with a tolerance of one pixel) or which other marquee's border it touches.
#pragma once

#include <cstdint>

#include "core/preview/hit_zone.h"
#include "core/preview/marquee_list.h"
#include "core/preview/point.h"
#include "core/preview/preview_view.h"
#include "core/preview/rect.h"

namespace korva {

// Where the preview window sits on the screen: its whole rectangle (border included) and the screen
// position of its client origin.
struct PaneWindowPlacement {
    Rect screen;
    Point clientOrigin;
};

// The window box: the full preview's size, turned on its side for a landscape view.
struct WindowBox {
    int32_t width = 0;
    int32_t height = 0;
};
WindowBox WindowBoxFor(const PreviewView& view);

// Whether a client point lies on the picture. The picture spans the part of the window's screen
// rectangle that the view takes of the window box, inclusive on all four sides.
bool ViewContains(const PreviewView& view, const PaneWindowPlacement& placement, Point client);

// The zone of the current marquee under a point, first match wins: the 3x3 squares around the corners
// (top-left, bottom-right, top-right, bottom-left), then the 3-pixel-wide left, right, top and bottom
// edges, then the inside. kNone when nothing of it is there.
HitZone CurrentMarqueeZone(const Rect& current, Point client);

struct HitResult {
    HitZone zone = HitZone::kNone;
    bool pendingSelect = false;  // the point is on another marquee's border: a click selects it
};

// The full hit test. Off the picture or with interaction off: kNone. With marquees, the current
// rectangle's zones; otherwise a border of another marquee (which becomes the list's hit marquee) gives
// kNone with pendingSelect, and anything else kDraw.
HitResult HitTest(const PreviewView& view,
                  const PaneWindowPlacement& placement,
                  MarqueeList& marquees,
                  bool interactionOff,
                  Point client);

}  // namespace korva
