// A rectangle of four signed 32-bit coordinates with inclusive corners, as the preview and the
// marquee records keep them.
#pragma once

#include <cstdint>

namespace korva {

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    // All four zero: no rectangle (for the current selection: no marquee).
    bool IsEmpty() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace korva
