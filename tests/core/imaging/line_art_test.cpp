#include "core/imaging/line_art.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "core/imaging/halftone_matrices.h"
#include "test_images.h"

namespace korva {
namespace {

using test::Bgr;
using test::BitAt;
using test::Grey;
using test::Image24;

RenderType LineArt(int32_t mode, DropoutColour dropout = DropoutColour::kNone) {
    return RenderType{ColourClass::kBlackWhite, 1, mode, dropout};
}

TEST(LineArtTest, ModeNoneUsesTheLightenedThreshold) {
    EXPECT_EQ(ModeNoneThreshold(128), 173);
    EXPECT_EQ(ModeNoneThreshold(0), 0);
    EXPECT_EQ(ModeNoneThreshold(255), 255);

    // Threshold 128: offset 128 - 173 = -45, so level 173 is black and 174 white.
    RenderedImage image = Image24(2, 1, [](int32_t x, int32_t) { return Grey(x == 0 ? 173 : 174); });
    HalftoneLineArt(image, LineArt(0), 128);
    EXPECT_EQ(image.bitsPerPixel, 1);
    EXPECT_EQ(image.rowBytes, 4u);
    EXPECT_EQ(image.pixels, (std::vector<uint8_t>{0x7F, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(image.colours, (std::vector<DibColour>{{0, 0, 0, 0}, {255, 255, 255, 0}}));
}

TEST(LineArtTest, DropoutColourIsTheLevel) {
    const auto red = [](int32_t, int32_t) { return Bgr{0, 0, 255}; };
    RenderedImage dropped = Image24(1, 1, red);
    HalftoneLineArt(dropped, LineArt(0, DropoutColour::kRed), 128);
    EXPECT_EQ(BitAt(dropped, 0, 0), 1);
    // Without a drop-out colour pure red weighs 2 / 10: (2 * 210) / 10 = 42 is black.
    RenderedImage weighed = Image24(1, 1, red);
    HalftoneLineArt(weighed, LineArt(0), 128);
    EXPECT_EQ(BitAt(weighed, 0, 0), 0);
    // Pure green: its own channel gives 210, white; the blue channel 0, black; all three
    // (6 * 210) / 10 = 126, black.
    const auto green = [](int32_t, int32_t) { return Bgr{0, 255, 0}; };
    for (const auto& [dropout, expected] : {std::pair{DropoutColour::kGreen, 1}, std::pair{DropoutColour::kBlue, 0},
                                            std::pair{DropoutColour::kNone, 0}}) {
        RenderedImage image = Image24(1, 1, green);
        HalftoneLineArt(image, LineArt(0, dropout), 128);
        EXPECT_EQ(BitAt(image, 0, 0), expected);
    }
}

TEST(LineArtTest, RowsArePaddedToFourBytesWithWhiteSpareBits) {
    RenderedImage black = Image24(1, 3, [](int32_t, int32_t) { return Grey(0); });
    HalftoneLineArt(black, LineArt(4), 128);
    ASSERT_EQ(black.pixels.size(), 12u);
    for (size_t row = 0; row < 3; ++row) {
        EXPECT_EQ(black.pixels[4 * row], 0x7F);
        EXPECT_EQ(black.pixels[4 * row + 1], 0xFF);
        EXPECT_EQ(black.pixels[4 * row + 3], 0xFF);
    }
    // 33 pixels need 5 bytes: two rows of 8 bytes, pixel 32 in the top bit of byte 4.
    RenderedImage wide = Image24(33, 2, [](int32_t, int32_t) { return Grey(0); });
    HalftoneLineArt(wide, LineArt(1), 128);
    EXPECT_EQ(wide.rowBytes, 8u);
    EXPECT_EQ(wide.pixels,
              (std::vector<uint8_t>{0, 0, 0, 0, 0x7F, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0x7F, 0xFF, 0xFF, 0xFF}));
}

TEST(LineArtTest, OrderedDitherComparesWithTheMatrix) {
    // Dither A at threshold 128 on flat 128: the eight entries up to 128 give white.
    RenderedImage flat = Image24(8, 8, [](int32_t, int32_t) { return Grey(128); });
    HalftoneLineArt(flat, LineArt(4), 128);
    int white = 0;
    for (int32_t y = 0; y < 8; ++y) {
        for (int32_t x = 0; x < 8; ++x) {
            white += BitAt(flat, x, y);
        }
    }
    EXPECT_EQ(white, 32);
    // Row 0 of the Bayer matrix is 248 120 216 88; the row index is the memory row.
    EXPECT_EQ(flat.pixels[0], 0b01010101);
    EXPECT_EQ(flat.pixels[4 * 3], 0b10101010);  // 8 136 40 168

    // A lower threshold raises the offset: at 64 every entry up to 192 is white in Dither D row 0.
    RenderedImage lighter = Image24(8, 1, [](int32_t, int32_t) { return Grey(128); });
    HalftoneLineArt(lighter, LineArt(7), 64);
    EXPECT_EQ(lighter.pixels[0], 0b01111110);  // 236 188 52 4 68 100 164 228
}

TEST(LineArtTest, ErrorDiffusionDividesEachSumSeparatelyTowardZero) {
    // Mode 1 (flat 128) at threshold 128, offset 0. Pixel 0: 200, white, error -55. Pixel 1: 141 - 55 / 4
    // = 141 - 13 = 128, white (rounding down would give 127), error -127. Pixel 2: 165 - 127 / 4 - 55 / 8
    // = 165 - 31 - 6 = 128, white (one division of both sums would give 127). Pixel 3: 100 - 31 - 15 = 54,
    // black.
    const uint8_t levels[] = {200, 141, 165, 100};
    RenderedImage image = Image24(4, 1, [&](int32_t x, int32_t) { return Grey(levels[x]); });
    HalftoneLineArt(image, LineArt(1), 128);
    EXPECT_EQ(image.pixels[0], 0xEF);

    // The error of a row reaches the next one: 100 black (error 100), 125 black, 143 white (error -112);
    // then 100 + 100 / 4 + 125 / 8 = 140 white below the first pixel.
    RenderedImage twoRows = Image24(3, 2, [](int32_t, int32_t) { return Grey(100); });
    HalftoneLineArt(twoRows, LineArt(1), 128);
    EXPECT_EQ(twoRows.pixels[0], 0x3F);
    EXPECT_EQ(BitAt(twoRows, 0, 1), 1);
}

// A plain model of the halftone: whole-image error array, bounds checked.
int ModelLevel(const uint8_t* p, int32_t offset, DropoutColour dropout) {
    const int b = std::clamp(p[0] + offset, 0, 255);
    const int g = std::clamp(p[1] + offset, 0, 255);
    const int r = std::clamp(p[2] + offset, 0, 255);
    switch (dropout) {
        case DropoutColour::kRed:
            return r;
        case DropoutColour::kGreen:
            return g;
        case DropoutColour::kBlue:
            return b;
        case DropoutColour::kNone:
            break;
    }
    return (2 * r + 6 * g + 2 * b) / 10;
}

std::vector<int> ModelHalftone(const RenderedImage& image, int32_t mode, DropoutColour dropout, int32_t t) {
    const int32_t w = image.width;
    const int32_t h = image.height;
    std::vector<int> white(static_cast<size_t>(w * h));
    std::vector<int> error(static_cast<size_t>(w * h), 0);
    const auto e = [&](int32_t x, int32_t y) { return x < 0 || y < 0 || x >= w ? 0 : error[y * w + x]; };
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const uint8_t* p = image.pixels.data() + size_t{image.rowBytes} * y + 3 * static_cast<size_t>(x);
            if (mode == 0) {
                white[y * w + x] = ModelLevel(p, 128 - ModeNoneThreshold(t), dropout) >= 129;
                continue;
            }
            const int m = HalftoneMatrixFor(mode).At(static_cast<uint32_t>(x), static_cast<uint32_t>(y));
            int v = ModelLevel(p, 128 - t, dropout);
            if (mode >= 4) {
                white[y * w + x] = v >= m;
                continue;
            }
            v += (e(x, y - 1) + e(x - 1, y)) / 4 + (e(x, y - 2) + e(x - 1, y - 1) + e(x + 1, y - 1) + e(x - 2, y)) / 8;
            white[y * w + x] = v >= m;
            error[y * w + x] = v >= m ? v - 255 : v;
        }
    }
    return white;
}

TEST(LineArtTest, EveryModeMatchesThePlainModelOnWideImages) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> level(0, 255);
    const RenderedImage source = Image24(700, 11, [&](int32_t, int32_t) {
        return Bgr{static_cast<uint8_t>(level(random)), static_cast<uint8_t>(level(random)),
                   static_cast<uint8_t>(level(random))};
    });
    for (int32_t mode = 0; mode <= 7; ++mode) {
        for (const DropoutColour dropout : {DropoutColour::kNone, DropoutColour::kGreen}) {
            for (const int32_t t : {40, 128, 220}) {
                RenderedImage image = source;
                HalftoneLineArt(image, LineArt(mode, dropout), t);
                const std::vector<int> expected = ModelHalftone(source, mode, dropout, t);
                int mismatches = 0;
                for (int32_t y = 0; y < source.height; ++y) {
                    for (int32_t x = 0; x < source.width; ++x) {
                        mismatches += BitAt(image, x, y) != expected[y * source.width + x];
                    }
                }
                EXPECT_EQ(mismatches, 0) << "mode " << mode << " threshold " << t;
                EXPECT_EQ(image.pixels.size(), 88u * 11);
            }
        }
    }
}

}  // namespace
}  // namespace korva
