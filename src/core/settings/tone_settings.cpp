#include "core/settings/tone_settings.h"

namespace korva {

ToneMap ToneMapInForce(const ScanSettings& settings) {
    std::array<uint32_t, kToneMapValueCount> values{};
    for (size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<uint32_t>(settings.toneMapInForce.values[i]);
    }
    return ToneMap::FromValues(values);
}

ToneState ToneStateFrom(const std::array<int32_t, kImageProcessingParameters>& iproc,
                        const std::array<float, 3>& channelGamma,
                        const std::array<float, 3>& channelOffset,
                        const std::array<float, 3>& channelBalance) {
    ToneState state;
    state.exposureTenths = iproc[iproc::kExposure];
    state.gammaPercent = iproc[iproc::kGamma];
    state.highlightLevel = iproc[iproc::kHighlight];
    state.shadowLevel = iproc[iproc::kShadow];
    state.grayBalancePercent = static_cast<int16_t>(iproc[iproc::kGrayBalance]);
    state.channelGamma = channelGamma;
    state.channelOffset = channelOffset;
    state.channelBalance = channelBalance;
    return state;
}

ToneState ToneStateOf(const ScanSettings& s) {
    return ToneStateFrom(s.iproc, s.channelGamma, s.channelOffset, s.channelBalance);
}

}  // namespace korva
