// The tone map and tone state the scan settings hold, in the form the tone module builds tables from.
#pragma once

#include <array>
#include <cstdint>

#include "core/settings/image_processing.h"
#include "core/settings/scan_settings.h"
#include "core/tone/tone_map.h"
#include "core/tone/tone_state.h"

namespace korva {

// The tone map in force, read from its catalogue row.
ToneMap ToneMapInForce(const ScanSettings& settings);

// Exposure, gamma, highlight, shadow and gray-balance strength from the image-processing values, with the
// per-channel density lines and balance.
ToneState ToneStateFrom(const std::array<int32_t, kImageProcessingParameters>& iproc,
                        const std::array<float, 3>& channelGamma,
                        const std::array<float, 3>& channelOffset,
                        const std::array<float, 3>& channelBalance);
ToneState ToneStateOf(const ScanSettings& settings);

}  // namespace korva
