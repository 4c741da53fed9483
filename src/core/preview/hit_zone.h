// What lies under the mouse in the preview window; the window shows the cursor that belongs to the zone.
#pragma once

#include <cstdint>

namespace korva {

enum class HitZone : int32_t {
    kNone = 0,    // another marquee's border, outside the view, interaction off: the system arrow
    kMove = 1,    // inside the current marquee: "HAND"
    kDraw = 2,    // elsewhere in the view: "WCROSS"
    kPicker = 3,  // colour picking armed: "PICKER"
    kTop = 4,     // the sizing arrows of the system
    kBottom = 5,
    kLeft = 6,
    kRight = 7,
    kTopLeft = 8,
    kBottomRight = 9,
    kTopRight = 10,
    kBottomLeft = 11,
};

inline bool IsResizeZone(HitZone zone) {
    return zone >= HitZone::kTop && zone <= HitZone::kBottomLeft;
}

}  // namespace korva
