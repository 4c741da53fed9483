// The device resolution and scale for a preview or zoom scan: the pair whose effective resolution
// comes closest to filling the pane with the area, and the view and scanned size that result.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/boundary/source_context.h"

namespace korva {

struct PreviewResolution {
    int32_t resolution = 0;  // dpi, an entry of the device's list
    int32_t scale = 0;       // percent
    int32_t viewWidth = 0;   // pixels of the picture that results
    int32_t viewHeight = 0;
    int32_t scannedWidth = 0;  // hundredths of an inch
    int32_t scannedHeight = 0;
};

struct PreviewResolutionRequest {
    int32_t areaWidth = 0;  // hundredths of an inch
    int32_t areaHeight = 0;
    int32_t maxWidth = 0;  // the largest picture the pane allows, pixels
    int32_t maxHeight = 0;
    bool fullPreviewShown = false;  // the scale may go up to 200 %, else up to 100 %
    int32_t scalePercent = 100;     // the present scale: preferred among equally good choices
    int32_t scanResolution = 0;
};

// None when the area or the list is empty or no entry gives a positive effective resolution.
std::optional<PreviewResolution> ChoosePreviewResolution(const PreviewResolutionRequest& request,
                                                         std::span<const uint16_t> resolutions);

// The device's resolution list from the block: resolutionCount entries, at most the 32 the field holds.
std::vector<uint16_t> DeviceResolutions(const SourceContext& context);

}  // namespace korva
