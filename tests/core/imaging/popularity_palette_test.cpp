#include "core/imaging/popularity_palette.h"

#include <gtest/gtest.h>

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
    // Landscape 300 x 120: every 2nd row and 3rd pixel; portrait 120 x 300: every 3rd row and 2nd pixel.
    EXPECT_EQ(SampleColourHistogram(Image24(300, 120, [](int32_t, int32_t) { return Bgr{0, 0, 0}; }))[0], 6000u);
    EXPECT_EQ(SampleColourHistogram(Image24(120, 300, [](int32_t, int32_t) { return Bgr{0, 0, 0}; }))[0], 6000u);
}

TEST(PopularityPaletteTest, NeighbourSearchTakesTheAxesInOrderAndStaysOnThem) {
    BinIndices indices;
    indices.fill(kNoPaletteIndex);
    const size_t centre = static_cast<size_t>(Bin(5, 6, 7));
    const int found[] = {Bin(5, 6, 12), Bin(5, 6, 2), Bin(5, 7, 7), Bin(5, 5, 7), Bin(6, 6, 7), Bin(4, 6, 7)};
    for (int16_t i = 0; i < 6; ++i) {
        indices[static_cast<size_t>(found[i])] = i;
    }
    indices[static_cast<size_t>(Bin(5, 6, 14))] = 9;  // further along higher blue: the nearest wins
    // Higher blue, lower blue, higher green, lower green, higher red, lower red.
    for (int16_t i = 0; i < 6; ++i) {
        EXPECT_EQ(NearestIndexedBins(indices)[centre], i);
        indices[static_cast<size_t>(found[i])] = kNoPaletteIndex;
        indices[static_cast<size_t>(Bin(5, 6, 14))] = kNoPaletteIndex;
    }
    EXPECT_EQ(NearestIndexedBins(indices)[centre], kNoPaletteIndex);
    // Blue 15 does not step into the next green.
    indices[static_cast<size_t>(Bin(2, 4, 0))] = 1;
    EXPECT_EQ(NearestIndexedBins(indices)[static_cast<size_t>(Bin(2, 3, 15))], kNoPaletteIndex);
}

TEST(PopularityPaletteTest, UnmatchedPixelsTakeThePixelBefore) {
    // 200 x 100 samples the even pixels of the even rows. A fills the picture, B is the first pixel; the
    // unsampled C shares no axis with A, B or bin 0.
    RenderedImage image = Image24(200, 100, [](int32_t x, int32_t y) {
        if (x == 0 && y == 0) {
            return BinColour(2, 2, 2);
        }
        return (y == 1 && (x < 2 || x == 16)) || (y == 0 && x == 1) ? BinColour(8, 8, 8) : BinColour(1, 1, 1);
    });
    QuantiseByPopularity(image, 216);
    const auto index = [&](int32_t x, int32_t y) { return image.pixels[size_t{image.rowBytes} * y + x]; };
    EXPECT_EQ(index(2, 0), 0);  // A
    EXPECT_EQ(index(0, 0), 1);  // B
    EXPECT_EQ(index(1, 0), 1);  // the left neighbour
    EXPECT_EQ(index(0, 1), 1);  // the first pixel of the row before
    EXPECT_EQ(index(1, 1), 1);
    EXPECT_EQ(index(16, 1), 0);  // the left neighbour across a block of 16 pixels

    // 216 bins (r, g, b in 0..5) three times each beat the first pixel's bin (15, 15, 15), tied but
    // highest, which shares no axis with them: 215, and the pixel after it too.
    RenderedImage crowded = Image24(100, 7, [](int32_t x, int32_t y) {
        const int32_t k = (y * 100 + x - 3) / 3;
        return x < 3 && y == 0 ? BinColour(15, 15, 15)
               : k < 216       ? BinColour(k / 36, k / 6 % 6, k % 6)
                               : BinColour(0, 0, 0);
    });
    QuantiseByPopularity(crowded, 216);
    EXPECT_EQ(crowded.pixels[0], 215);
    EXPECT_EQ(crowded.pixels[1], 215);
    EXPECT_EQ(crowded.pixels[crowded.rowBytes * 3], 99);  // tied bins are picked in bin order
}

}  // namespace
}  // namespace korva
