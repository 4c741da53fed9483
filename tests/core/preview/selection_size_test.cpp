#include "core/preview/selection_size.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

PreviewView View(const Rect& current) {
    PreviewView v;
    v.areaWidth = 850;
    v.areaHeight = 1100;
    v.viewWidth = 300;
    v.viewHeight = 388;
    v.currentRect = current;
    return v;
}

TEST(SelectionSizeTest, ARectangleIsMeasuredInHundredthsOfAnInch) {
    PreviewView v = View({0, 0, 150, 194});
    EXPECT_EQ(ComputeSelectionSize(v, nullptr), 1);
    EXPECT_EQ(v.selWidth, 425);
    EXPECT_EQ(v.selHeight, 550);
    v.currentRect = {150, 194, 1, 1};  // inverted corners measure the same
    ComputeSelectionSize(v, nullptr);
    EXPECT_EQ(v.selWidth, 422);  // 149 x 850 / 300, truncated
    EXPECT_EQ(v.selHeight, 547);
    v.currentRect = {0, 0, 0, 10};  // no width
    EXPECT_EQ(ComputeSelectionSize(v, nullptr), 0);
}

TEST(SelectionSizeTest, NoRectangleOrTheWholeViewSelectsTheWholeArea) {
    PreviewView v = View({});
    EXPECT_EQ(ComputeSelectionSize(v, nullptr), 1);
    EXPECT_EQ(v.selWidth, 850);
    EXPECT_EQ(v.selHeight, 1100);
    v.currentRect = {0, 0, 299, 387};
    EXPECT_EQ(ComputeSelectionSize(v, nullptr), 1);
    EXPECT_EQ(v.selWidth, 850);
    EXPECT_EQ(v.selHeight, 1100);
    v.currentRect = {0, 0, 300, 388};  // larger than the view: only the height is the area's
    ComputeSelectionSize(v, nullptr);
    EXPECT_EQ(v.selWidth, 850);
    EXPECT_EQ(v.selHeight, 1100);
    v.currentRect = {1, 0, 300, 387};
    ComputeSelectionSize(v, nullptr);
    EXPECT_EQ(v.selWidth, 847);  // 299 x 850 / 300
    EXPECT_EQ(v.selHeight, 1100);
}

TEST(SelectionSizeTest, ARectangleWithinOnePixelOfTheWholeViewCountsAsNone) {
    for (const Rect r : {Rect{0, 0, 298, 386}, Rect{1, 1, 299, 387}, Rect{0, 0, 299, 386}}) {
        PreviewView v = View(r);
        EXPECT_EQ(ComputeSelectionSize(v, nullptr), 1);
        EXPECT_TRUE(v.currentRect.IsEmpty());
        EXPECT_EQ(v.selWidth, 850);
        EXPECT_EQ(v.selHeight, 1100);
    }
    PreviewView two = View({0, 0, 297, 385});
    ComputeSelectionSize(two, nullptr);
    EXPECT_FALSE(two.currentRect.IsEmpty());
}

TEST(SelectionSizeTest, APointIsMeasuredByTheCurrentMarqueeAndKept) {
    Marquee current;
    current.fullTenths = {0, 0, 1500, 1940};
    PreviewView v = View({5, 5, 5, 5});
    EXPECT_EQ(ComputeSelectionSize(v, &current), 1);
    EXPECT_EQ(v.selWidth, 425);
    EXPECT_EQ(v.selHeight, 550);
    EXPECT_EQ(v.currentRect, (Rect{5, 5, 5, 5}));
    current.fullTenths = {0, 0, 2990, 3860};  // within one pixel of the whole view: still kept
    EXPECT_EQ(ComputeSelectionSize(v, &current), 1);
    EXPECT_EQ(v.currentRect, (Rect{5, 5, 5, 5}));
    PreviewView alone = View({5, 5, 5, 5});
    ComputeSelectionSize(alone, nullptr);
    EXPECT_EQ(alone.selWidth, 850);
}

}  // namespace
}  // namespace korva
