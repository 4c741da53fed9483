// The line-art options of the OCR page (980 .. 982) and what each sets in the line-art image type.
#pragma once

#include <cstdint>

namespace korva {

inline constexpr int32_t kOptionAas = 980;        // automatic area segmentation
inline constexpr int32_t kOptionTet = 981;        // text enhancement
inline constexpr int32_t kOptionThreshold = 982;  // a fixed threshold

struct OcrOption {
    int32_t halftone = 0;           // halftone index of the line-art image type
    int32_t textOption = 0;         // its flag word B
    bool thresholdEnabled = false;  // the threshold edit (251) and scroll bar (250)
    bool aas = false;
    bool tet = false;
};

// The row of an option; an id other than 980 and 981 is the fixed threshold.
OcrOption OcrOptionFor(int32_t id);

// The image type of the OCR page.
inline constexpr int32_t kLineArtImageType = 5;

}  // namespace korva
