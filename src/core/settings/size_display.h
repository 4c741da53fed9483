// The texts of the size fields and of the file-size readout for the current selection, as the main
// dialog refreshes them whenever the selection, the unit or the resolution changes.
#pragma once

#include <cstdint>
#include <string>

#include "core/settings/units.h"

namespace korva {

struct SizeDisplayInput {
    uint32_t selWidth = 0;  // the selection, hundredths of an inch
    uint32_t selHeight = 0;
    int32_t resolution = 0;
    UnitKind unit = UnitKind::kInches;
    uint32_t bitsPerPixel = 24;  // of the current image type's pixel type
    char separator = '.';
    char languageLetter = 'E';
};

struct SizeDisplay {
    // The output size at scale 100 (hundredths of an inch); the caller stores its low 16 bits into
    // the output size unless that dimension is locked.
    uint32_t outWidth = 0;
    uint32_t outHeight = 0;
    std::string width;  // fields 191 and 192
    std::string height;
    std::string outWidthText;  // fields 131 and 136
    std::string outHeightText;
    std::string fileSize;  // readout 120 of the active tab page
};

// Above 999 dpi in pixels with an empty output dimension the output is kept 100 times larger, its
// pixel texts divided by 100 and the estimate's pixel count by 10000, so that large pixel counts
// stay within 32 bits.
SizeDisplay ComputeSizeDisplay(const SizeDisplayInput& input);

}  // namespace korva
