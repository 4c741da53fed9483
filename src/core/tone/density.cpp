#include "core/tone/density.h"

#include <cmath>

#include "core/tone/base2_log.h"
#include "core/tone/tone_curve.h"

namespace korva {

namespace {

// Density of 255 * 2^x = 245.
constexpr double kHighlightDensity = -0.05772;

// Density of a sampled level of one channel on that channel's density line.
double SampleDensity(uint8_t level,
                     int channel,
                     const std::array<float, 3>& channelGamma,
                     const std::array<float, 3>& channelOffset) {
    return ToneLog2(level / 255.0) / channelGamma[channel] + channelOffset[channel];
}

float ClampDensity(double density) {
    if (density > 2) {
        density = 2;
    }
    if (!(density >= -1)) {
        density = -1;
    }
    return static_cast<float>(density);
}

}  // namespace

float HighlightToDensity(int32_t highlight) {
    return ClampDensity(kHighlightDensity - ToneLog2(highlight / 255.0));
}

int16_t DensityToHighlight(float density) {
    double v = 255 * std::pow(2.0, kHighlightDensity - density);
    if (v > 490) {
        v = 490;
    }
    if (!(v >= 61)) {
        v = 61;
    }
    return static_cast<int16_t>(v + 0.5);
}

SampledHighlight SampleToHighlight(uint8_t green,
                                   const std::array<float, 3>& channelGamma,
                                   const std::array<float, 3>& channelOffset) {
    const double d = SampleDensity(green, kChannelGreen, channelGamma, channelOffset);
    double v = 255 * std::pow(2.0, d);
    if (v > 490) {
        v = 490;
    }
    if (!(v >= 61)) {
        v = 61;
    }
    return {static_cast<int16_t>(v), ClampDensity(kHighlightDensity - d)};
}

int16_t SampleToShadow(uint8_t green,
                       const std::array<float, 3>& channelGamma,
                       const std::array<float, 3>& channelOffset) {
    const double d = SampleDensity(green, kChannelGreen, channelGamma, channelOffset);
    double v = 255 * std::pow(2.0, d);
    if (v > 60) {
        v = 60;
    }
    if (!(v >= 0)) {
        v = 0;
    }
    return static_cast<int16_t>(v);
}

bool GrayBalanceFromSample(uint8_t red,
                           uint8_t green,
                           uint8_t blue,
                           const std::array<float, 3>& channelGamma,
                           const std::array<float, 3>& channelOffset,
                           std::array<float, 3>& channelBalance) {
    if (red == 0 || green == 0 || blue == 0) {
        return false;
    }
    const std::array<uint8_t, 3> sample = {red, green, blue};
    std::array<double, 3> density{};
    for (int c = 0; c < 3; ++c) {
        density[c] = SampleDensity(sample[c], c, channelGamma, channelOffset);
    }
    for (int c = 0; c < 3; ++c) {
        channelBalance[c] = static_cast<float>(density[c] - density[kChannelGreen]);
    }
    return true;
}

}  // namespace korva
