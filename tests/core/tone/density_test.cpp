#include "core/tone/density.h"

#include <gtest/gtest.h>

#include <utility>

#include "core/tone/tone_state.h"

namespace korva {
namespace {

constexpr std::array<float, 3> kNeutralGamma = {1.0f, 1.0f, 1.0f};
constexpr std::array<float, 3> kNeutralOffset = {0.0f, 0.0f, 0.0f};

TEST(DensityTest, DensityAndHighlightConvertWithinTheirRanges) {
    // 1.0 gives 122.4996, which must not be lifted to 123.
    const std::pair<float, int32_t> highlights[] = {{0.0f, 245}, {2.0f, 61}, {-1.0f, 490},
                                                    {1.0f, 122}, {3.0f, 61}, {-2.0f, 490}};
    for (const auto& [density, highlight] : highlights) {
        EXPECT_EQ(DensityToHighlight(density), highlight) << density;
    }
    EXPECT_NEAR(HighlightToDensity(245), 0.0f, 1e-4);
    EXPECT_NEAR(HighlightToDensity(123), 0.994f, 1e-3);
    EXPECT_EQ(HighlightToDensity(30), 2.0f);
    EXPECT_EQ(HighlightToDensity(0), 2.0f);
    EXPECT_EQ(HighlightToDensity(600), -1.0f);
}

TEST(DensityTest, ExposureAndHighlightFollowEachOtherWithinTheSliderRanges) {
    ToneState state;
    state.exposureTenths = 20;
    LinkHighlightToExposure(state, 2);
    EXPECT_EQ(state.highlightLevel, 61);
    EXPECT_EQ(state.exposureTenths, 20);
    LinkHighlightToExposure(state, 1);  // below capability level 2 only -3..3 tenths
    EXPECT_EQ(state.exposureTenths, 3);

    state.highlightLevel = 123;
    LinkExposureToHighlight(state, 2);
    EXPECT_EQ(state.exposureTenths, 9);  // 0.994 stops, truncated
    state = ToneState{.gammaPercent = 10, .highlightLevel = 999, .shadowLevel = 90};
    LinkExposureToHighlight(state, 2);
    EXPECT_EQ(state.exposureTenths, -10);
    EXPECT_EQ(state.highlightLevel, 490);
    EXPECT_EQ(state.gammaPercent, 50);
    EXPECT_EQ(state.shadowLevel, 60);
}

TEST(DensityTest, SampledHighlightAndShadowFollowTheGreenDensityLine) {
    // The short base-2 constant puts 245 just below itself; the level is truncated, not rounded.
    EXPECT_EQ(SampleToHighlight(245, kNeutralGamma, kNeutralOffset).highlight, 244);

    std::array<float, 3> offset = {5.0f, -1.0f, 5.0f};
    SampledHighlight sampled = SampleToHighlight(255, kNeutralGamma, offset);
    EXPECT_EQ(sampled.highlight, 127);  // 127.5
    EXPECT_NEAR(sampled.density, 0.94228f, 1e-6);

    sampled = SampleToHighlight(0, kNeutralGamma, kNeutralOffset);
    EXPECT_EQ(sampled.highlight, 61);
    EXPECT_EQ(sampled.density, 2.0f);

    offset[1] = 1.0f;
    sampled = SampleToHighlight(255, kNeutralGamma, offset);
    EXPECT_EQ(sampled.highlight, 490);
    EXPECT_EQ(sampled.density, -1.0f);

    offset[1] = -3.0f;
    EXPECT_EQ(SampleToShadow(255, kNeutralGamma, offset), 31);  // 31.875
    EXPECT_EQ(SampleToShadow(255, kNeutralGamma, kNeutralOffset), 60);
    EXPECT_EQ(SampleToShadow(0, kNeutralGamma, kNeutralOffset), 0);
    // A steeper green line (gamma 0.5) doubles the density: 255 * (100 / 255)^2 = 39.2.
    const std::array<float, 3> steep = {1.0f, 0.5f, 1.0f};
    EXPECT_EQ(SampleToShadow(100, steep, kNeutralOffset), 39);
}

TEST(DensityTest, GrayBalanceIsEachChannelsDensityMinusGreens) {
    std::array<float, 3> balance = {9.0f, 9.0f, 9.0f};
    ASSERT_TRUE(GrayBalanceFromSample(255, 255, 255, kNeutralGamma, {0.75f, 0.5f, -0.25f}, balance));
    EXPECT_FLOAT_EQ(balance[0], 0.25f);
    EXPECT_EQ(balance[1], 0.0f);
    EXPECT_FLOAT_EQ(balance[2], -0.75f);

    const std::array<float, 3> before = balance;
    EXPECT_FALSE(GrayBalanceFromSample(10, 0, 10, kNeutralGamma, kNeutralOffset, balance));
    EXPECT_FALSE(GrayBalanceFromSample(0, 10, 10, kNeutralGamma, kNeutralOffset, balance));
    EXPECT_EQ(balance, before);
}

}  // namespace
}  // namespace korva
