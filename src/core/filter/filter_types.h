// Plain data of the band-wise neighbourhood filter: image geometry, band descriptors, parameters, modes
// and the status codes the engine reports.
#pragma once

#include <cstdint>

namespace korva {

struct FilterGeometry {
    uint32_t inWidth;
    uint32_t inHeight;
    uint32_t inRowBytes;
    uint32_t outWidth;
    uint32_t outHeight;
    uint32_t outRowBytes;
    uint16_t bitsPerPixel;
};

// `lines` rows of `width` pixels, top line first, `rowBytes` apart. Pixel formats by bits per pixel:
// 8 grey bytes; 24 blue, green, red bytes; 12 one and 36 three native-endian 16-bit samples per pixel.
struct FilterBand {
    uint8_t* pixels;
    uint32_t width;
    uint32_t lines;
    uint32_t rowBytes;
    uint16_t bitsPerPixel;
};

struct FilterParams {
    uint32_t amount;      // percent, modes 1 and 3
    uint32_t kernelSize;  // 3..30
    uint32_t threshold;   // modes 1 and 3
};

inline constexpr uint8_t kFilterUnsharpMask = 1;           // per channel
inline constexpr uint8_t kFilterSmooth = 2;                // the weighted average alone
inline constexpr uint8_t kFilterLuminanceUnsharpMask = 3;  // difference on luminance, added to each channel

inline constexpr int32_t kFilterOk = 0;
inline constexpr int32_t kFilterNoMemory = 1;  // also an unsupported pixel format
inline constexpr int32_t kFilterShortFirstBand = 3;
inline constexpr int32_t kFilterBadParameter = 4;

// Bytes of one pixel of a supported format; 0 for any other bits per pixel.
constexpr uint32_t FilterBytesPerPixel(uint16_t bitsPerPixel) {
    switch (bitsPerPixel) {
        case 8:
            return 1;
        case 12:
            return 2;
        case 24:
            return 3;
        case 36:
            return 6;
        default:
            return 0;
    }
}

inline constexpr uint32_t kFilterMaxAmount = 500;
inline constexpr uint32_t kFilterMaxThreshold = 255;
inline constexpr uint32_t kFilterMinKernelSize = 3;
inline constexpr uint32_t kFilterMaxKernelSize = 30;

}  // namespace korva
