#include "core/imaging/indexed_render.h"

#include <gtest/gtest.h>

#include "test_images.h"

namespace korva {
namespace {

using test::Bgr;
using test::Grey;
using test::Image24;

constexpr RenderType kGrey8{ColourClass::kGrey, 8, 0, DropoutColour::kNone};
constexpr RenderType kPalette8{ColourClass::kPalette, 8, 0, DropoutColour::kNone};

TEST(IndexedRenderTest, GreyTypesIndexTheirLevels) {
    const auto ramp = [](int32_t x, int32_t) { return Grey(static_cast<uint8_t>(x == 0 ? 100 : 250)); };
    RenderedImage palette = Image24(2, 2, ramp);
    const IndexedDisplaySteps onPalette = RenderColourOrGrey(palette, kGrey8, true);
    EXPECT_TRUE(onPalette.makeDisplayPalette);
    EXPECT_FALSE(onPalette.clearPaneFirst);
    // 216 colours: levels are limited to 215, entry i is grey i * 255 / 215.
    EXPECT_EQ(palette.pixels, (std::vector<uint8_t>{100, 215, 0, 0, 100, 215, 0, 0}));
    ASSERT_EQ(palette.colours.size(), 216u);
    EXPECT_EQ(palette.colours[100], (DibColour{118, 118, 118, 1}));
    EXPECT_EQ(palette.colours[215], (DibColour{255, 255, 255, 1}));

    RenderedImage trueColour = Image24(2, 1, ramp);
    const IndexedDisplaySteps onTrueColour = RenderColourOrGrey(trueColour, kGrey8, false);
    EXPECT_FALSE(onTrueColour.makeDisplayPalette);
    EXPECT_EQ(trueColour.pixels, (std::vector<uint8_t>{100, 250, 0, 0}));
    ASSERT_EQ(trueColour.colours.size(), 256u);
    EXPECT_EQ(trueColour.colours[250], (DibColour{250, 250, 250, 1}));

    // The level of a grey type follows its drop-out colour.
    RenderedImage red = Image24(1, 1, [](int32_t, int32_t) { return Bgr{10, 20, 200}; });
    RenderColourOrGrey(red, RenderType{ColourClass::kGrey, 8, 0, DropoutColour::kRed}, false);
    EXPECT_EQ(red.pixels[0], 200);
}

TEST(IndexedRenderTest, ColourTypesArePopularityQuantised) {
    RenderedImage uniform = Image24(7, 4, [](int32_t, int32_t) { return Grey(128); });
    const IndexedDisplaySteps onPalette = RenderColourOrGrey(uniform, kPalette8, true);
    EXPECT_TRUE(onPalette.clearPaneFirst);
    EXPECT_TRUE(onPalette.makeDisplayPalette);
    EXPECT_EQ(uniform.colours.size(), 216u);
    for (int32_t y = 0; y < 4; ++y) {
        for (int32_t x = 0; x < 7; ++x) {
            EXPECT_EQ(uniform.pixels[size_t{uniform.rowBytes} * y + x], 0);
        }
    }
    EXPECT_EQ(uniform.colours[0], (DibColour{128, 128, 128, 1}));

    RenderedImage colour = Image24(3, 1, [](int32_t, int32_t) { return Bgr{0, 0, 255}; });
    const IndexedDisplaySteps onTrueColour = RenderColourOrGrey(colour, RenderType{}, false);
    EXPECT_FALSE(onTrueColour.clearPaneFirst);
    EXPECT_TRUE(onTrueColour.makeDisplayPalette);
    EXPECT_EQ(colour.colours.size(), 256u);
    EXPECT_EQ(colour.colours[0], (DibColour{0, 0, 240, 1}));
}

}  // namespace
}  // namespace korva
