#include "core/tone/tone_state.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

TEST(ToneStateTest, ExposureParamsCarryTheStateInFloatingPoint) {
    ToneState state;
    state.exposureTenths = -5;
    state.gammaPercent = 180;
    state.highlightLevel = 300;
    state.shadowLevel = 12;
    state.grayBalancePercent = 40;
    state.channelGamma = {-0.5f, 1.0f, 2.0f};
    const ExposureParams params = ExposureParamsFromState(state);
    EXPECT_EQ(params.exposure, -0.5f);
    EXPECT_EQ(params.gamma, 1.8f);
    EXPECT_EQ(params.highlight, 300);
    EXPECT_EQ(params.shadow, 12);
    EXPECT_EQ(params.grayBalancePercent, 40);
    EXPECT_EQ(params.channelGamma, state.channelGamma);
}

TEST(ToneStateTest, ExposureAndHighlightFollowEachOtherWithinTheSliderRanges) {
    ToneState state;
    state.exposureTenths = 20;
    LinkHighlightToExposure(state, 2);
    EXPECT_EQ(state.highlightLevel, 61);
    EXPECT_EQ(state.exposureTenths, 20);

    // Small devices allow only -3..3 tenths.
    LinkHighlightToExposure(state, 1);
    EXPECT_EQ(state.highlightLevel, 61);
    EXPECT_EQ(state.exposureTenths, 3);

    state.highlightLevel = 490;
    LinkExposureToHighlight(state, 2);
    EXPECT_EQ(state.exposureTenths, -10);
    state.highlightLevel = 123;
    LinkExposureToHighlight(state, 2);
    EXPECT_EQ(state.exposureTenths, 9);  // 0.994 stops, truncated

    state.gammaPercent = 10;
    state.shadowLevel = 90;
    state.highlightLevel = 20;
    ClampToneSliders(state, 0);
    EXPECT_EQ(state.gammaPercent, 50);
    EXPECT_EQ(state.shadowLevel, 60);
    EXPECT_EQ(state.highlightLevel, 61);
    state.gammaPercent = 900;
    state.shadowLevel = -4;
    state.highlightLevel = 999;
    state.exposureTenths = -30;
    ClampToneSliders(state, 2);
    EXPECT_EQ(state.gammaPercent, 500);
    EXPECT_EQ(state.shadowLevel, 0);
    EXPECT_EQ(state.highlightLevel, 490);
    EXPECT_EQ(state.exposureTenths, -10);
}

}  // namespace
}  // namespace korva
