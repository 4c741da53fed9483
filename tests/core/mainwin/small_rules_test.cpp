// The small rules of the main window: line-art options, scroll positions, hints and the busy state.
#include <gtest/gtest.h>

#include <tuple>

#include "core/mainwin/busy_controls.h"
#include "core/mainwin/hint_table.h"
#include "core/mainwin/ocr_options.h"
#include "core/mainwin/scroll_position.h"

namespace korva {
namespace {

TEST(OcrOptionForTest, EachOptionSetsHalftoneTextOptionAndFlags) {
    const auto fields = [](int32_t id) {
        const OcrOption o = OcrOptionFor(id);
        return std::tuple(o.halftone, o.textOption, o.thresholdEnabled, o.aas, o.tet);
    };
    EXPECT_EQ(fields(kOptionAas), std::tuple(1, 1, false, true, false));
    EXPECT_EQ(fields(kOptionTet), std::tuple(0, 0, false, false, true));
    EXPECT_EQ(fields(kOptionThreshold), std::tuple(0, 2, true, false, false));
    EXPECT_EQ(fields(0), fields(kOptionThreshold));  // a button that could not be read is the threshold
}

TEST(ScrollPositionTest, StepsStayInsideTheRangeAndThumbsAreSigned) {
    ParameterRange threshold{250, 0, 255, 1, 5, 128, true};
    EXPECT_EQ(ScrollPosition(scroll::kLineUp, 0, 128, threshold), 127);
    EXPECT_EQ(ScrollPosition(scroll::kPageUp, 0, 3, threshold), 0);
    EXPECT_EQ(ScrollPosition(scroll::kLineDown, 0, 255, threshold), 255);
    EXPECT_EQ(ScrollPosition(scroll::kPageDown, 0, 252, threshold), 255);
    EXPECT_EQ(ScrollPosition(scroll::kTop, 0, 100, threshold), 0);
    EXPECT_EQ(ScrollPosition(scroll::kBottom, 0, 100, threshold), 255);
    EXPECT_EQ(ScrollPosition(scroll::kThumbTrack, 200, 100, threshold), 200);
    ParameterRange focus{775, -20, 60, 1, 5, 0, true};
    EXPECT_EQ(ScrollPosition(scroll::kThumbPosition, -15, 0, focus), -15);
    EXPECT_EQ(ScrollPosition(scroll::kEndScroll, 0, 42, threshold), 42);
}

TEST(ScrollPositionTest, TheFocusFieldShowsTenths) {
    EXPECT_EQ(ParameterValueText(251, -7), "-7");
    EXPECT_EQ(ParameterValueText(776, -15), "-1.5");
    EXPECT_EQ(ParameterValueText(776, 5), " 0.5");
}

TEST(HintStringForTest, TheTrackedControlsInOrderThenOurOwnControls) {
    EXPECT_EQ(HintStringFor(111), 301);
    EXPECT_EQ(HintStringFor(953), 319);
    EXPECT_EQ(HintStringFor(373), 329);
    EXPECT_EQ(HintStringFor(733), 333);
    EXPECT_EQ(HintStringFor(4242), kHintReady);
}

TEST(BusyControlsForTest, ScanAllNeedsTwoMarqueesAndNoFeeder) {
    EXPECT_FALSE(BusyControlsFor(1, 2, 0, 2).commands);
    EXPECT_FALSE(BusyControlsFor(1, 2, 0, 2).scanAll);
    EXPECT_TRUE(BusyControlsFor(0, 1, 0, 2).commands);
    EXPECT_FALSE(BusyControlsFor(0, 1, 0, 2).scanAll);
    EXPECT_TRUE(BusyControlsFor(0, 2, 0, 2).scanAll);
    EXPECT_FALSE(BusyControlsFor(0, 2, 1, 0).scanAll);  // the feeder scans one sheet
    EXPECT_TRUE(BusyControlsFor(0, 2, 1, 1).scanAll);
}

}  // namespace
}  // namespace korva
