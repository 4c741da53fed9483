// The colour swatches of the adjustment windows: a grey image type shows every colour as its grey.
#pragma once

#include <cstdint>

#include "core/settings/scan_settings.h"

namespace korva {

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Whether the current image type scans grey levels.
bool IsGreyImageType(const ScanSettings& settings);

// The colour a swatch is filled with: `colour` itself, or with a grey image type the average of its
// three channels in each channel.
Rgb SwatchFill(Rgb colour, bool greyImageType);

}  // namespace korva
