#include "core/settings/image_processing_reset.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(s.iproc[iproc::kThreshold], 77);
    EXPECT_EQ(s.iprocSaved[iproc::kThreshold], 76);
    EXPECT_EQ(s.iproc[iproc::kShadow], 8);
    EXPECT_EQ(invert, 1);

    ResetImageProcessing(s, invert, {});
    EXPECT_EQ(s.iproc[iproc::kThreshold], 128);
    EXPECT_EQ(s.iproc[iproc::kFocus], 15);  // from the focus position
    EXPECT_EQ(s.iprocSaved, s.iproc);
    EXPECT_EQ(invert, 0);
    EXPECT_EQ(s.toneMaps.current, 0);
    EXPECT_EQ(s.channelBalance[1], 0.0f);
    EXPECT_EQ(s.channelGamma[0], 2.0f);  // the per-channel gains stay
}

TEST(IcmBoxForTest, OldNtSwitchesColourMatchingOffAndOnlyTheColourTypeUsesIt) {
    const IcmBoxState nt4 = IcmBoxFor(OsVersion{OsVersion::kPlatformNt, 4, 0}, 1, 1);
    EXPECT_TRUE(nt4.switchOff);
    EXPECT_FALSE(nt4.enabled);

    const IcmBoxState colour = IcmBoxFor(OsVersion{OsVersion::kPlatformNt, 5, 1}, 1, 1);
    EXPECT_TRUE(colour.enabled && colour.checked && colour.srgbMode);
    EXPECT_FALSE(colour.switchOff);

    const IcmBoxState deepColour = IcmBoxFor(OsVersion{OsVersion::kPlatformNt, 5, 1}, 0, 1);
    EXPECT_FALSE(deepColour.enabled || deepColour.checked);

    const IcmBoxState win95 = IcmBoxFor(OsVersion{OsVersion::kPlatform9x, 4, 0}, 1, 0);
    EXPECT_TRUE(win95.enabled);
    EXPECT_FALSE(win95.checked || win95.srgbMode);
}

}  // namespace
}  // namespace korva
