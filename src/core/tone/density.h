// Conversions between highlight levels and densities in stops: the exposure slider and the highlight
// slider are two views of one density offset, and the eyedroppers derive highlight, shadow and gray
// balance from a sampled colour through the per-channel density lines.
#pragma once

#include <array>
#include <cstdint>

namespace korva {

// Density offset of a highlight level, -1..2 stops (255 * 2^-0.05772 = 245 is density 0).
float HighlightToDensity(int32_t highlight);

// Highlight level of a density offset, rounded, 61..490.
int16_t DensityToHighlight(float density);

struct SampledHighlight {
    int16_t highlight;  // 61..490
    float density;      // -1..2; the exposure becomes density x 10 truncated
};

// Highlight and density for a sampled green level, through the green channel's density line. A level of
// 0 gives highlight 61 and density 2 (with a positive green gamma).
SampledHighlight SampleToHighlight(uint8_t green,
                                   const std::array<float, 3>& channelGamma,
                                   const std::array<float, 3>& channelOffset);

// Shadow level, 0..60, for a sampled green level.
int16_t SampleToShadow(uint8_t green,
                       const std::array<float, 3>& channelGamma,
                       const std::array<float, 3>& channelOffset);

// Sets channelBalance so that the sampled colour becomes neutral: each channel's density minus green's.
// A sample with a zero level has no finite density; it is refused (returns false, balance unchanged).
bool GrayBalanceFromSample(uint8_t red,
                           uint8_t green,
                           uint8_t blue,
                           const std::array<float, 3>& channelGamma,
                           const std::array<float, 3>& channelOffset,
                           std::array<float, 3>& channelBalance);

}  // namespace korva
