// The small rules of the main window: line-art options, scroll positions, hints and the busy state.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "core/mainwin/busy_controls.h"
#include "core/mainwin/hint_table.h"
#include "core/mainwin/ocr_options.h"
#include "core/mainwin/scroll_position.h"

namespace korva {
namespace {

TEST(OcrOptionForTest, AButtonThatCouldNotBeReadIsTheThreshold) {
    const auto fields = [](int32_t id) {
        const OcrOption o = OcrOptionFor(id);
        return std::tuple(o.halftone, o.textOption, o.thresholdEnabled, o.aas, o.tet);
    };
    EXPECT_EQ(fields(kOptionAas), std::tuple(1, 1, false, true, false));
    EXPECT_EQ(fields(0), std::tuple(0, 2, true, false, false));
}

TEST(ScrollPositionTest, StepsStayInsideTheRangeAndThumbsAreSigned) {
    const ParameterRange threshold{250, 0, 255, 1, 5, 128, true};
    const struct {
        int code;
        int16_t thumb;
        int32_t position, expected;
    } steps[] = {{scroll::kLineUp, 0, 128, 127},       {scroll::kPageUp, 0, 3, 0},     {scroll::kLineDown, 0, 255, 255},
                 {scroll::kPageDown, 0, 252, 255},     {scroll::kTop, 0, 100, 0},      {scroll::kBottom, 0, 100, 255},
                 {scroll::kThumbTrack, 200, 100, 200}, {scroll::kEndScroll, 0, 42, 42}};
    for (const auto& s : steps) {
        EXPECT_EQ(ScrollPosition(s.code, s.thumb, s.position, threshold), s.expected) << s.code;
    }
    EXPECT_EQ(ScrollPosition(scroll::kThumbPosition, -15, 0, {775, -20, 60, 1, 5, 0, true}), -15);
    // The focus field shows tenths.
    EXPECT_EQ(ParameterValueText(251, -7), "-7");
    EXPECT_EQ(ParameterValueText(776, -15), "-1.5");
    EXPECT_EQ(ParameterValueText(776, 5), " 0.5");
}

TEST(HintStringForTest, TrackedControlsCountFromTheReadyHintThenOurOwnControls) {
    EXPECT_EQ(HintStringFor(111), kHintReady + 1);
    EXPECT_EQ(HintStringFor(373), kHintReady + 29);
    EXPECT_EQ(HintStringFor(733), 333);
    EXPECT_EQ(HintStringFor(4242), kHintReady);
}

TEST(BusyControlsForTest, ScanAllNeedsTwoMarqueesAndNoFeeder) {
    const auto both = [](int32_t busy, int32_t marquees, int32_t source, int32_t unit) {
        const BusyControls c = BusyControlsFor(busy, marquees, source, unit);
        return std::pair(c.commands, c.scanAll);
    };
    EXPECT_EQ(both(1, 2, 0, 2), std::pair(false, false));
    EXPECT_EQ(both(0, 1, 0, 2), std::pair(true, false));
    EXPECT_EQ(both(0, 2, 0, 2), std::pair(true, true));
    EXPECT_EQ(both(0, 2, 1, 0), std::pair(true, false));  // the feeder scans one sheet
    EXPECT_EQ(both(0, 2, 1, 1), std::pair(true, true));
}

}  // namespace
}  // namespace korva
