// The small rules of the main window: line-art options, scroll positions, hints and the busy state.
#include <gtest/gtest.h>

#include "core/mainwin/busy_controls.h"
#include "core/mainwin/hint_table.h"
#include "core/mainwin/ocr_options.h"
#include "core/mainwin/scroll_position.h"

namespace korva {
namespace {

TEST(OcrOptionForTest, EachOptionSetsHalftoneTextOptionAndFlags) {
    const OcrOption aas = OcrOptionFor(kOptionAas);
    EXPECT_EQ(aas.halftone, 1);
    EXPECT_EQ(aas.textOption, 1);
    EXPECT_TRUE(aas.aas);
    EXPECT_FALSE(aas.tet);
    EXPECT_FALSE(aas.thresholdEnabled);

    const OcrOption tet = OcrOptionFor(kOptionTet);
    EXPECT_EQ(tet.halftone, 0);
    EXPECT_EQ(tet.textOption, 0);
    EXPECT_TRUE(tet.tet);
    EXPECT_FALSE(tet.aas);

    const OcrOption threshold = OcrOptionFor(kOptionThreshold);
    EXPECT_EQ(threshold.textOption, 2);
    EXPECT_TRUE(threshold.thresholdEnabled);
    EXPECT_FALSE(threshold.aas || threshold.tet);
    EXPECT_EQ(OcrOptionFor(0).textOption, 2);  // a button that could not be read is the threshold
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
    EXPECT_EQ(HintStringFor(372), 306);
    EXPECT_EQ(HintStringFor(953), 319);
    EXPECT_EQ(HintStringFor(180), 323);
    EXPECT_EQ(HintStringFor(1), 328);
    EXPECT_EQ(HintStringFor(373), 329);
    EXPECT_EQ(HintStringFor(733), 333);
    EXPECT_EQ(HintStringFor(975), 337);
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
