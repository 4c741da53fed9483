// The generated profiles, read back with Little CMS: the scanner profile undoes the simulated scanner's
// colour response on the test chart's patches.
#include <gtest/gtest.h>
#include <lcms2.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <utility>

#include "tools/datasource/scanner_response.h"
#include "tools/datasource/test_document.h"

namespace {

using Rgb = std::array<uint8_t, 3>;

// The colour patches of the simulator's test chart, true sRGB values (red, green, blue).
constexpr Rgb kPatches[] = {{220, 40, 40},  {40, 190, 40}, {30, 60, 200}, {40, 220, 220},  {200, 40, 200},
                            {230, 220, 40}, {20, 20, 20},  {90, 90, 90},  {160, 160, 160}, {250, 250, 250}};

// What the simulated scanner delivers for a true colour.
Rgb Scanned(const Rgb& truth) {
    korva::sim::ScannerResponse response(255);
    const korva::sim::DeviceRgb device = response.Sample({truth[2], truth[1], truth[0]});
    return {static_cast<uint8_t>(device[0]), static_cast<uint8_t>(device[1]), static_cast<uint8_t>(device[2])};
}

using Profile = std::unique_ptr<void, decltype(&cmsCloseProfile)>;

Profile Generated(const char* name) {
    return {cmsOpenProfileFromFile((std::string(KORVA_PROFILE_DIR) + "/" + name).c_str(), "r"), cmsCloseProfile};
}

// Colours of a profile's device values as Lab; not valid when the profile could not be read.
struct ProfileToLab {
    explicit ProfileToLab(Profile p)
        : profile(std::move(p)),
          lab(cmsCreateLab4Profile(nullptr), cmsCloseProfile),
          transform(profile && lab ? cmsCreateTransform(profile.get(),
                                                        TYPE_RGB_8,
                                                        lab.get(),
                                                        TYPE_Lab_DBL,
                                                        INTENT_RELATIVE_COLORIMETRIC,
                                                        0)
                                   : nullptr,
                    cmsDeleteTransform) {}
    bool Valid() const { return transform != nullptr; }
    cmsCIELab operator()(const Rgb& rgb) const {
        cmsCIELab out{};
        cmsDoTransform(transform.get(), rgb.data(), &out, 1);
        return out;
    }

    Profile profile;
    Profile lab;
    std::unique_ptr<void, decltype(&cmsDeleteTransform)> transform;
};

TEST(ScannerProfileTest, TheSimulatedScannerProfileBringsThePatchesBackToTheirTrueColours) {
    const ProfileToLab truth(Profile(cmsCreate_sRGBProfile(), cmsCloseProfile));
    const ProfileToLab simulated(Generated("qa4100r.icm"));
    const ProfileToLab plain(Generated("mrd512r.icm"));
    ASSERT_TRUE(truth.Valid() && simulated.Valid() && plain.Valid());
    double worstUnmatched = 0;
    for (const Rgb& patch : kPatches) {
        cmsCIELab expected = truth(patch);
        const Rgb device = Scanned(patch);
        cmsCIELab matched = simulated(device);
        EXPECT_LT(cmsDeltaE(&expected, &matched), 2.0) << int{patch[0]} << "," << int{patch[1]} << "," << int{patch[2]};
        // The other models' profile reads the device values as sRGB.
        cmsCIELab asSrgb = plain(patch);
        EXPECT_LT(cmsDeltaE(&expected, &asSrgb), 1.0);
        cmsCIELab unmatched = truth(device);
        worstUnmatched = std::max(worstUnmatched, cmsDeltaE(&expected, &unmatched));
    }
    // Without matching the response is plainly visible, so the profile has something to correct.
    EXPECT_GT(worstUnmatched, 10.0);
}

TEST(ScannerProfileTest, TheDisplayProfileIsGamma22WithAD65White) {
    const Profile display = Generated("mon17k65.icm");
    const Profile srgb(cmsCreate_sRGBProfile(), cmsCloseProfile);
    ASSERT_TRUE(display && srgb);
    EXPECT_EQ(cmsGetDeviceClass(display.get()), cmsSigDisplayClass);
    const auto* curve = static_cast<const cmsToneCurve*>(cmsReadTag(display.get(), cmsSigGreenTRCTag));
    ASSERT_NE(curve, nullptr);
    EXPECT_NEAR(cmsEstimateGamma(curve, 0.01), 2.2, 0.01);
    // Its white is sRGB's D65: both carry the same adaptation from it to D50.
    const auto* adaptation =
        static_cast<const cmsFloat64Number*>(cmsReadTag(display.get(), cmsSigChromaticAdaptationTag));
    const auto* srgbAdaptation =
        static_cast<const cmsFloat64Number*>(cmsReadTag(srgb.get(), cmsSigChromaticAdaptationTag));
    ASSERT_TRUE(adaptation && srgbAdaptation);
    for (int i = 0; i < 9; ++i) {
        EXPECT_NEAR(adaptation[i], srgbAdaptation[i], 1e-3);
    }
}

}  // namespace
