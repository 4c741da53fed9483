// A position in pixels: client coordinates of the preview window unless said otherwise.
#pragma once

#include <cstdint>

namespace korva {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

}  // namespace korva
