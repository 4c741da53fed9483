#include "core/imaging/popularity_palette.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_images.h"

namespace korva {
namespace {

using test::Bgr;
using test::Image24;

int Bin(int red, int green, int blue) {
    return red * 256 + green * 16 + blue;
}

Bgr BinColour(int red, int green, int blue) {
    return Bgr{static_cast<uint8_t>(blue * 16 + 3), static_cast<uint8_t>(green * 16 + 5),
               static_cast<uint8_t>(red * 16 + 7)};
}

TEST(PopularityPaletteTest, SamplingStepsFollowTheOrientation) {
    // Landscape 300 x 120: every 2nd row (120 / 50) and every 3rd pixel (300 / 100): 60 x 100 samples.
    const RenderedImage landscape = Image24(300, 120, [](int32_t, int32_t) { return Bgr{0, 0, 0}; });
    EXPECT_EQ(SampleColourHistogram(landscape)[0], 6000u);
    // Portrait 120 x 300: every 3rd row (300 / 100) and every 2nd pixel (120 / 50): 100 x 60 samples.
    const RenderedImage portrait = Image24(120, 300, [](int32_t, int32_t) { return Bgr{0, 0, 0}; });
    EXPECT_EQ(SampleColourHistogram(portrait)[0], 6000u);
    // Small images count every pixel; the first pixel of the first row is always counted.
    const RenderedImage marked = Image24(
        30, 20, [](int32_t x, int32_t y) { return x == 0 && y == 0 ? BinColour(15, 1, 2) : BinColour(0, 0, 1); });
    const ColourHistogram histogram = SampleColourHistogram(marked);
    EXPECT_EQ(histogram[static_cast<size_t>(Bin(15, 1, 2))], 1u);
    EXPECT_EQ(histogram[static_cast<size_t>(Bin(0, 0, 1))], 599u);
}

TEST(PopularityPaletteTest, PicksCompareSixteenBitCountsAndPreferLowBins) {
    ColourHistogram histogram{};
    histogram[static_cast<size_t>(Bin(9, 10, 5))] = 65537;  // 1 as a 16-bit count
    histogram[static_cast<size_t>(Bin(1, 2, 3))] = 40000;   // above 32767: still the largest
    histogram[300] = 2;
    histogram[200] = 2;
    const PopularColours popular = PickPopularColours(histogram);
    EXPECT_EQ(popular.binIndex[static_cast<size_t>(Bin(1, 2, 3))], 0);
    EXPECT_EQ(popular.binIndex[200], 1);  // a tie goes to the lower bin
    EXPECT_EQ(popular.binIndex[300], 2);
    EXPECT_EQ(popular.binIndex[static_cast<size_t>(Bin(9, 10, 5))], 3);
    EXPECT_EQ(popular.colours[3], (DibColour{80, 160, 144, 1}));
    // Every later pick takes the empty bin 0, which keeps the last index.
    EXPECT_EQ(popular.binIndex[0], 215);
    EXPECT_EQ(popular.colours[215], (DibColour{0, 0, 0, 1}));
    EXPECT_EQ(popular.binIndex[1], kNoPaletteIndex);
}

TEST(PopularityPaletteTest, NeighbourSearchTakesTheAxesInOrder) {
    BinIndices indices;
    indices.fill(kNoPaletteIndex);
    const int centre = Bin(5, 6, 7);
    indices[static_cast<size_t>(Bin(5, 6, 2))] = 10;   // lower blue, 5 away
    indices[static_cast<size_t>(Bin(5, 6, 12))] = 11;  // higher blue, 5 away
    indices[static_cast<size_t>(Bin(5, 7, 7))] = 12;   // higher green, next door
    indices[static_cast<size_t>(Bin(4, 6, 7))] = 13;   // lower red
    indices[static_cast<size_t>(Bin(3, 3, 3))] = 14;   // on no axis of the centre
    EXPECT_EQ(NearestIndexedBins(indices)[static_cast<size_t>(centre)], 11);
    indices[static_cast<size_t>(Bin(5, 6, 12))] = kNoPaletteIndex;
    EXPECT_EQ(NearestIndexedBins(indices)[static_cast<size_t>(centre)], 10);
    indices[static_cast<size_t>(Bin(5, 6, 2))] = kNoPaletteIndex;
    EXPECT_EQ(NearestIndexedBins(indices)[static_cast<size_t>(centre)], 12);
    indices[static_cast<size_t>(Bin(5, 7, 7))] = kNoPaletteIndex;
    EXPECT_EQ(NearestIndexedBins(indices)[static_cast<size_t>(centre)], 13);
    indices[static_cast<size_t>(Bin(4, 6, 7))] = kNoPaletteIndex;
    EXPECT_EQ(NearestIndexedBins(indices)[static_cast<size_t>(centre)], kNoPaletteIndex);

    // The nearest bin along an axis wins, and a search never leaves its axis: blue 15 does not step into
    // the next green, nor green 0 into the previous red.
    indices.fill(kNoPaletteIndex);
    indices[static_cast<size_t>(Bin(2, 4, 0))] = 1;
    indices[static_cast<size_t>(Bin(1, 15, 15))] = 2;
    indices[static_cast<size_t>(Bin(7, 7, 9))] = 3;
    indices[static_cast<size_t>(Bin(7, 7, 11))] = 4;
    const BinIndices nearest = NearestIndexedBins(indices);
    EXPECT_EQ(nearest[static_cast<size_t>(Bin(2, 3, 15))], kNoPaletteIndex);
    EXPECT_EQ(nearest[static_cast<size_t>(Bin(2, 0, 15))], kNoPaletteIndex);
    EXPECT_EQ(nearest[static_cast<size_t>(Bin(7, 7, 1))], 3);
    EXPECT_EQ(nearest[static_cast<size_t>(Bin(7, 7, 9))], 3);
}

TEST(PopularityPaletteTest, QuantisingWritesIndicesInPlace) {
    // A uniform grey maps every pixel to one entry.
    RenderedImage grey = Image24(5, 3, [](int32_t, int32_t) { return test::Grey(128); });
    QuantiseByPopularity(grey, 216);
    EXPECT_EQ(grey.bitsPerPixel, 8);
    EXPECT_EQ(grey.rowBytes, 8u);
    EXPECT_EQ(grey.colours.size(), 216u);
    EXPECT_EQ(grey.colours[0], (DibColour{128, 128, 128, 1}));
    for (int32_t y = 0; y < 3; ++y) {
        EXPECT_EQ(std::vector<uint8_t>(grey.pixels.begin() + 8 * y, grey.pixels.begin() + 8 * y + 8),
                  (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0}));
    }

