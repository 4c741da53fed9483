#include "core/imaging/popularity_palette.h"

#include <emmintrin.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace korva {
namespace {

constexpr int kLandscapeRows = 50;
constexpr int kLandscapeColumns = 100;
constexpr int kPortraitRows = 100;
constexpr int kPortraitColumns = 50;
constexpr uint8_t kFirstPixelFallback = 215;

// The bin's channel levels 0..15: blue is the low nibble, red the high one.
constexpr int kBlueStep = 1;
constexpr int kGreenStep = 16;
constexpr int kRedStep = 256;

int Channel(int bin, int step) {
    return (bin / step) & 15;
}

// The first indexed bin from `bin` moving `direction` (+1 or -1) along the axis of `step`.
int16_t SearchAxis(const BinIndices& binIndex, int bin, int step, int direction) {
    for (int level = Channel(bin, step) + direction; level >= 0 && level <= 15; level += direction) {
        bin += direction * step;
        if (binIndex[static_cast<size_t>(bin)] != kNoPaletteIndex) {
            return binIndex[static_cast<size_t>(bin)];
        }
    }
    return kNoPaletteIndex;
}

// Bytes rather than 16-bit indices halve the table; 0xFF (never a palette index) marks a bin without one.
constexpr uint8_t kNoIndex = 0xFF;
using ByteIndices = std::array<uint8_t, kColourBins>;

// The bins of 16 pixels from 48 bytes of blue, green, red (and the byte after them), as the 16-bit
// little-endian value at byte 3 * i of `bins` for pixel i: byte 3i holds the blue and green levels and
// byte 3i + 1 the red level.
void SixteenBins(const uint8_t* source, uint8_t* bins) {
    const __m128i lowNibbles = _mm_set1_epi8(0x0F);
    const __m128i firstOfPixel[3] = {_mm_setr_epi8(-1, 0, 0, -1, 0, 0, -1, 0, 0, -1, 0, 0, -1, 0, 0, -1),
                                     _mm_setr_epi8(0, 0, -1, 0, 0, -1, 0, 0, -1, 0, 0, -1, 0, 0, -1, 0),
                                     _mm_setr_epi8(0, -1, 0, 0, -1, 0, 0, -1, 0, 0, -1, 0, 0, -1, 0, 0)};
    for (int part = 0; part < 3; ++part) {
        const uint8_t* bytes = source + 16 * part;
        const __m128i level =
            _mm_and_si128(_mm_srli_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)), 4), lowNibbles);
        const __m128i nextLevel =
            _mm_and_si128(_mm_srli_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 1)), 4), lowNibbles);
        // At a pixel's first byte its blue level with the green one above it, at its second byte the red.
        const __m128i blueGreen = _mm_or_si128(level, _mm_slli_epi16(nextLevel, 4));
        const __m128i mask = firstOfPixel[part];
        _mm_storeu_si128(reinterpret_cast<__m128i*>(bins + 16 * part),
                         _mm_or_si128(_mm_and_si128(mask, blueGreen), _mm_andnot_si128(mask, nextLevel)));
    }
}

// Writes the palette index of each of `width` pixels, a pixel whose bin has none repeating the index
// before it (`last` for the first). Carrying the last index written keeps the loop free of branches.
void WriteIndices(const uint8_t* source, uint8_t* out, uint32_t width, const ByteIndices& indexOf, uint8_t last) {
    uint32_t x = 0;
    // A block reads one byte of the pixel after it, and writes its indices only after reading: the
    // indices never reach the bytes still to be read.
    uint8_t bins[48];
    for (; x + 16 < width; x += 16, source += 48) {
        SixteenBins(source, bins);
        for (uint32_t i = 0; i < 16; ++i) {
            uint16_t bin = 0;
            std::memcpy(&bin, bins + 3 * i, sizeof bin);
            const uint8_t index = indexOf[bin];
            last = index == kNoIndex ? last : index;
            out[x + i] = last;
        }
    }
    for (; x < width; ++x, source += 3) {
        const uint8_t index = indexOf[static_cast<size_t>(ColourBin(source))];
        last = index == kNoIndex ? last : index;
        out[x] = last;
    }
}

}  // namespace

