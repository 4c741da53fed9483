#include "core/preview/marquee_edit.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <tuple>

#include "core/preview/output_scale.h"

namespace korva {
namespace {

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

TEST_F(MarqueeEditTest, ResizeStepsFollowTheShiftKeyAndTheLocks) {
    struct Row {
        const char* locks;  // s scale, w output width (400), h output height (200)
        HitZone zone;
        Point delta;
        bool shift;
        Rect rect;
        int32_t scale;  // -1: the scale does not follow
        bool refused;
    };
    const Row rows[] = {
        // Free resizes move the dragged edges; inside out is left to the button-up.
        {"", HitZone::kTop, {9, -10}, false, {100, 90, 300, 200}, -1, false},
        {"", HitZone::kBottomLeft, {-5, 7}, false, {95, 100, 300, 207}, -1, false},
        {"", HitZone::kTopRight, {4, 4}, false, {100, 104, 304, 200}, -1, false},
        {"", HitZone::kRight, {-250, 0}, false, {100, 100, 50, 200}, -1, false},
        // Shift keeps the aspect ratio of 200 x 100; the larger relative step decides, and inverting is refused.
        {"", HitZone::kRight, {100, 0}, true, {100, 100, 400, 250}, -1, false},
        {"", HitZone::kTop, {0, -50}, true, {100, 50, 400, 200}, -1, false},
        {"", HitZone::kBottomRight, {50, 10}, true, {100, 100, 350, 225}, -1, false},
        {"", HitZone::kTopLeft, {-10, -50}, true, {0, 50, 300, 200}, -1, false},
        {"", HitZone::kBottomRight, {20, 10}, true, {100, 100, 320, 210}, -1, false},  // equal ratios
        {"", HitZone::kRight, {-250, 0}, true, {100, 100, 300, 200}, -1, true},
        // Under the scale lock the edges of locked output dimensions stay.
        {"sw", HitZone::kRight, {10, 0}, false, {100, 100, 300, 200}, -1, false},
        {"sw", HitZone::kBottomRight, {10, 10}, false, {100, 100, 300, 210}, -1, false},
        {"swh", HitZone::kBottomRight, {10, 10}, false, {100, 100, 300, 200}, -1, false},
        {"swh", HitZone::kTop, {0, 10}, false, {100, 100, 300, 200}, -1, false},
        // An output width lock makes the scale follow the width: 400 x 100 / 300 = 133. Width 50 would need
        // 800 %: the scale stops at 400 % and the dragged edge moves to fit it.
        {"w", HitZone::kRight, {100, 0}, false, {100, 100, 400, 200}, 133, false},
        {"w", HitZone::kRight, {-150, 0}, false, {100, 100, 200, 200}, 400, false},
        {"w", HitZone::kLeft, {150, 0}, false, {200, 100, 300, 200}, 400, false},
        // Both locked keep the output's proportions: 40000 / 250 = 160. A vertical step leaves the horizontal
        // side of the corner and sets the width from the scale: 20000 / 120 = 166.
        {"wh", HitZone::kBottomRight, {50, 0}, false, {100, 100, 350, 225}, 160, false},
        {"wh", HitZone::kBottomRight, {30, 20}, false, {100, 100, 340, 220}, 166, false},
        {"wh", HitZone::kTopLeft, {0, -20}, false, {60, 80, 300, 200}, 166, false},
    };
    settings.outWidth = 400;
    settings.outHeight = 200;
    for (size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(testing::Message() << "row " << i);
        const std::string locks = row.locks;
        settings.scaleLocked = locks.find('s') != std::string::npos;
        settings.outWidthLocked = locks.find('w') != std::string::npos;
        settings.outHeightLocked = locks.find('h') != std::string::npos;
        const EditStep step = Step(row.zone, row.delta, row.shift);
        EXPECT_EQ(std::tuple(step.rect, step.scale.value_or(-1), step.refused),
                  std::tuple(row.rect, row.scale, row.refused));
    }
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
