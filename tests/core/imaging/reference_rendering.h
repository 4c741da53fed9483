// Straightforward per-pixel renderings written from the arithmetic alone, against which the optimised
// renderers are checked: table mapping and the colour matrix, the pixel level, and line art in every mode.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/filter/colour_matrix.h"
#include "core/imaging/halftone_matrices.h"
#include "core/imaging/line_art.h"
#include "core/imaging/render_type.h"
#include "core/imaging/rendered_image.h"
#include "core/tone/tone_curve.h"

namespace korva::test {

inline uint8_t* PixelAt(RenderedImage& image, int32_t x, int32_t y) {
    return image.pixels.data() + size_t{image.rowBytes} * static_cast<uint32_t>(y) + 3 * static_cast<size_t>(x);
}

// Each channel through its table, then out = clamp((m0 b + m1 g + m2 r) / 50, 0, 255) per channel.
inline void ReferenceMap(RenderedImage& image, const DisplayTables& tables, const ColourMatrix& m) {
    for (int32_t y = 0; y < image.height; ++y) {
        for (int32_t x = 0; x < image.width; ++x) {
            uint8_t* p = PixelAt(image, x, y);
            const std::array<int32_t, 3> in = {tables[kChannelBlue][p[0]], tables[kChannelGreen][p[1]],
                                               tables[kChannelRed][p[2]]};
            for (int c = 0; c < 3; ++c) {
                const int64_t sum = int64_t{m[c][0]} * in[0] + int64_t{m[c][1]} * in[1] + int64_t{m[c][2]} * in[2];
                p[c] = static_cast<uint8_t>(std::clamp<int64_t>(sum / 50, 0, 255));
            }
        }
    }
}

// The channels with the offset, clamped, weighed 2:6:2 (red, green, blue) or the drop-out channel alone.
inline int32_t ReferenceLevel(const uint8_t* pixel, int32_t offset, DropoutColour dropout) {
    const auto at = [&](int c) { return std::clamp(pixel[c] + offset, 0, 255); };
    if (dropout != DropoutColour::kNone) {
        return at(dropout == DropoutColour::kRed ? 2 : dropout == DropoutColour::kGreen ? 1 : 0);
    }
    return (2 * at(2) + 6 * at(1) + 2 * at(0)) / 10;
}

// Line art of a 24-bit image: one decision per pixel, the errors of the diffusion modes in a whole-image
// array with zeros outside, packed into a new 1-bit image with white spare bits.
inline RenderedImage ReferenceLineArt(RenderedImage image, const RenderType& type, int32_t threshold) {
    const int32_t t = std::clamp(threshold, 0, 255);
    const int32_t mode = type.halftoneMode;
    const bool plain = mode < 1 || mode > 7;
    const int32_t offset = 128 - (plain ? ModeNoneThreshold(t) : t);
    const int32_t w = image.width;
    const int32_t h = image.height;
    std::vector<int32_t> error(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    const auto index = [&](int32_t x, int32_t y) {
        return static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x);
    };
    const auto e = [&](int32_t x, int32_t y) { return x < 0 || y < 0 || x >= w ? 0 : error[index(x, y)]; };
    RenderedImage out;
    out.width = w;
    out.height = h;
    out.bitsPerPixel = 1;
    out.rowBytes = (static_cast<uint32_t>(w) + 31) / 32 * 4;
    out.pixels.assign(size_t{out.rowBytes} * static_cast<uint32_t>(h), 0xFF);
    out.colours = {DibColour{0, 0, 0, 0}, DibColour{255, 255, 255, 0}};
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const int32_t level = ReferenceLevel(PixelAt(image, x, y), offset, type.dropout);
            bool white = false;
            if (plain) {
                white = level >= 129;
            } else if (mode <= 3) {
                const int32_t v = level + (e(x, y - 1) + e(x - 1, y)) / 4 +
                                  (e(x, y - 2) + e(x - 1, y - 1) + e(x + 1, y - 1) + e(x - 2, y)) / 8;
                white = v >= HalftoneMatrixFor(mode).At(static_cast<uint32_t>(x), static_cast<uint32_t>(y));
                error[index(x, y)] = white ? v - 255 : v;
            } else {
                white = level >= HalftoneMatrixFor(mode).At(static_cast<uint32_t>(x), static_cast<uint32_t>(y));
            }
            if (!white) {
                out.pixels[size_t{out.rowBytes} * y + x / 8] &= static_cast<uint8_t>(~(0x80u >> (x % 8)));
            }
        }
    }
    return out;
}

}  // namespace korva::test
