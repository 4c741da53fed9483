#include "core/imaging/sixteen_colours.h"

#include <gtest/gtest.h>

#include "test_images.h"

namespace korva {
namespace {

using test::Bgr;
using test::Grey;
using test::Image24;

TEST(SixteenColoursTest, GreyTypesKeepTheTopFourBitsOfTheLevel) {
    const uint8_t levels[] = {0x12, 0xFF, 0x80};
    RenderedImage image = Image24(3, 1, [&](int32_t x, int32_t) { return Grey(levels[x]); });
    RenderSixteenColours(image, RenderType{ColourClass::kGrey, 8, 0, DropoutColour::kNone});
    // The third pixel of the odd-width row sits alone in the high nibble.
    EXPECT_EQ(image.pixels, (std::vector<uint8_t>{0x1F, 0x80, 0, 0}));
    ASSERT_EQ(image.colours.size(), 16u);
    EXPECT_EQ(image.colours[1], (DibColour{17, 17, 17, 0}));
}

TEST(SixteenColoursTest, ColourTypesHalftoneEachChannel) {
    // Mode 0: the top bit of each channel; bit 0 blue, 1 green, 2 red.
    RenderedImage top = Image24(2, 1, [](int32_t x, int32_t) {
        return x == 0 ? Bgr{0x80, 0x7F, 0xFF} : Bgr{0, 0xC0, 0};
    });
    RenderSixteenColours(top, RenderType{});
    EXPECT_EQ(top.pixels[0], 0x52);
    ASSERT_EQ(top.colours.size(), 8u);
    EXPECT_EQ(top.colours[5], (DibColour{255, 0, 255, 0}));

    // Dither A without offset: 128 is not below the entries 120 and 88 of the first row.
    RenderedImage dither = Image24(4, 1, [](int32_t, int32_t) { return Bgr{128, 0, 255}; });
    RenderSixteenColours(dither, RenderType{ColourClass::kColour, 24, 4, DropoutColour::kNone});
    EXPECT_EQ(dither.pixels[0], 0x45);
    EXPECT_EQ(dither.pixels[1], 0x45);

    // Mode 1 diffuses each channel on its own: blue 200 141 165 100 gives white, white, white, black;
    // green 100 throughout black, black, white, black; red 255 always white.
    const uint8_t blue[] = {200, 141, 165, 100};
    RenderedImage diffused = Image24(4, 1, [&](int32_t x, int32_t) { return Bgr{blue[x], 100, 255}; });
    RenderSixteenColours(diffused, RenderType{ColourClass::kColour, 24, 1, DropoutColour::kNone});
    EXPECT_EQ(diffused.pixels[0], 0x55);
    EXPECT_EQ(diffused.pixels[1], 0x74);
}

}  // namespace
}  // namespace korva
