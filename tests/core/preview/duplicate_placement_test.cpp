#include "core/preview/duplicate_placement.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

TEST(DuplicatePlacementTest, TheCopyMovesByTheOffsetOrBesideOrBelowAndReturnsToTheNearBorder) {
    const Point offset{5, 5};
    EXPECT_EQ(PlaceDuplicate({100, 10, 150, 50}, offset, false, false, 300, 388), (Rect{105, 15, 155, 55}));
    EXPECT_EQ(PlaceDuplicate({100, 10, 150, 50}, offset, true, false, 300, 388), (Rect{155, 10, 205, 50}));
    EXPECT_EQ(PlaceDuplicate({100, 10, 150, 50}, offset, false, true, 300, 388), (Rect{100, 55, 150, 95}));
    // At the right border: the copy lands 5 pixels in from the left (and from the top without keys).
    EXPECT_EQ(PlaceDuplicate({250, 10, 299, 50}, offset, false, false, 300, 388), (Rect{5, 5, 54, 45}));
    EXPECT_EQ(PlaceDuplicate({250, 10, 299, 50}, offset, true, false, 300, 388), (Rect{5, 10, 54, 50}));
    EXPECT_EQ(PlaceDuplicate({10, 300, 60, 380}, offset, false, true, 300, 388), (Rect{10, 5, 60, 85}));
    EXPECT_EQ(PlaceDuplicate({10, 300, 60, 385}, offset, false, false, 300, 388), (Rect{5, 5, 55, 90}));
}

TEST(DuplicatePlacementTest, TheOffsetIsFiveFullPreviewPixels) {
    MarqueeList marquees;
    PreviewView view;
    view.bedWidth = 850;
    view.bedHeight = 1100;
    view.fullWidth = 300;
    view.fullHeight = 388;
    view.areaWidth = 200;  // a zoom of 200 x 300 hundredths shown at 300 x 450
    view.areaHeight = 300;
    view.viewWidth = 300;
    view.viewHeight = 450;
    marquees.SetGeometry(view);
    EXPECT_EQ(DuplicateOffset(marquees), (Point{5, 5}));
    marquees.Add({10, 10, 20, 20}, SettingsBlock{});
    marquees.EnterZoom({10, 10, 20, 20});
    EXPECT_EQ(DuplicateOffset(marquees), (Point{21, 21}));  // 1275 x 5 / 300 and 1650 x 5 / 388
}

}  // namespace
}  // namespace korva
