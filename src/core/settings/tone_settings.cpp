#include "core/settings/tone_settings.h"

#include <array>

#include "core/settings/image_processing.h"

namespace korva {

ToneMap ToneMapInForce(const ScanSettings& settings) {
    std::array<uint32_t, kToneMapValueCount> values{};
    for (size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<uint32_t>(settings.toneMapInForce.values[i]);
    }
    return ToneMap::FromValues(values);
}

ToneState ToneStateOf(const ScanSettings& s) {
    ToneState state;
    state.exposureTenths = s.iproc[iproc::kExposure];
    state.gammaPercent = s.iproc[iproc::kGamma];
    state.highlightLevel = s.iproc[iproc::kHighlight];
    state.shadowLevel = s.iproc[iproc::kShadow];
    state.grayBalancePercent = static_cast<int16_t>(s.iproc[iproc::kGrayBalance]);
    state.channelGamma = s.channelGamma;
    state.channelOffset = s.channelOffset;
    state.channelBalance = s.channelBalance;
    return state;
}

}  // namespace korva
