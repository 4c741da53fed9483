// The level of a 24-bit pixel with an offset: the offset is added to each channel and clamped to 0..255,
// then the drop-out channel is the level, or (2 red + 6 green + 2 blue) / 10 without a drop-out colour.
#pragma once

#include <array>
#include <cstdint>

#include "core/imaging/render_type.h"
#include "core/tone/tone_curve.h"

namespace korva {

class PixelLevel {
  public:
    PixelLevel(int32_t offset, DropoutColour dropout);
    // The level of each pixel once its channels went through the display tables.
    PixelLevel(int32_t offset, DropoutColour dropout, const DisplayTables& tables);

    // `pixel` points at the blue, green and red bytes.
    int32_t operator()(const uint8_t* pixel) const { return Tenths(pixel) / 10; }

    // Ten times the level, before the division: the level is at least t exactly when this is at least 10 t.
    int32_t Tenths(const uint8_t* pixel) const {
        return weighted_[0][pixel[0]] + weighted_[1][pixel[1]] + weighted_[2][pixel[2]];
    }

  private:
    // Per channel in memory order (blue, green, red): its weight times the offset level, in tenths.
    std::array<std::array<uint16_t, 256>, 3> weighted_{};
};

}  // namespace korva
