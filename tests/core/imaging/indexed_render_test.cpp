#include "core/imaging/indexed_render.h"

#include <gtest/gtest.h>

#include "test_images.h"

namespace korva {
namespace {

using test::Grey;
using test::Image24;

TEST(IndexedRenderTest, GreyTypesIndexTheirLevels) {
    const RenderType grey{ColourClass::kGrey, 8, 0, DropoutColour::kNone};
    const auto ramp = [](int32_t x, int32_t) { return Grey(static_cast<uint8_t>(x == 0 ? 100 : 250)); };
    // 216 colours: levels are limited to 215, entry i is grey i * 255 / 215.
    RenderedImage palette = Image24(2, 2, ramp);
    EXPECT_TRUE(RenderColourOrGrey(palette, grey, true).makeDisplayPalette);
    EXPECT_EQ(palette.pixels, (std::vector<uint8_t>{100, 215, 0, 0, 100, 215, 0, 0}));
    ASSERT_EQ(palette.colours.size(), 216u);
    EXPECT_EQ(palette.colours[100], (DibColour{118, 118, 118, 1}));

    RenderedImage trueColour = Image24(2, 1, ramp);
    EXPECT_FALSE(RenderColourOrGrey(trueColour, grey, false).makeDisplayPalette);
    EXPECT_EQ(trueColour.pixels, (std::vector<uint8_t>{100, 250, 0, 0}));
    EXPECT_EQ(trueColour.colours.size(), 256u);
}

TEST(IndexedRenderTest, AUniformGreyTakesOnePaletteEntry) {
    const RenderType colour{ColourClass::kPalette, 8, 0, DropoutColour::kNone};
    RenderedImage uniform = Image24(7, 4, [](int32_t, int32_t) { return Grey(128); });
    const IndexedDisplaySteps steps = RenderColourOrGrey(uniform, colour, true);
    EXPECT_TRUE(steps.clearPaneFirst);
    EXPECT_TRUE(steps.makeDisplayPalette);
    EXPECT_EQ(uniform.pixels, std::vector<uint8_t>(32, 0));  // rows of 7 indices and a padding byte
    EXPECT_EQ(uniform.colours.size(), 216u);
    EXPECT_EQ(uniform.colours[0], (DibColour{128, 128, 128, 1}));

    // On a true-colour display: 256 entries, those after the 216 picks empty; no white pane first.
    RenderedImage wide = Image24(2, 1, [](int32_t, int32_t) { return Grey(128); });
    EXPECT_FALSE(RenderColourOrGrey(wide, colour, false).clearPaneFirst);
    ASSERT_EQ(wide.colours.size(), 256u);
    EXPECT_EQ(wide.colours[255], DibColour{});
}

}  // namespace
}  // namespace korva