    // 256 colours leave the entries after the picks empty.
    RenderedImage wide = Image24(2, 1, [](int32_t, int32_t) { return test::Grey(128); });
    QuantiseByPopularity(wide, 256);
    EXPECT_EQ(wide.colours.size(), 256u);
    EXPECT_EQ(wide.colours[255], DibColour{});
}

TEST(PopularityPaletteTest, UnmatchedPixelsTakeThePixelBefore) {
    // 200 x 100 samples the even pixels of the even rows. Colour A fills the picture, B is the first
    // pixel; the unsampled colour C shares no axis with A, B or bin 0.
    const Bgr a = BinColour(1, 1, 1);
    const Bgr b = BinColour(2, 2, 2);
    const Bgr c = BinColour(8, 8, 8);
    RenderedImage image = Image24(200, 100, [&](int32_t x, int32_t y) {
        if (x == 0 && y == 0) {
            return b;
        }
        return (y == 1 && x < 2) || (y == 0 && x == 1) ? c : a;
    });
    QuantiseByPopularity(image, 216);
    const auto index = [&](int32_t x, int32_t y) { return image.pixels[size_t{image.rowBytes} * y + x]; };
    EXPECT_EQ(index(2, 0), 0);  // A
    EXPECT_EQ(index(0, 0), 1);  // B
    EXPECT_EQ(index(1, 0), 1);  // C after B: the left neighbour
    EXPECT_EQ(index(0, 1), 1);  // C first in its row: the first pixel of the row before
    EXPECT_EQ(index(1, 1), 1);

    // More than 216 sampled bins: the first pixel's bin (15, 15, 15), tied with the others but the
    // highest, is not picked and no picked bin shares an axis with it, so it takes 215, and the pixel
    // after it too. Bins (r, g, b) in 0..5 appear 3 times each, the rest is bin 0.
    RenderedImage crowded = Image24(100, 7, [&](int32_t x, int32_t y) {
        const int32_t n = y * 100 + x;
        if (n < 3) {
            return BinColour(15, 15, 15);
        }
        const int32_t k = (n - 3) / 3;
        return k < 216 ? BinColour(k / 36, k / 6 % 6, k % 6) : BinColour(0, 0, 0);
    });
    QuantiseByPopularity(crowded, 216);
    EXPECT_EQ(crowded.pixels[0], 215);
    EXPECT_EQ(crowded.pixels[1], 215);
    // Tied bins are picked in bin order: the k-th of them gets index k.
    EXPECT_EQ(crowded.pixels[6], 1);
    EXPECT_EQ(crowded.pixels[crowded.rowBytes * 3], 99);
}

}  // namespace
}  // namespace korva
