#include "core/imaging/line_art.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/imaging/halftone_matrices.h"
#include "core/imaging/pixel_level.h"
#include "test_images.h"

namespace korva {
namespace {

using test::Bgr;
using test::BitAt;
using test::Grey;
using test::Image24;
using test::LineArt;

TEST(LineArtTest, ModeNoneUsesTheLightenedThresholdAndTheDropoutLevel) {
    // Threshold 128 is lightened to 173 (offset 128 - 173 = -45): level 173 is black and 174 white.
    RenderedImage image = Image24(2, 1, [](int32_t x, int32_t) { return Grey(x == 0 ? 173 : 174); });
    HalftoneLineArt(image, LineArt(0), 128);
    EXPECT_EQ(image.pixels, (std::vector<uint8_t>{0x7F, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(image.colours, (std::vector<DibColour>{{0, 0, 0, 0}, {255, 255, 255, 0}}));

    // Pure red: its own channel gives 210, white; weighed (2 * 210) / 10 = 42, black; green 0, black.
    for (const auto& [dropout, white] :
         {std::pair{DropoutColour::kRed, 1}, std::pair{DropoutColour::kNone, 0}, std::pair{DropoutColour::kGreen, 0}}) {
        RenderedImage red = Image24(1, 1, [](int32_t, int32_t) { return Bgr{0, 0, 255}; });
        HalftoneLineArt(red, LineArt(0, dropout), 128);
        EXPECT_EQ(BitAt(red, 0, 0), white);
    }
}

TEST(LineArtTest, OrderedDitherComparesWithTheMatrixRowOfTheMemoryRow) {
    // Dither A at threshold 128 on flat 128: half the entries (those up to 128) give white.
    RenderedImage flat = Image24(8, 4, [](int32_t, int32_t) { return Grey(128); });
    HalftoneLineArt(flat, LineArt(4), 128);
    EXPECT_EQ(flat.pixels[0], 0b01010101);      // 248 120 216 88
    EXPECT_EQ(flat.pixels[4 * 3], 0b10101010);  // 8 136 40 168
    // Threshold 64 adds 64: Dither D's first row is white up to 192.
    RenderedImage lighter = Image24(8, 1, [](int32_t, int32_t) { return Grey(128); });
    HalftoneLineArt(lighter, LineArt(7), 64);
    EXPECT_EQ(lighter.pixels[0], 0b01111110);  // 236 188 52 4 68 100 164 228
}

TEST(LineArtTest, ErrorDiffusionDividesEachSumSeparatelyTowardZero) {
    // Mode 1 (flat 128), threshold 128. 200: white, error -55. 141 - 55 / 4 = 128: white (rounding down
    // would give 127), error -127. 165 - 127 / 4 - 55 / 8 = 128: white (one division of both sums would
    // give 127). 100 - 31 - 15 = 54: black.
    const uint8_t levels[] = {200, 141, 165, 100};
    RenderedImage row = Image24(4, 1, [&](int32_t x, int32_t) { return Grey(levels[x]); });
    HalftoneLineArt(row, LineArt(1), 128);
    EXPECT_EQ(row.pixels[0], 0xEF);
    // Errors reach the next rows: 100, 125 black and 143 white, then 100 + 100 / 4 + 125 / 8 = 140 white.
    RenderedImage rows = Image24(3, 2, [](int32_t, int32_t) { return Grey(100); });
    HalftoneLineArt(rows, LineArt(1), 128);
    EXPECT_EQ(rows.pixels[0], 0x3F);
    EXPECT_EQ(BitAt(rows, 0, 1), 1);
}

}  // namespace
}  // namespace korva
