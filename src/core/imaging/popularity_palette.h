// Popularity quantisation of a 24-bit image to 216 colours: a histogram of 4096 colour bins (4 bits per
// channel) over a sample of about 100 x 50 pixels, the 216 fullest bins as the palette, and every pixel
// mapped in place to its bin's colour, a neighbouring bin's, or its predecessor's.
#pragma once

#include <array>
#include <cstdint>

#include "core/imaging/rendered_image.h"

namespace korva {

inline constexpr int kColourBins = 4096;
inline constexpr int kPopularColourCount = 216;
inline constexpr int16_t kNoPaletteIndex = -1;

using ColourHistogram = std::array<uint32_t, kColourBins>;
using BinIndices = std::array<int16_t, kColourBins>;

// (red >> 4) * 256 + (green >> 4) * 16 + (blue >> 4); `pixel` points at the blue, green and red bytes.
inline int ColourBin(const uint8_t* pixel) {
    return ((pixel[2] >> 4) << 8) | ((pixel[1] >> 4) << 4) | (pixel[0] >> 4);
}

// Counts every k-th pixel of every m-th row of a 24-bit image, starting with the first of each: for a
// landscape image (height <= width) m = height / 50 and k = width / 100, for a portrait one
// m = height / 100 and k = width / 50, each at least 1.
ColourHistogram SampleColourHistogram(const RenderedImage& image);

struct PopularColours {
    std::array<DibColour, kPopularColourCount> colours{};
    BinIndices binIndex{};  // the palette index of each bin taken, kNoPaletteIndex for the others
};

// Takes the fullest bin 216 times, emptying it each time. Counts are compared as unsigned 16-bit values;
// on a tie the lowest bin wins, so bin 0 is taken again once every count is 0 (its index is then the
// last one taken). Each palette colour is the bin's lower corner, reserved byte 1.
PopularColours PickPopularColours(ColourHistogram histogram);

// For every bin: its own index, else the index of the first bin that has one along a single axis, looking
// at higher blue up to 15, lower blue down to 0, higher green, lower green, higher red, lower red, each
// nearest first; kNoPaletteIndex when none has one.
BinIndices NearestIndexedBins(const BinIndices& binIndex);

// Rewrites a 24-bit image in place as 8-bit indices of the picked colours, rows padded to 4 bytes; the
// colour table has `paletteSize` (216 or 256) entries, those beyond the picks zero. A pixel whose bin
// and neighbours have no index takes its left neighbour's index, the first pixel of a row that of the
// first pixel of the row before, and the first pixel of the image 215.
void QuantiseByPopularity(RenderedImage& image, uint32_t paletteSize);

}  // namespace korva
