#include "core/imaging/pixel_level.h"

#include <algorithm>

namespace korva {
namespace {

// Tenths each channel (blue, green, red) contributes to the level.
std::array<int32_t, 3> ChannelWeights(DropoutColour dropout) {
    switch (dropout) {
        case DropoutColour::kRed:
            return {0, 0, 10};
        case DropoutColour::kGreen:
            return {0, 10, 0};
        case DropoutColour::kBlue:
            return {10, 0, 0};
        case DropoutColour::kNone:
            break;
    }
    return {2, 6, 2};
}

}  // namespace

PixelLevel::PixelLevel(int32_t offset, DropoutColour dropout) {
    const std::array<int32_t, 3> weights = ChannelWeights(dropout);
    for (int c = 0; c < 3; ++c) {
        for (int32_t v = 0; v < 256; ++v) {
            weighted_[c][v] = static_cast<uint16_t>(weights[c] * std::clamp(v + offset, 0, 255));
        }
    }
}

}  // namespace korva
