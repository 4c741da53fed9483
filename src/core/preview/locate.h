// Automatic location of the picture on a 24-bit preview: a 1-bit mask of dark pixels, the bounding box
// of the dark pixels within a search area, and edges of the marquee that cut through the picture pushed
// out to where the picture ends.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/preview/rect.h"

namespace korva {

// A 1-bit mask laid out like the picture: bottom-up rows padded to 4 bytes, the leftmost pixel in the
// high bit; bit 1 = white. Spare bits at the end of a row are white.
struct DarkMask {
    int32_t width = 0;
    int32_t height = 0;
    uint32_t stride = 0;
    std::vector<uint8_t> bits;

    // Whether the pixel at (x, y), y counted from the top, is dark; false outside the picture.
    bool IsDark(int32_t x, int32_t y) const;
    // The byte holding (x, y), y from the top.
    uint8_t ByteAt(int32_t byteIndex, int32_t y) const;
};

// A pixel is white when (2 R + 6 G + 2 B) / 10 exceeds the threshold: 192 for a document scanned with
// 1 bit per pixel (dark document), else 127. Empty mask unless the image is a valid 24-bit bitmap.
DarkMask MakeDarkMask(std::span<const uint8_t> packedDib, bool darkDocument);

// The box of the picture in view pixels. The search area is `currentRect`, or without one the view
// inset by 17 pixels left and right, 4 at the top and 30 at the bottom. The edges of the current
// rectangle that cross dark pixels are then opened to the picture's edge one by one (top, bottom, left,
// right) and searched again. Returns `currentRect` unchanged when nothing dark is found.
Rect LocatePicture(const DarkMask& mask, const Rect& currentRect, int32_t viewWidth, int32_t viewHeight);

}  // namespace korva