ColourHistogram SampleColourHistogram(const RenderedImage& image) {
    const bool landscape = image.height <= image.width;
    const int32_t rowStep = std::max(1, image.height / (landscape ? kLandscapeRows : kPortraitRows));
    const int32_t columnStep = std::max(1, image.width / (landscape ? kLandscapeColumns : kPortraitColumns));
    ColourHistogram histogram{};
    for (int32_t y = 0; y < image.height; y += rowStep) {
        const uint8_t* row = image.pixels.data() + static_cast<size_t>(y) * image.rowBytes;
        for (int32_t x = 0; x < image.width; x += columnStep) {
            ++histogram[static_cast<size_t>(ColourBin(row + 3 * static_cast<size_t>(x)))];
        }
    }
    return histogram;
}

PopularColours PickPopularColours(ColourHistogram histogram) {
    // Taking the fullest bin again and again takes the non-empty bins by falling count, the lower bin
    // first among equals, and then bin 0 over and over: sorting the non-empty bins once gives the same.
    std::array<uint16_t, kColourBins> filled{};
    size_t filledCount = 0;
    for (size_t bin = 0; bin < histogram.size(); ++bin) {
        if (static_cast<uint16_t>(histogram[bin]) != 0) {
            filled[filledCount++] = static_cast<uint16_t>(bin);
        }
    }
    const auto fuller = [&](uint16_t a, uint16_t b) {
        const auto countA = static_cast<uint16_t>(histogram[a]);
        const auto countB = static_cast<uint16_t>(histogram[b]);
        return countA != countB ? countA > countB : a < b;
    };
    const size_t taken = std::min<size_t>(filledCount, kPopularColourCount);
    std::partial_sort(filled.begin(), filled.begin() + static_cast<ptrdiff_t>(taken),
                      filled.begin() + static_cast<ptrdiff_t>(filledCount), fuller);

    PopularColours result;
    result.binIndex.fill(kNoPaletteIndex);
    for (size_t i = 0; i < kPopularColourCount; ++i) {
        const int b = i < taken ? filled[i] : 0;
        result.colours[i] = DibColour{static_cast<uint8_t>(Channel(b, kBlueStep) * 16),
                                      static_cast<uint8_t>(Channel(b, kGreenStep) * 16),
                                      static_cast<uint8_t>(Channel(b, kRedStep) * 16), 1};
        result.binIndex[static_cast<size_t>(b)] = static_cast<int16_t>(i);
    }
    return result;
}

BinIndices NearestIndexedBins(const BinIndices& binIndex) {
    BinIndices nearest{};
    for (int bin = 0; bin < kColourBins; ++bin) {
        int16_t index = binIndex[static_cast<size_t>(bin)];
        for (const int step : {kBlueStep, kGreenStep, kRedStep}) {
            for (const int direction : {1, -1}) {
                if (index == kNoPaletteIndex) {
                    index = SearchAxis(binIndex, bin, step, direction);
                }
            }
        }
        nearest[static_cast<size_t>(bin)] = index;
    }
    return nearest;
}

void QuantiseByPopularity(RenderedImage& image, uint32_t paletteSize) {
    const PopularColours popular = PickPopularColours(SampleColourHistogram(image));
    const BinIndices nearest = NearestIndexedBins(popular.binIndex);
    ByteIndices indexOf{};
    for (size_t bin = 0; bin < indexOf.size(); ++bin) {
        indexOf[bin] = nearest[bin] == kNoPaletteIndex ? kNoIndex : static_cast<uint8_t>(nearest[bin]);
    }
    const auto width = static_cast<uint32_t>(image.width);
    const size_t rowBytes = PaddedRowBytes(image.width, 8);
    // Indices are written over the pixels; a pixel whose bin has no palette entry repeats its left
    // neighbour, or at the start of a row the pixel above.
    NarrowRowsInPlace(image, 8, 0, [&](const uint8_t* source, uint8_t* out, uint32_t y) {
        WriteIndices(source, out, width, indexOf,
                     y > 0 && width > 0 ? out[-static_cast<ptrdiff_t>(rowBytes)] : kFirstPixelFallback);
        return out + width;
    });
    image.colours.assign(paletteSize, DibColour{});
    std::copy_n(popular.colours.begin(), std::min<size_t>(paletteSize, kPopularColourCount), image.colours.begin());
}

}  // namespace korva
