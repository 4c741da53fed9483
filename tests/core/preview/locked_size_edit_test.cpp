#include "core/preview/locked_size_edit.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

class LockedSizeEditTest : public ::testing::Test {
  protected:
    LockedSizeEditTest() {
        view.areaWidth = view.viewWidth = 850;  // one pixel per hundredth of an inch
        view.areaHeight = view.viewHeight = 1100;
        settings.outWidthLocked = settings.outHeightLocked = settings.imageLocked = true;
        settings.outWidth = 400;
        settings.outHeight = 200;
    }
    PreviewView view;
    PaneSettings settings;
};

TEST_F(LockedSizeEditTest, TheScaleFollowsTheTypedSizeAndTheRectangleTheScale) {
    const LockedSizeEdit fits = ApplyLockedSizeEdit({100, 100, 200, 300}, true, settings, view);
    EXPECT_EQ(fits.scale, 400);
    EXPECT_EQ(fits.rect, (Rect{100, 100, 200, 150}));
    EXPECT_FALSE(fits.changed);
    const LockedSizeEdit height = ApplyLockedSizeEdit({100, 100, 200, 300}, false, settings, view);
    EXPECT_EQ(height.scale, 100);
    EXPECT_EQ(height.rect, (Rect{100, 100, 500, 300}));
    const LockedSizeEdit empty = ApplyLockedSizeEdit({}, true, settings, view);
    EXPECT_EQ(empty.scale, 47);  // the whole view: 400 x 100 / 850
    EXPECT_EQ(empty.rect, (Rect{0, 0, 851, 425}));
    EXPECT_TRUE(empty.changed);  // at 47 % the width passes the view; the next pass raises the scale
}

TEST_F(LockedSizeEditTest, ARectangleLeavingTheViewRaisesTheScale) {
    const LockedSizeEdit edit = ApplyLockedSizeEdit({700, 100, 1000, 200}, true, settings, view);
    EXPECT_TRUE(edit.changed);
    EXPECT_EQ(edit.scale, 272);  // 400 x 100 / (850 - 700 - 3)
    EXPECT_EQ(edit.rect, (Rect{700, 100, 847, 173}));
}

TEST_F(LockedSizeEditTest, TheCandidateScaleIsSixteenBits) {
    settings.outWidth = 656;  // 656 x 100 / 1 = 65600, kept as 64
    const LockedSizeEdit edit = ApplyLockedSizeEdit({846, 100, 849, 200}, true, settings, view);
    EXPECT_TRUE(edit.changed);
    EXPECT_EQ(edit.scale, 64);
}

TEST_F(LockedSizeEditTest, TargetSizesRecomputeOnlyTheLockedDimensions) {
    settings.outHeightLocked = settings.imageLocked = false;
    const LockedSizeEdit fits = FitLockedTargetSize({100, 100, 200, 200}, settings, view);
    EXPECT_TRUE(fits.changed);
    EXPECT_EQ(fits.scale, 100);
    EXPECT_EQ(fits.rect, (Rect{100, 100, 500, 200}));
    const LockedSizeEdit raised = FitLockedTargetSize({600, 100, 700, 200}, settings, view);
    EXPECT_EQ(raised.scale, 161);
    EXPECT_EQ(raised.rect, (Rect{600, 100, 848, 200}));
    settings.scalePercent = 0;  // an unset scale starts at the lower limit
    settings.outWidth = 100;
    const LockedSizeEdit lowest = FitLockedTargetSize({100, 100, 200, 200}, settings, view);
    EXPECT_EQ(lowest.scale, kScaleMin);
    EXPECT_EQ(lowest.rect.right, 500);
}

}  // namespace
}  // namespace korva
