// What a final scan takes from the current image-type record: the device pixel type and sample depth,
// the halftone, the two flag words and the record's code.
#pragma once

#include <cstdint>

#include "core/settings/scan_settings.h"

namespace korva {

struct ScanImageType {
    int32_t pixelType = 0;  // TWAIN: 0 black and white, 1 gray, 2 RGB, 3 palette
    int32_t bitsPerSample = 0;
    int32_t halftoneIndex = 0;
    bool halftoneActive = false;  // the index names one of the seven halftone modes
    int32_t flagWordA = 0;        // the quality; 0 = "Draft & fast"
    int32_t flagWordB = 0;        // the text option
    int32_t code = 0;

    bool IsColourLike() const { return pixelType == 2 || pixelType == 3; }
    bool IsBlackWhite() const { return pixelType == 0; }
};

// The current image type's scan values. Bits per sample are 8 for a 24-bit type, 12 for a 36-bit type,
// else the type's bits per pixel. Without a current record, or with a pixel type the table does not
// hold, the record's pixel type counts as 24-bit colour.
ScanImageType DescribeScanImageType(const ScanSettings& settings);

}  // namespace korva
