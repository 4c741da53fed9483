#include "core/imaging/pixel_level.h"

#include <algorithm>

#include "core/tone/display_tables.h"

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

PixelLevel::PixelLevel(int32_t offset, DropoutColour dropout) : PixelLevel(offset, dropout, IdentityTables()) {}

PixelLevel::PixelLevel(int32_t offset, DropoutColour dropout, const DisplayTables& tables) {
    const std::array<int32_t, 3> weights = ChannelWeights(dropout);
    const std::array<const ToneCurve*, 3> inMemoryOrder = {&tables[kChannelBlue], &tables[kChannelGreen],
                                                           &tables[kChannelRed]};
    for (int c = 0; c < 3; ++c) {
        for (int32_t v = 0; v < 256; ++v) {
            weighted_[c][v] = static_cast<uint16_t>(weights[c] * std::clamp((*inMemoryOrder[c])[v] + offset, 0, 255));
        }
    }
}

}  // namespace korva
