// The tone state a user interface keeps with the scan settings (exposure, gamma, highlight, shadow,
// gray-balance strength and the per-channel density lines), the slider ranges that bound it, the link
// between exposure and highlight, and the ExposureParams block that the display tables are built from.
#pragma once

#include <array>
#include <cstdint>

namespace korva {

struct ToneState {
    int32_t exposureTenths = 0;    // tenths of a stop
    int32_t gammaPercent = 100;    // gamma x 100
    int32_t highlightLevel = 245;  // input level that maps to output 245
    int32_t shadowLevel = 8;       // input level that maps to output 8
    // Per channel (red, green, blue): the density line and the gray-balance offset. A negative gamma
    // marks a negative-film channel.
    std::array<float, 3> channelGamma = {1.0f, 1.0f, 1.0f};
    std::array<float, 3> channelOffset = {0.0f, 0.0f, 0.0f};
    std::array<float, 3> channelBalance = {0.0f, 0.0f, 0.0f};
    int16_t grayBalancePercent = 0;  // strength of the gray balance, 0..100
};

inline constexpr int32_t kGammaPercentMin = 50;
inline constexpr int32_t kGammaPercentMax = 500;
inline constexpr int32_t kHighlightMin = 61;
inline constexpr int32_t kHighlightMax = 490;
inline constexpr int32_t kShadowMin = 0;
inline constexpr int32_t kShadowMax = 60;

struct ExposureRange {
    int32_t minTenths;
    int32_t maxTenths;
};

// -3..3 tenths on devices whose capability level is below 2, -10..20 otherwise.
ExposureRange ExposureRangeFor(int32_t capabilityLevel);

// Clamps exposure, gamma, highlight and shadow to their slider ranges.
void ClampToneSliders(ToneState& state, int32_t capabilityLevel);

// After the user changed the exposure: the highlight follows it, then every slider is clamped.
void LinkHighlightToExposure(ToneState& state, int32_t capabilityLevel);
// After the user changed the highlight: the exposure follows it, then every slider is clamped.
void LinkExposureToHighlight(ToneState& state, int32_t capabilityLevel);

// Exposure in tenths for a highlight level: its density times ten, truncated toward zero.
int32_t ExposureTenthsForHighlight(int32_t highlight);

// What the display tables are built from.
struct ExposureParams {
    std::array<float, 3> channelGamma;
    std::array<float, 3> channelOffset;
    float exposure;  // stops; carried along, the table builder does not read it
    float gamma;
    std::array<float, 3> channelBalance;
    int16_t highlight;
    int16_t shadow;
    int16_t grayBalancePercent;
};

ExposureParams ExposureParamsFromState(const ToneState& state);

}  // namespace korva
