#include "core/filter/colour_matrix.h"

#include <gtest/gtest.h>

#include <vector>

namespace korva {
namespace {

TEST(ColourMatrixTest, PreviewMatrixCombinesCorrectionAndSaturation) {
    EXPECT_EQ(BuildPreviewColourMatrix(0, false), (ColourMatrix{{{74, -24, 0}, {-2, 57, -4}, {-3, 0, 54}}}));
    // Colour matching drops the correction; off the diagonal (-30 + 0.5) / 6 truncates toward zero.
    EXPECT_EQ(BuildPreviewColourMatrix(30, true)[0], (std::array<int32_t, 3>{60, -4, -4}));
}

TEST(ColourMatrixTest, ApplyingWorksPixelByPixelAndSkipsRowPadding) {
    // Two rows of two pixels: six bytes and two filler bytes each.
    std::vector<uint8_t> image = {200, 200, 200, 0, 0, 255, 0xEE, 0xEE, 255, 0, 0, 10, 20, 30, 0xEE, 0xEE};
    const std::vector<uint8_t> before = image;
    ApplyColourMatrix(BuildPreviewColourMatrix(0, false), image.data(), 2, 2);
    // Gray 200 becomes blue 200, green 204, red 204. Pure red: blue 0 and green -20 clamp to 0, red
    // 255 * 54 / 50 clamps to 255. Pure blue: 74 * 255 / 50 clamps to 255, green -10 and red -15 to 0.
    // (10, 20, 30): blue (740 - 480) / 50 = 5, green (-20 + 1140 - 120) / 50 = 20, red (-30 + 1620) / 50 = 31.
    EXPECT_EQ(image, (std::vector<uint8_t>{200, 204, 204, 0, 0, 255, 0xEE, 0xEE, 255, 0, 0, 5, 20, 31, 0xEE, 0xEE}));

    // Saturation -100 gives a grey image: every channel is 16 (b + g + r) / 50.
    std::vector<uint8_t> grayed = before;
    ApplyColourMatrix(BuildPreviewColourMatrix(-100, false), grayed.data(), 2, 2);
    EXPECT_EQ(grayed,
              (std::vector<uint8_t>{192, 192, 192, 81, 81, 81, 0xEE, 0xEE, 81, 81, 81, 19, 19, 19, 0xEE, 0xEE}));
    // With colour matching saturation 0 is the identity.
    std::vector<uint8_t> matched = before;
    ApplyColourMatrix(BuildPreviewColourMatrix(0, true), matched.data(), 2, 2);
    EXPECT_EQ(matched, before);
}

TEST(ColourMatrixTest, DeviceBytesAreSignMagnitudeInTheDeviceOrder) {
    EXPECT_EQ(BuildDeviceColourMatrix(0), (std::array<uint8_t, 9>{40, 133, 132, 134, 41, 130, 130, 132, 38}));
    // Saturation 100: blue row 84, -43, -10 and green row -13000 / 300 = -43 -> -14, 59000 / 300 = 196 -> 63,
    // -16000 / 300 = -53 -> -17 (from blue, green, red), at (row, column) bytes 8, 2, 5 and 6, 0, 3.
    const std::array<uint8_t, 9> bytes = BuildDeviceColourMatrix(100);
    EXPECT_EQ((std::array{bytes[8], bytes[2], bytes[5], bytes[6], bytes[0], bytes[3]}),
              (std::array<uint8_t, 6>{84, 128 + 43, 128 + 10, 128 + 14, 63, 128 + 17}));

    // Saturation -100: every element is 100 * (row sum 0.99 or 1.00) / 3 = 33, scaled to 11.
    EXPECT_EQ(BuildDeviceColourMatrix(-100), (std::array<uint8_t, 9>{11, 11, 11, 11, 11, 11, 11, 11, 11}));

    // A diagonal above 127 (blue, 139 at saturation 250) is capped and half its excess goes to its row
    // (-82 + 6, -25 + 6); the green diagonal, in another row, is unchanged.
    const std::array<uint8_t, 9> capped = BuildDeviceColourMatrix(250);
    EXPECT_EQ((std::array{capped[8], capped[2], capped[5], capped[0]}), (std::array<uint8_t, 4>{127, 204, 147, 102}));
}

}  // namespace
}  // namespace korva
