#include "core/preview/locked_size_edit.h"

#include <gtest/gtest.h>

#include <tuple>

namespace korva {
namespace {

// Scale, rectangle and whether a side overflowed.
std::tuple<int32_t, Rect, bool> Result(const LockedSizeEdit& e) {
    return {e.scale, e.rect, e.changed};
}

class LockedSizeEditTest : public ::testing::Test {
  protected:
    LockedSizeEditTest() {
        view.areaWidth = view.viewWidth = 850;  // one pixel per hundredth of an inch
        view.areaHeight = view.viewHeight = 1100;
        settings.outWidthLocked = settings.outHeightLocked = settings.imageLocked = true;
        settings.outWidth = 400;
        settings.outHeight = 200;
    }
    LockedSizeEdit Apply(const Rect& r, bool widthEdit) { return ApplyLockedSizeEdit(r, widthEdit, settings, view); }
    PreviewView view;
    PaneSettings settings;
};

TEST_F(LockedSizeEditTest, TheScaleFollowsTheTypedSizeAndTheRectangleTheScale) {
    EXPECT_EQ(Result(Apply({100, 100, 200, 300}, true)), std::tuple(400, Rect{100, 100, 200, 150}, false));
    EXPECT_EQ(Result(Apply({100, 100, 200, 300}, false)), std::tuple(100, Rect{100, 100, 500, 300}, false));
    // The whole view: 400 x 100 / 850 = 47 %; the width passes the view and the next pass raises the scale.
    EXPECT_EQ(Result(Apply({}, true)), std::tuple(47, Rect{0, 0, 851, 425}, true));
    // A rectangle leaving the view raises the scale: 400 x 100 / (850 - 700 - 3).
    EXPECT_EQ(Result(Apply({700, 100, 1000, 200}, true)), std::tuple(272, Rect{700, 100, 847, 173}, true));
    settings.outWidth = 656;  // 656 x 100 / 1 = 65600: the candidate scale is 16 bits and kept as 64
    const LockedSizeEdit wrapped = Apply({846, 100, 849, 200}, true);
    EXPECT_EQ(std::tuple(wrapped.scale, wrapped.changed), std::tuple(64, true));
}

TEST_F(LockedSizeEditTest, TargetSizesRecomputeOnlyTheLockedDimensions) {
    settings.outHeightLocked = settings.imageLocked = false;
    EXPECT_EQ(Result(FitLockedTargetSize({100, 100, 200, 200}, settings, view)),
              std::tuple(100, Rect{100, 100, 500, 200}, true));
    EXPECT_EQ(Result(FitLockedTargetSize({600, 100, 700, 200}, settings, view)),
              std::tuple(161, Rect{600, 100, 848, 200}, true));
    settings.scalePercent = 0;  // an unset scale starts at the lower limit
    settings.outWidth = 100;
    const LockedSizeEdit lowest = FitLockedTargetSize({100, 100, 200, 200}, settings, view);
    EXPECT_EQ(std::tuple(lowest.scale, lowest.rect.right), std::tuple(kScaleMin, 500));
}

}  // namespace
}  // namespace korva
