// The 14 image-processing parameters: their slider ranges, steps, defaults and availability, as a
// reset of the image processing sets them.
#pragma once

#include <cstdint>

namespace korva {

inline constexpr int kImageProcessingParameters = 14;

// Parameter numbers with a meaning of their own.
namespace iproc {
inline constexpr int kExposure = 0;  // tenths of a stop
inline constexpr int kGamma = 1;     // gamma × 100
inline constexpr int kHighlight = 2;
inline constexpr int kShadow = 3;
inline constexpr int kThreshold = 4;
inline constexpr int kGrayBalance = 5;
inline constexpr int kSaturation = 6;
inline constexpr int kColourValue8 = 8;
inline constexpr int kColourValue9 = 9;
inline constexpr int kSharpness = 12;
inline constexpr int kFocus = 13;  // focus position in tenths
}  // namespace iproc

struct ParameterRange {
    int32_t controlId = 0;  // the scroll bar; its value field is controlId + 1
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t lineStep = 0;
    int32_t pageStep = 0;
    int32_t defaultValue = 0;
    bool available = false;
};

// Parameter k (0 … 13) on a device of capability `level`; the focus default is the focus position
// in tenths.
ParameterRange ImageProcessingParameter(int k, int32_t level, float focusPosition);

// The built-in default of parameter k, the value a reset gives it and a missing INI key reads as.
int32_t ParameterDefault(int k, float focusPosition);

// A float truncated toward zero into 32 bits; NaN reads as 0 and values beyond the range saturate.
int32_t TruncateToInt32(double value);

}  // namespace korva
