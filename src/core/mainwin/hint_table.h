// The status-line hints of the main dialog: which string describes the control under the mouse.
#pragma once

#include <cstdint>

#include "core/preview/hit_zone.h"

namespace korva {

inline constexpr int kHintReady = 300;  // "Ready": no control with a hint
// The keys of the preview pane, shown while it has the focus.
inline constexpr int kHintPaneKeys = 385;

// The hint string of a control of the main dialog or its tab pages, or kHintReady.
int HintStringFor(int32_t controlId);

// The hint while a drag in the preview pane runs: 331 moving the marquee, 332 resizing it by an edge or
// corner, 330 drawing a new one.
int DragHintFor(HitZone zone);

}  // namespace korva
