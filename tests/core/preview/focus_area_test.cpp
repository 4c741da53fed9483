#include "core/preview/focus_area.h"

#include <gtest/gtest.h>

#include <tuple>

namespace korva {
namespace {

class FocusAreaTest : public ::testing::Test {
  protected:
    FocusAreaTest() {
        view.bedWidth = view.areaWidth = 850;
        view.bedHeight = view.areaHeight = 1100;
        view.viewWidth = view.fullWidth = 340;
        view.viewHeight = view.fullHeight = 440;
        settings.resolutions = {50, 100, 200, 300, 600};
    }
    FocusPoint Point(int32_t x, int32_t y, int32_t pixelSize = 0) const {
        return {x * 256, y * 256, 100, 130, pixelSize};
    }
    PreviewView view;
    PaneSettings settings;
};

TEST_F(FocusAreaTest, WithoutAPixelSizeTheSideIsAQuarterOfTheReference) {
    const auto area = ComputeFocusArea(view, nullptr, Point(50, 65), settings, true);
    ASSERT_TRUE(area);
    // 85 full-preview pixels = 212.5 hundredths, rounded, centred on 425, 550; 800 dpi wanted.
    EXPECT_EQ(std::tuple(area->side, area->pixelSize, area->left, area->top), std::tuple(213, 1704, 319, 444));
    EXPECT_EQ(std::tuple(area->resolution.resolution, area->resolution.scale), std::tuple(600, 133));
}

TEST_F(FocusAreaTest, APixelSizeAsksForSeventeenHundredths) {
    const auto area = ComputeFocusArea(view, nullptr, Point(50, 65, 100), settings, true);
    EXPECT_EQ(std::tuple(area->side, area->pixelSize, area->left), std::tuple(17, 100, 417));
    // 588 dpi: 600 at 98 % beats 300 at 196 %.
    EXPECT_EQ(std::tuple(area->resolution.resolution, area->resolution.scale), std::tuple(600, 98));
}

TEST_F(FocusAreaTest, TheAreaStaysOnTheBedAndFollowsTheCurrentMarquee) {
    EXPECT_EQ(ComputeFocusArea(view, nullptr, Point(0, 0), settings, true)->left, 0);
    EXPECT_EQ(ComputeFocusArea(view, nullptr, Point(100, 130), settings, true)->left, 637);  // 850 - 213
    Marquee current;
    current.fullTenths = {400, 500, 1400, 2500};  // 40, 50, 140, 250 full-preview pixels
    view.currentRect = {40, 50, 140, 250};
    const auto area = ComputeFocusArea(view, &current, Point(50, 65), settings, true);
    // A quarter of 101 pixels: 25 = 62.5 hundredths, centred at pixel 90 = 225 hundredths.
    EXPECT_EQ(std::tuple(area->side, area->left), std::tuple(63, 194));
    view.fullWidth = 0;
    EXPECT_FALSE(ComputeFocusArea(view, nullptr, Point(50, 65), settings, true));
}

TEST_F(FocusAreaTest, TheWidthInPixelsIsAMultipleOfEight) {
    FocusArea area{319, 444, 213, 0, {600, 133}};  // 798 dpi: 1699 pixels
    const auto up = ComputeFocusPixels(area, 850, false);
    ASSERT_TRUE(up);
    EXPECT_EQ(std::tuple(up->width, up->height, up->left, up->top), std::tuple(1704, 1699, 2545, 3543));
    EXPECT_EQ(ComputeFocusPixels(area, 850, true)->width, 1696);   // a full preview is requested
    EXPECT_EQ(ComputeFocusPixels(area, 213, false)->width, 1696);  // no wider than the device
    EXPECT_EQ(ComputeFocusPixels(area, 214, false)->width, 1704);  // 8 pixels to spare
    area.side = 1;
    area.resolution.scale = 1;
    EXPECT_FALSE(ComputeFocusPixels(area, 850, false));
}

}  // namespace
}  // namespace korva
