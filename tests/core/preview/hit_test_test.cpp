#include "core/preview/hit_test.h"

#include <gtest/gtest.h>

#include <tuple>

namespace korva {
namespace {

class HitTestTest : public ::testing::Test {
  protected:
    HitTestTest() {
        view.viewWidth = view.fullWidth = 300;
        view.viewHeight = view.fullHeight = 388;
        view.currentRect = {50, 50, 150, 100};
        placement = {{100, 50, 400, 438}, {100, 50}};
        marquees.Add(view.currentRect, SettingsBlock{});
    }
    HitZone Zone(int32_t x, int32_t y) { return HitTest(view, placement, marquees, false, {x, y}).zone; }

    PreviewView view;
    PaneWindowPlacement placement;
    MarqueeList marquees;
};

TEST_F(HitTestTest, CornersHaveAOnePixelToleranceAndBeatEdgesWhichBeatTheInside) {
    EXPECT_EQ(Zone(49, 49), HitZone::kTopLeft);
    EXPECT_EQ(Zone(48, 48), HitZone::kDraw);
    EXPECT_EQ(Zone(151, 101), HitZone::kBottomRight);
    EXPECT_EQ(Zone(150, 50), HitZone::kTopRight);
    EXPECT_EQ(Zone(49, 101), HitZone::kBottomLeft);
    EXPECT_EQ(Zone(51, 51), HitZone::kTopLeft);  // also on the left and top edges
    EXPECT_EQ(Zone(51, 75), HitZone::kLeft);     // also inside
    EXPECT_EQ(Zone(149, 75), HitZone::kRight);
    EXPECT_EQ(Zone(100, 49), HitZone::kTop);
    EXPECT_EQ(Zone(100, 101), HitZone::kBottom);
    EXPECT_EQ(Zone(52, 75), HitZone::kMove);
    EXPECT_EQ(Zone(100, 102), HitZone::kDraw);
    view.currentRect = {50, 50, 52, 100};  // where edges overlap, left beats right and top beats bottom
    EXPECT_EQ(Zone(51, 75), HitZone::kLeft);
    view.currentRect = {50, 50, 150, 52};
    EXPECT_EQ(Zone(100, 51), HitZone::kTop);
}

TEST_F(HitTestTest, AnotherMarqueesBorderSelectsItAndItsInsideDraws) {
    marquees.Add({200, 200, 280, 300}, SettingsBlock{});
    marquees.MakeCurrentByIndex(1);  // the first marquee stays current
    const HitResult onBorder = HitTest(view, placement, marquees, false, {199, 250});
    EXPECT_EQ(std::tuple(onBorder.zone, onBorder.pendingSelect, marquees.Hit()),
              std::tuple(HitZone::kNone, true, &marquees.At(0)));
    const HitResult inside = HitTest(view, placement, marquees, false, {240, 250});
    EXPECT_EQ(std::tuple(inside.zone, inside.pendingSelect), std::tuple(HitZone::kDraw, false));
}

TEST_F(HitTestTest, NothingOutsideThePictureOrWithInteractionOff) {
    EXPECT_EQ(HitTest(view, placement, marquees, true, {100, 75}).zone, HitZone::kNone);
    EXPECT_EQ(Zone(300, 388), HitZone::kDraw);  // containment is inclusive
    EXPECT_EQ(Zone(301, 10), HitZone::kNone);
    EXPECT_EQ(Zone(10, -1), HitZone::kNone);
    view.viewWidth = 150;  // a narrower picture covers half the window
    EXPECT_EQ(Zone(150, 10), HitZone::kDraw);
    EXPECT_EQ(Zone(151, 10), HitZone::kNone);
    view.fullWidth = 0;
    EXPECT_EQ(Zone(10, 10), HitZone::kNone);
}

}  // namespace
}  // namespace korva
