#include "core/settings/image_processing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korva {
namespace {

TEST(ImageProcessingTest, RangesAndAvailabilityFollowTheDeviceLevel) {
    const ParameterRange narrow = ImageProcessingParameter(iproc::kExposure, 1, 0.0f);
    EXPECT_TRUE(narrow.available);
    EXPECT_EQ(narrow.minimum, -3);
    EXPECT_EQ(narrow.maximum, 3);
    const ParameterRange wide = ImageProcessingParameter(iproc::kExposure, 2, 0.0f);
    EXPECT_EQ(wide.minimum, -10);
    EXPECT_EQ(wide.maximum, 20);
    EXPECT_FALSE(ImageProcessingParameter(iproc::kGamma, 1, 0.0f).available);
    EXPECT_TRUE(ImageProcessingParameter(iproc::kGamma, 3, 0.0f).available);
    EXPECT_FALSE(ImageProcessingParameter(iproc::kSaturation, 4, 0.0f).available);
    EXPECT_TRUE(ImageProcessingParameter(iproc::kSaturation, 5, 0.0f).available);
    EXPECT_FALSE(ImageProcessingParameter(10, 5, 0.0f).available);
    EXPECT_EQ(ImageProcessingParameter(iproc::kFocus, 5, -1.25f).defaultValue, -12);
}

TEST(ImageProcessingTest, TruncationSaturatesInsteadOfOverflowing) {
    EXPECT_EQ(TruncateToInt32(-2.9), -2);
    EXPECT_EQ(TruncateToInt32(1e12), INT32_MAX);
    EXPECT_EQ(TruncateToInt32(-INFINITY), INT32_MIN);
    EXPECT_EQ(TruncateToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace korva
