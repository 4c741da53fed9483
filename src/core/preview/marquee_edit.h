// One step of moving or resizing the current marquee with the mouse: the rectangle the step asks for,
// under the Shift keys and the output-size locks, and whether the step is accepted.
#pragma once

#include <cstdint>
#include <optional>

#include "core/preview/hit_zone.h"
#include "core/preview/pane_settings.h"
#include "core/preview/point.h"
#include "core/preview/preview_view.h"
#include "core/preview/rect.h"

namespace korva {

// The axis of a move with Shift held, chosen by the first step of the drag.
enum class MoveAxis : int32_t {
    kUndecided = 0,
    kHorizontal = 1,
    kVertical = 2,
};

struct EditStep {
    Rect rect;
    bool refused = false;          // the step changes nothing (a Shift resize that would invert)
    std::optional<int32_t> scale;  // the scale that now follows the marquee, under output locks
};

// The rectangle that a mouse step of `delta` asks for in `zone`, starting from `before`.
// - kMove moves by delta; with Shift, along the axis the first step chose.
// - Resize zones move their edges. Without an output lock, or with scaleLocked, an edge whose output
//   dimension is locked under scaleLocked stays; with Shift the aspect ratio is kept.
// - Under output locks without scaleLocked the scale follows the marquee (scale-from-width or -height);
//   with both dimensions locked the other side is set from the scale, keeping the output's proportions.
EditStep ComputeEditStep(HitZone zone,
                         const Rect& before,
                         Point delta,
                         bool shiftAtDown,
                         MoveAxis& moveAxis,
                         const PaneSettings& settings,
                         const PreviewView& view);

// A step is accepted when it does not push an edge out of the view further than it already was:
// top >= min(0, old top), left >= min(0, old left), bottom <= max(viewHeight, old bottom),
// right <= max(viewWidth, old right).
bool AcceptsStep(const Rect& before, const Rect& candidate, int32_t viewWidth, int32_t viewHeight);

}  // namespace korva
