// What the adjustment windows take from typed values, and which commands close them.
#include "core/mainwin/tool_windows.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

TEST(TypedParameterValueTest, SignedNumbersAreClampedAndAnythingElseIsRefused) {
    const ParameterRange exposure = ImageProcessingParameter(iproc::kExposure, 6, 0.0f);  // -10 .. 20
    EXPECT_EQ(TypedParameterValue("10", exposure), 10);
    EXPECT_EQ(TypedParameterValue(" -7 ", exposure), -7);
    EXPECT_EQ(TypedParameterValue("+3", exposure), 3);
    EXPECT_EQ(TypedParameterValue("25", exposure), 20);
    EXPECT_EQ(TypedParameterValue("-99999999999999999999", exposure), -10);
    for (const char* text : {"", "abc", "1.5", "12x", "-", "--1"}) {
        EXPECT_EQ(TypedParameterValue(text, exposure), std::nullopt) << text;
    }
}

TEST(ClosesToolWindowsTest, ClicksAndChoicesThatChangeWhatTheWindowsShowCloseThem) {
    EXPECT_TRUE(ClosesToolWindows(111, 1));  // a new choice in a list
    EXPECT_TRUE(ClosesToolWindows(1019, 0));
    EXPECT_FALSE(ClosesToolWindows(111, 4));  // the list lost the focus: nothing was chosen
    EXPECT_FALSE(ClosesToolWindows(941, 0));
}

TEST(LinkExposureAndHighlightTest, EachFollowsTheOtherWithinItsRange) {
    std::array<int32_t, kImageProcessingParameters> values{};
    values[iproc::kExposure] = 10;
    LinkExposureAndHighlight(values, iproc::kExposure, 6, 0.0f);
    EXPECT_EQ(values[iproc::kHighlight], 122);  // 255 x 2^(-1.05772), rounded

    values[iproc::kHighlight] = 245;  // density 0
    values[iproc::kShadow] = 99;
    LinkExposureAndHighlight(values, iproc::kHighlight, 6, 0.0f);
    EXPECT_EQ(values[iproc::kExposure], 0);
    EXPECT_EQ(values[iproc::kShadow], 60);
    EXPECT_EQ(values[iproc::kGamma], 50);  // raised to its minimum

    values[iproc::kHighlight] = 61;  // two stops, more than level 1 allows
    LinkExposureAndHighlight(values, iproc::kHighlight, 1, 0.0f);
    EXPECT_EQ(values[iproc::kExposure], 3);
}

}  // namespace
}  // namespace korva
