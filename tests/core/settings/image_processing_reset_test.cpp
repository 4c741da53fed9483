#include "core/settings/image_processing_reset.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/settings/icm_option.h"

namespace korva {
namespace {

TEST(ResetImageProcessingTest, ParametersTakeTheirDefaultsAndTheInvertFlagGoesOffUnlessKept) {
    ScanSettings s;
    s.focusPosition = 1.5f;
    s.iproc.fill(77);
    s.iprocSaved.fill(76);
    s.toneMaps.current = 3;
    s.channelGamma = {2.0f, 2.0f, 2.0f};
    s.channelBalance = {0.5f, 0.5f, 0.5f};
    int32_t invert = 1;
    ResetImageProcessing(s, invert, {.threshold = true, .invert = true});
    EXPECT_EQ(std::tuple(s.iproc[iproc::kThreshold], s.iprocSaved[iproc::kThreshold], s.iproc[iproc::kShadow], invert),
              std::tuple(77, 76, 8, 1));

    ResetImageProcessing(s, invert, {});
    // The focus parameter follows the focus position; the per-channel gains stay.
    EXPECT_EQ(std::tuple(s.iproc[iproc::kThreshold], s.iproc[iproc::kFocus], invert, s.toneMaps.current,
                         s.channelBalance[1], s.channelGamma[0]),
              std::tuple(128, 15, 0, 0, 0.0f, 2.0f));
    EXPECT_EQ(s.iprocSaved, s.iproc);
}

TEST(IcmBoxForTest, OldNtSwitchesColourMatchingOffAndOnlyTheColourTypeUsesIt) {
    // Enabled, checked, switched off, sRGB mode.
    const auto box = [](int platform, int major, int32_t imageType, int32_t windows95Icm) {
        const IcmBoxState s = IcmBoxFor(OsVersion{platform, major, 0}, imageType, windows95Icm);
        return std::tuple(s.enabled, s.checked, s.switchOff, s.srgbMode);
    };
    EXPECT_EQ(box(OsVersion::kPlatformNt, 4, 1, 1), std::tuple(false, false, true, false));
    EXPECT_EQ(box(OsVersion::kPlatformNt, 5, 1, 1), std::tuple(true, true, false, true));
    EXPECT_EQ(box(OsVersion::kPlatformNt, 5, 0, 1), std::tuple(false, false, false, true));
    EXPECT_EQ(box(OsVersion::kPlatform9x, 4, 1, 0), std::tuple(true, false, false, false));
}

}  // namespace
}  // namespace korva
