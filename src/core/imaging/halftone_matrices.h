// The threshold matrices of halftone modes 1..7, indexed [y mod n][x mod n].
#pragma once

#include <array>
#include <cstdint>

namespace korva {

struct HalftoneMatrix {
    uint32_t size;  // n: 8, or 4 for the 4 x 4 dithers
    std::array<std::array<uint8_t, 8>, 8> thresholds;

    uint8_t At(uint32_t x, uint32_t y) const { return thresholds[y % size][x % size]; }
};

// The matrix of mode 1..7.
const HalftoneMatrix& HalftoneMatrixFor(int32_t mode);

}  // namespace korva
