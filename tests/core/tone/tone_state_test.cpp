#include "core/tone/tone_state.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

TEST(ToneStateTest, ExposureAndHighlightFollowEachOtherWithinTheSliderRanges) {
    ToneState state;
    state.exposureTenths = 20;
    LinkHighlightToExposure(state, 2);
    EXPECT_EQ(state.highlightLevel, 61);
    EXPECT_EQ(state.exposureTenths, 20);
    // Devices below capability level 2 allow only -3..3 tenths.
    LinkHighlightToExposure(state, 1);
    EXPECT_EQ(state.exposureTenths, 3);

    state.highlightLevel = 123;
    LinkExposureToHighlight(state, 2);
    EXPECT_EQ(state.exposureTenths, 9);  // 0.994 stops, truncated
    state.highlightLevel = 999;
    state.gammaPercent = 10;
    state.shadowLevel = 90;
    LinkExposureToHighlight(state, 2);
    EXPECT_EQ(state.exposureTenths, -10);
    EXPECT_EQ(state.highlightLevel, 490);
    EXPECT_EQ(state.gammaPercent, 50);
    EXPECT_EQ(state.shadowLevel, 60);
}

}  // namespace
}  // namespace korva
