#include "core/preview/marquee_edit.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/preview/output_scale.h"

namespace korva {
namespace {

// The rectangle and the scale a step sets, if any.
std::tuple<Rect, int32_t> Result(const EditStep& step) {
    return {step.rect, step.scale.value_or(-1)};
}

class MarqueeEditTest : public ::testing::Test {
  protected:
    MarqueeEditTest() {
        view.areaWidth = view.viewWidth = 850;  // one pixel is one hundredth of an inch
        view.areaHeight = view.viewHeight = 1100;
        settings.scanResolution = 300;
        settings.resolutions = {50, 100, 300, 600, 1200};
    }
    EditStep Step(HitZone zone, Point delta, bool shift = false) {
        return ComputeEditStep(zone, before, delta, shift, axis, settings, view);
    }
    Rect before{100, 100, 300, 200};  // 200 x 100
    MoveAxis axis = MoveAxis::kUndecided;
    PaneSettings settings;
    PreviewView view;
};

TEST_F(MarqueeEditTest, MovingWithShiftKeepsToTheAxisOfTheFirstStep) {
    EXPECT_EQ(Step(HitZone::kMove, {5, -3}).rect, (Rect{105, 97, 305, 197}));
    EXPECT_EQ(axis, MoveAxis::kUndecided);
    EXPECT_EQ(Step(HitZone::kMove, {2, 10}, true).rect, (Rect{100, 110, 300, 210}));
    EXPECT_EQ(axis, MoveAxis::kVertical);
    EXPECT_EQ(Step(HitZone::kMove, {7, 1}, true).rect, (Rect{100, 101, 300, 201}));
    axis = MoveAxis::kUndecided;
    EXPECT_EQ(Step(HitZone::kMove, {3, 3}, true).rect, (Rect{103, 100, 303, 200}));
    EXPECT_EQ(axis, MoveAxis::kHorizontal);
}

TEST_F(MarqueeEditTest, FreeResizeMovesTheDraggedEdges) {
    EXPECT_EQ(Step(HitZone::kTop, {9, -10}).rect, (Rect{100, 90, 300, 200}));
    EXPECT_EQ(Step(HitZone::kBottomLeft, {-5, 7}).rect, (Rect{95, 100, 300, 207}));
    EXPECT_EQ(Step(HitZone::kTopRight, {4, 4}).rect, (Rect{100, 104, 304, 200}));
    const EditStep inverted = Step(HitZone::kRight, {-250, 0});
    EXPECT_FALSE(inverted.refused);  // the button-up puts the corners in order
    EXPECT_EQ(inverted.rect.right, 50);
    EXPECT_FALSE(Step(HitZone::kRight, {1, 0}).scale);
}

TEST_F(MarqueeEditTest, ShiftResizeKeepsTheAspectRatio) {
    EXPECT_EQ(Step(HitZone::kRight, {100, 0}, true).rect, (Rect{100, 100, 400, 250}));  // 300 x 150
    EXPECT_EQ(Step(HitZone::kTop, {0, -50}, true).rect, (Rect{100, 50, 400, 200}));
    // Growing taller than wide: the vertical side follows the width.
    EXPECT_EQ(Step(HitZone::kBottomRight, {50, 10}, true).rect, (Rect{100, 100, 350, 225}));
    // Growing wider than tall: the horizontal side follows the height.
    EXPECT_EQ(Step(HitZone::kTopLeft, {-10, -50}, true).rect, (Rect{0, 50, 300, 200}));
    EXPECT_EQ(Step(HitZone::kBottomRight, {20, 10}, true).rect, (Rect{100, 100, 320, 210}));  // equal ratios
    // Shrinking past the other edge is refused.
    const EditStep refused = Step(HitZone::kRight, {-250, 0}, true);
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(refused.rect, before);
}

TEST_F(MarqueeEditTest, ScaleLockedKeepsTheEdgesOfLockedOutputDimensions) {
    settings.scaleLocked = true;
    settings.outWidthLocked = true;
    EXPECT_EQ(Step(HitZone::kRight, {10, 0}).rect, before);
    EXPECT_EQ(Step(HitZone::kBottomRight, {10, 10}).rect, (Rect{100, 100, 300, 210}));
    settings.outHeightLocked = true;
    EXPECT_EQ(Step(HitZone::kBottomRight, {10, 10}).rect, before);
    EXPECT_EQ(Step(HitZone::kTop, {0, 10}).rect, before);
    EXPECT_FALSE(Step(HitZone::kTop, {0, 10}).scale);
}

TEST_F(MarqueeEditTest, AnOutputWidthLockMakesTheScaleFollowTheWidth) {
    settings.outWidthLocked = true;
    settings.outWidth = 400;
    EXPECT_EQ(Result(Step(HitZone::kRight, {100, 0})), std::tuple(Rect{100, 100, 400, 200}, 133));  // 400 x 100 / 300
    // Width 50 would need 800 %: the scale stops at 400 % and the right edge moves to fit it.
    EXPECT_EQ(Result(Step(HitZone::kRight, {-150, 0})), std::tuple(Rect{100, 100, 200, 200}, 400));
    // When the left edge moved, the left edge is the one that fits.
    EXPECT_EQ(Step(HitZone::kLeft, {150, 0}).rect, (Rect{200, 100, 300, 200}));
}

TEST_F(MarqueeEditTest, BothOutputsLockedKeepTheOutputsProportions) {
    settings.outWidthLocked = settings.outHeightLocked = true;
    settings.outWidth = 400;
    settings.outHeight = 200;
    EXPECT_EQ(Result(Step(HitZone::kBottomRight, {50, 0})), std::tuple(Rect{100, 100, 350, 225}, 160));  // 40000 / 250
    // A vertical step leaves the horizontal side of the corner and sets the width from the scale: 20000 / 120.
    EXPECT_EQ(Result(Step(HitZone::kBottomRight, {30, 20})), std::tuple(Rect{100, 100, 340, 220}, 166));
    EXPECT_EQ(Step(HitZone::kTopLeft, {0, -20}).rect, (Rect{60, 80, 300, 200}));
}

TEST(OutputScaleTest, LimitsComeFromTheResolutionsAndTheScaleRange) {
    PaneSettings s;
    const auto limits = [&s](int32_t scanResolution) {
        s.scanResolution = scanResolution;
        const ScaleLimits l = ComputeScaleLimits(s);
        return std::tuple(l.lower, l.upper);
    };
    s.resolutions = {100, 2400};
    EXPECT_EQ(limits(300), std::tuple(25, 400));  // max(1, 100 x 50 / 300 = 16, 25), min(2400 x 200 / 300, 400)
    s.resolutions = {75, 600};
    s.scaleMin = 1;
    EXPECT_EQ(limits(100), std::tuple(37, 400));
    EXPECT_EQ(limits(1200), std::tuple(3, 100));  // 75 x 50 / 1200 and 600 x 200 / 1200
    EXPECT_EQ(limits(0), std::tuple(1, 400));
    s.scaleMin = 500;  // never an upper limit below the lower one
    EXPECT_EQ(limits(0), std::tuple(500, 500));
}

TEST(OutputScaleTest, OutputSizeInViewPixelsIsRounded) {
    PaneSettings s;
    s.outWidth = 425;
    s.outHeight = 1;
    PreviewView v;
    v.areaWidth = 850;
    v.viewWidth = 301;
    v.areaHeight = 1100;
    v.viewHeight = 550;
    EXPECT_EQ(std::tuple(OutputWidthInView(s, v), OutputHeightInView(s, v)), std::tuple(151, 1));  // 150.5, 0.5
    v.areaWidth = 0;
    EXPECT_EQ(OutputWidthInView(s, v), 0);
}

TEST(AcceptStepTest, AStepMayNotPushAnEdgeFurtherOutOfTheView) {
    const Rect inside{10, 10, 100, 100};
    EXPECT_TRUE(AcceptsStep(inside, {0, 0, 300, 388}, 300, 388));
    EXPECT_FALSE(AcceptsStep(inside, {-1, 0, 90, 90}, 300, 388));
    EXPECT_FALSE(AcceptsStep(inside, {10, 10, 301, 100}, 300, 388));
    EXPECT_FALSE(AcceptsStep(inside, {10, 10, 100, 389}, 300, 388));
    const Rect out{-5, -5, 310, 400};
    EXPECT_TRUE(AcceptsStep(out, {-5, -4, 309, 400}, 300, 388));
    EXPECT_FALSE(AcceptsStep(out, {-6, -5, 309, 399}, 300, 388));
}

}  // namespace
}  // namespace korva
