#include "core/preview/locate.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/preview/packed_dib.h"

namespace korva {
namespace {

// A white 24-bit picture, bottom-up as the data source delivers it.
class Picture {
  public:
    Picture(int32_t width, int32_t height) : width_(width), height_(height), bitmap_(MakePackedDib24(width, height)) {
        std::fill(bitmap_.begin() + kInfoHeaderBytes, bitmap_.end(), uint8_t{255});
    }
    // Paints the rectangle (inclusive, y from the top) in one colour.
    void Paint(const Rect& r, uint8_t red, uint8_t green, uint8_t blue) {
        for (int32_t y = r.top; y <= r.bottom; ++y) {
            uint8_t* row = bitmap_.data() + kInfoHeaderBytes + size_t{Stride24(width_)} * (height_ - 1 - y);
            for (int32_t x = r.left; x <= r.right; ++x) {
                row[3 * x] = blue;
                row[3 * x + 1] = green;
                row[3 * x + 2] = red;
            }
        }
    }
    void Paint(const Rect& r, uint8_t level) { Paint(r, level, level, level); }
    const PackedDib& Bitmap() const { return bitmap_; }

  private:
    int32_t width_;
    int32_t height_;
    PackedDib bitmap_;
};

TEST(LocateTest, TheMaskWeighsGreenMostAndUsesTheHigherThresholdForDarkDocuments) {
    Picture picture(20, 4);
    picture.Paint({0, 0, 0, 0}, 0, 0, 255);  // blue: (2 x 255) / 10 = 51, dark
    picture.Paint({1, 0, 1, 0}, 0, 255, 0);  // green: 153, white
    picture.Paint({2, 0, 2, 0}, 127);        // exactly the threshold: dark
    picture.Paint({3, 0, 3, 0}, 150);        // gray: white, or dark for a dark document
    picture.Paint({19, 3, 19, 3}, 0);        // the last pixel of the bottom row
    const DarkMask mask = MakeDarkMask(picture.Bitmap(), false);
    EXPECT_EQ(mask.stride, 4u);
    EXPECT_EQ((std::vector<bool>{mask.IsDark(0, 0), mask.IsDark(1, 0), mask.IsDark(2, 0), mask.IsDark(3, 0),
                                 mask.IsDark(19, 3)}),
              (std::vector<bool>{true, false, true, false, true}));
    // Spare bits are white; the bottom row is stored first.
    EXPECT_EQ(std::tuple(mask.ByteAt(3, 3), mask.bits[2], mask.bits[0]), std::tuple(0xFF, 0xEF, 0xFF));
    EXPECT_TRUE(MakeDarkMask(picture.Bitmap(), true).IsDark(3, 0));
    EXPECT_EQ(MakeDarkMask(PackedDib{1, 2, 3}, false).width, 0);
}

TEST(LocateTest, AWhitePreviewHasNothingToFind) {
    Picture picture(120, 100);
    const DarkMask mask = MakeDarkMask(picture.Bitmap(), false);
    EXPECT_TRUE(LocatePicture(mask, {}, 120, 100).IsEmpty());
    EXPECT_EQ(LocatePicture(mask, {10, 10, 50, 50}, 120, 100), (Rect{10, 10, 50, 50}));
}

TEST(LocateTest, WithoutAMarqueeTheInsetViewIsSearched) {
    Picture picture(120, 100);
    picture.Paint({40, 30, 59, 49}, 0);
    picture.Paint({0, 0, 5, 99}, 0);  // dark edges of the bed lie outside the inset
    picture.Paint({0, 80, 119, 99}, 0);
    const DarkMask mask = MakeDarkMask(picture.Bitmap(), false);
    EXPECT_EQ(LocatePicture(mask, {}, 120, 100), (Rect{40, 29, 60, 49}));
    // The search scans whole bytes.
    Picture edges(120, 100);
    edges.Paint({16, 30, 16, 40}, 0);    // left of the inset (17) but in the byte it starts in
    edges.Paint({103, 50, 103, 60}, 0);  // right of the inset (102) but in its last byte
    EXPECT_EQ(LocatePicture(MakeDarkMask(edges.Bitmap(), false), {}, 120, 100), (Rect{17, 29, 104, 60}));
}

TEST(LocateTest, EdgesThatCutThroughThePictureArePushedOut) {
    Picture picture(120, 100);
    picture.Paint({40, 30, 89, 79}, 0);
    const DarkMask mask = MakeDarkMask(picture.Bitmap(), false);
    EXPECT_EQ(LocatePicture(mask, {50, 40, 70, 60}, 120, 100), (Rect{40, 29, 90, 79}));
    // A marquee around the picture crosses nothing and only shrinks to it.
    EXPECT_EQ(LocatePicture(mask, {20, 20, 100, 90}, 120, 100), (Rect{40, 29, 90, 79}));
    EXPECT_EQ(LocatePicture(mask, {20, 20, 100, 90}, 80, 70), (Rect{40, 29, 78, 68}));  // at most the view - 2
    // Only the crossing edge moves: the bottom edge cuts the picture, the others lie in white.
    picture.Paint({40, 30, 89, 79}, 255);
    picture.Paint({40, 30, 59, 89}, 0);
    EXPECT_EQ(LocatePicture(MakeDarkMask(picture.Bitmap(), false), {30, 20, 70, 60}, 120, 100), (Rect{40, 29, 60, 89}));
}

}  // namespace
}  // namespace korva
