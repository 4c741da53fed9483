// 24-bit test pictures for the imaging tests: working images and packed preview bitmaps.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "core/imaging/render_type.h"
#include "core/imaging/rendered_image.h"
#include "core/preview/packed_dib.h"

namespace korva::test {

struct Bgr {
    uint8_t blue;
    uint8_t green;
    uint8_t red;
};

inline Bgr Grey(uint8_t level) {
    return {level, level, level};
}

inline RenderType LineArt(int32_t mode, DropoutColour dropout = DropoutColour::kNone) {
    return RenderType{ColourClass::kBlackWhite, 1, mode, dropout};
}

// A 24-bit image whose pixel (x, y), y counted in memory order, is colour(x, y); padding bytes are 0xEE
// so that a renderer reading them shows.
inline RenderedImage Image24(int32_t width, int32_t height, const std::function<Bgr(int32_t, int32_t)>& colour) {
    RenderedImage image;
    image.width = width;
    image.height = height;
    image.rowBytes = PaddedRowBytes(width, 24);
    image.pixels.assign(size_t{image.rowBytes} * static_cast<uint32_t>(height), 0xEE);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const Bgr c = colour(x, y);
            uint8_t* pixel = image.pixels.data() + size_t{image.rowBytes} * y + 3 * static_cast<size_t>(x);
            pixel[0] = c.blue;
            pixel[1] = c.green;
            pixel[2] = c.red;
        }
    }
    return image;
}

// The same picture as a packed preview bitmap.
inline PackedDib Preview(int32_t width, int32_t height, const std::function<Bgr(int32_t, int32_t)>& colour) {
    PackedDib dib = MakePackedDib24(width, height);
    const RenderedImage image = Image24(width, height, colour);
    std::copy(image.pixels.begin(), image.pixels.end(), dib.begin() + kInfoHeaderBytes);
    return dib;
}

// Bit x of a 1-bit row (most significant bit first): 1 white, 0 black.
inline int BitAt(const RenderedImage& image, int32_t x, int32_t y) {
    const uint8_t byte = image.pixels[size_t{image.rowBytes} * y + static_cast<size_t>(x) / 8];
    return (byte >> (7 - x % 8)) & 1;
}

}  // namespace korva::test
