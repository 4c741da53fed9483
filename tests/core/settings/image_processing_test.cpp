#include "core/settings/image_processing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace korva {
namespace {

TEST(ImageProcessingTest, RangesAndAvailabilityFollowTheDeviceLevel) {
    const ParameterRange narrow = ImageProcessingParameter(iproc::kExposure, 1, 0.0f);
    const ParameterRange wide = ImageProcessingParameter(iproc::kExposure, 2, 0.0f);
    EXPECT_EQ(std::tuple(narrow.available, narrow.minimum, narrow.maximum, wide.minimum, wide.maximum),
              std::tuple(true, -3, 3, -10, 20));
    const struct {
        int32_t parameter, level;
        bool available;
    } cases[] = {{iproc::kGamma, 1, false},
                 {iproc::kGamma, 3, true},
                 {iproc::kSaturation, 4, false},
                 {iproc::kSaturation, 5, true},
                 {10, 5, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(ImageProcessingParameter(c.parameter, c.level, 0.0f).available, c.available)
            << c.parameter << " at " << c.level;
    }
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
