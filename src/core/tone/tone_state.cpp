#include "core/tone/tone_state.h"

#include <algorithm>

#include "core/tone/density.h"

namespace korva {

ExposureRange ExposureRangeFor(int32_t capabilityLevel) {
    return capabilityLevel < 2 ? ExposureRange{-3, 3} : ExposureRange{-10, 20};
}

void ClampToneSliders(ToneState& state, int32_t capabilityLevel) {
    const ExposureRange range = ExposureRangeFor(capabilityLevel);
    state.exposureTenths = std::clamp(state.exposureTenths, range.minTenths, range.maxTenths);
    state.gammaPercent = std::clamp(state.gammaPercent, kGammaPercentMin, kGammaPercentMax);
    state.highlightLevel = std::clamp(state.highlightLevel, kHighlightMin, kHighlightMax);
    state.shadowLevel = std::clamp(state.shadowLevel, kShadowMin, kShadowMax);
}

void LinkHighlightToExposure(ToneState& state, int32_t capabilityLevel) {
    state.highlightLevel = DensityToHighlight(static_cast<float>(state.exposureTenths) / 10.0f);
    ClampToneSliders(state, capabilityLevel);
}

void LinkExposureToHighlight(ToneState& state, int32_t capabilityLevel) {
    state.exposureTenths = ExposureTenthsForHighlight(state.highlightLevel);
    ClampToneSliders(state, capabilityLevel);
}

int32_t ExposureTenthsForHighlight(int32_t highlight) {
    return static_cast<int32_t>(HighlightToDensity(highlight) * 10.0f);
}

ExposureParams ExposureParamsFromState(const ToneState& state) {
    return ExposureParams{
        .channelGamma = state.channelGamma,
        .channelOffset = state.channelOffset,
        .exposure = static_cast<float>(state.exposureTenths) / 10.0f,
        .gamma = static_cast<float>(state.gammaPercent) / 100.0f,
        .channelBalance = state.channelBalance,
        .highlight = static_cast<int16_t>(state.highlightLevel),
        .shadow = static_cast<int16_t>(state.shadowLevel),
        .grayBalancePercent = state.grayBalancePercent,
    };
}

}  // namespace korva
