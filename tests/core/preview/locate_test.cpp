#include "core/preview/locate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <tuple>
#include <vector>

#include "core/preview/packed_dib.h"
#include "imaging/test_images.h"

namespace korva {
namespace {

// A white picture with black rectangles (inclusive, y from the top), bottom-up as the data source delivers it.
PackedDib Picture(int32_t width, int32_t height, std::initializer_list<Rect> black) {
    return test::Preview(width, height, [&](int32_t x, int32_t row) {
        const int32_t y = height - 1 - row;
        const bool inside = std::ranges::any_of(
            black, [&](const Rect& r) { return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom; });
        return test::Grey(inside ? 0 : 255);
    });
}

TEST(LocateTest, TheMaskWeighsGreenMostAndUsesTheHigherThresholdForDarkDocuments) {
    const PackedDib picture = test::Preview(20, 4, [](int32_t x, int32_t row) {
        // Blue: (2 x 255) / 10 = 51, dark; green: 153, white; exactly the threshold: dark; grey 150: white, or
        // dark for a dark document; the last pixel of the bottom row is black.
        const test::Bgr top[] = {{255, 0, 0}, {0, 255, 0}, test::Grey(127), test::Grey(150)};
        return row == 3 && x < 4 ? top[x] : test::Grey(row == 0 && x == 19 ? 0 : 255);
    });
    const DarkMask mask = MakeDarkMask(picture, false);
    EXPECT_EQ(mask.stride, 4u);
    EXPECT_EQ((std::vector<bool>{mask.IsDark(0, 0), mask.IsDark(1, 0), mask.IsDark(2, 0), mask.IsDark(3, 0),
                                 mask.IsDark(19, 3)}),
              (std::vector<bool>{true, false, true, false, true}));
    // Spare bits are white; the bottom row is stored first.
    EXPECT_EQ(std::tuple(mask.ByteAt(3, 3), mask.bits[2], mask.bits[0]), std::tuple(0xFF, 0xEF, 0xFF));
    EXPECT_TRUE(MakeDarkMask(picture, true).IsDark(3, 0));
    EXPECT_EQ(MakeDarkMask(PackedDib{1, 2, 3}, false).width, 0);
}

TEST(LocateTest, WithoutAMarqueeTheInsetViewIsSearched) {
    const DarkMask white = MakeDarkMask(Picture(120, 100, {}), false);
    EXPECT_TRUE(LocatePicture(white, {}, 120, 100).IsEmpty());
    EXPECT_EQ(LocatePicture(white, {10, 10, 50, 50}, 120, 100), (Rect{10, 10, 50, 50}));
    // Dark edges of the bed lie outside the inset.
    const DarkMask mask = MakeDarkMask(Picture(120, 100, {{40, 30, 59, 49}, {0, 0, 5, 99}, {0, 80, 119, 99}}), false);
    EXPECT_EQ(LocatePicture(mask, {}, 120, 100), (Rect{40, 29, 60, 49}));
    // The search scans whole bytes: left of the inset (17) but in the byte it starts in, right of the inset
    // (102) but in its last byte.
    const DarkMask edges = MakeDarkMask(Picture(120, 100, {{16, 30, 16, 40}, {103, 50, 103, 60}}), false);
    EXPECT_EQ(LocatePicture(edges, {}, 120, 100), (Rect{17, 29, 104, 60}));
}

TEST(LocateTest, EdgesThatCutThroughThePictureArePushedOut) {
    const DarkMask mask = MakeDarkMask(Picture(120, 100, {{40, 30, 89, 79}}), false);
    EXPECT_EQ(LocatePicture(mask, {50, 40, 70, 60}, 120, 100), (Rect{40, 29, 90, 79}));
    // A marquee around the picture crosses nothing and only shrinks to it.
    EXPECT_EQ(LocatePicture(mask, {20, 20, 100, 90}, 120, 100), (Rect{40, 29, 90, 79}));
    EXPECT_EQ(LocatePicture(mask, {20, 20, 100, 90}, 80, 70), (Rect{40, 29, 78, 68}));  // at most the view - 2
    // Only the crossing edge moves: the bottom edge cuts the picture, the others lie in white.
    const DarkMask tall = MakeDarkMask(Picture(120, 100, {{40, 30, 59, 89}}), false);
    EXPECT_EQ(LocatePicture(tall, {30, 20, 70, 60}, 120, 100), (Rect{40, 29, 60, 89}));
}

}  // namespace
}  // namespace korva
