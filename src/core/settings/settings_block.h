// The snapshot of every scan setting that each marquee and each saved-settings file carries
// (382 bytes when stored; the field order below is the stored order).
#pragma once

#include <array>
#include <cstdint>

#include "core/preview/rect.h"
#include "core/settings/catalogue_row.h"

namespace korva {

struct SettingsBlock {
    int32_t docSource = 0;
    int32_t imageType = 0;    // index into the image-type catalogue
    int32_t destination = 0;  // index into the destination catalogue
    int32_t scanResolution = 0;
    uint32_t unit = 0;   // UnitKind
    uint32_t width = 0;  // display values as shown in the width and height fields
    uint32_t height = 0;
    uint32_t outWidth = 0;  // display values of the output-size fields
    uint32_t outHeight = 0;
    int32_t scalePercent = 0;
    int32_t processingFlag14 = 0;  // image-processing flag 14
    int32_t imageLocked = 0;
    int32_t exposure = 0;  // image-processing parameters 0, 1, 2, 3
    int32_t gamma = 0;
    int32_t highlight = 0;
    int32_t shadow = 0;
    int32_t sharpness = 0;  // parameter 12
    int32_t threshold = 0;  // parameter 4
    int32_t toneMapIndex = 0;
    int32_t grayBalance = 0;  // parameters 5, 6
    int32_t saturation = 0;
    int32_t red = 0;  // values of the INI keys "Red", "Green", "Blue", "swRed", "swGreen", "swBlue"
    int32_t green = 0;
    int32_t blue = 0;
    int32_t switchRed = 0;
    int32_t switchGreen = 0;
    int32_t switchBlue = 0;
    int32_t areaWidth = 0;  // hundredths of an inch
    int32_t areaHeight = 0;
    int32_t areaLeft = 0;
    int32_t areaTop = 0;
    Rect currentRect;  // preview pixels
    std::array<float, 3> channelGamma{};
    std::array<float, 3> channelOffset{};
    std::array<float, 3> channelBalance{};
    int32_t darkDocument = 0;    // 1 when the image type has 1 bit per pixel
    CatalogueRow toneMap;        // the tone map in force
    int32_t selectionWidth = 0;  // the selection in document coordinates, hundredths of an inch
    int32_t selectionHeight = 0;
    int32_t selectionLeft = 0;  // including areaLeft and areaTop
    int32_t selectionTop = 0;
    int32_t param8 = 0;  // parameters 8 and 9 of the colour dialog
    int32_t param9 = 0;
    float focusPosition = 0.0f;
};

inline constexpr int kSettingsBlockBytes = 382;

}  // namespace korva
