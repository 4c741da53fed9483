// Writes the colour profiles that the driver installs into the Windows directory's "\system\color\":
//
//   qa4100r.icm   the simulated scanner: device RGB as scanner_colour_response.h renders it
//   mrd512r.icm   every other model: a scanner whose raw colours are sRGB
//   mon17k65.icm  the display: sRGB primaries, D65 white, gamma 2.2
//
// Usage: make_profiles <output folder>. Runs on the build machine, so it is plain C++ with Little CMS.
#include <lcms2.h>

#include <cstdio>
#include <string>

#include "tools/common/scanner_colour_response.h"

namespace {

using Matrix = double[3][3];

// The inverse of a 3 x 3 matrix by its adjugate.
void Invert(const Matrix& m, Matrix& out) {
    const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                       m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                       m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const int r0 = (j + 1) % 3;
            const int r1 = (j + 2) % 3;
            const int c0 = (i + 1) % 3;
            const int c1 = (i + 2) % 3;
            out[i][j] = (m[r0][c0] * m[r1][c1] - m[r0][c1] * m[r1][c0]) / det;
        }
    }
}

bool Describe(cmsHPROFILE profile, const char* description) {
    cmsMLU* text = cmsMLUalloc(nullptr, 1);
    cmsMLU* copyright = cmsMLUalloc(nullptr, 1);
    const bool ok = text && copyright && cmsMLUsetASCII(text, "en", "US", description) &&
                    cmsMLUsetASCII(copyright, "en", "US", "No copyright, use freely") &&
                    cmsWriteTag(profile, cmsSigProfileDescriptionTag, text) &&
                    cmsWriteTag(profile, cmsSigCopyrightTag, copyright);
    cmsMLUfree(text);
    cmsMLUfree(copyright);
    return ok;
}

bool Save(cmsHPROFILE profile, const char* description, const std::string& path) {
    cmsSetProfileVersion(profile, 2.1);
    const bool ok = Describe(profile, description) && cmsSaveProfileToFile(profile, path.c_str());
    cmsCloseProfile(profile);
    if (!ok) {
        std::fprintf(stderr, "make_profiles: cannot write %s\n", path.c_str());
    }
    return ok;
}

// A scanner profile from device RGB to XYZ (D50): each channel through `curve`, then the columns of
// `colorants` (the XYZ of full red, green and blue). Device white lands on D50 when the columns sum to it.
cmsHPROFILE ScannerProfile(const Matrix& colorants, cmsToneCurve* curve) {
    cmsHPROFILE profile = cmsCreateProfilePlaceholder(nullptr);
    if (!profile) {
        return nullptr;
    }
    cmsSetDeviceClass(profile, cmsSigInputClass);
    cmsSetColorSpace(profile, cmsSigRgbData);
    cmsSetPCS(profile, cmsSigXYZData);
    cmsSetHeaderRenderingIntent(profile, INTENT_RELATIVE_COLORIMETRIC);
    const cmsTagSignature colorantTags[3] = {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag};
    const cmsTagSignature curveTags[3] = {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag};
    bool ok = cmsWriteTag(profile, cmsSigMediaWhitePointTag, cmsD50_XYZ());
    for (int c = 0; c < 3; ++c) {
        cmsCIEXYZ xyz{colorants[0][c], colorants[1][c], colorants[2][c]};
        ok = ok && cmsWriteTag(profile, colorantTags[c], &xyz) && cmsWriteTag(profile, curveTags[c], curve);
    }
    if (!ok) {
        cmsCloseProfile(profile);
        return nullptr;
    }
    return profile;
}

// The XYZ (D50) of sRGB's red, green and blue as columns, as Little CMS adapts them from D65.
bool SrgbColorants(Matrix& out) {
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    const cmsTagSignature tags[3] = {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag};
    bool ok = srgb != nullptr;
    for (int c = 0; ok && c < 3; ++c) {
        const auto* xyz = static_cast<const cmsCIEXYZ*>(cmsReadTag(srgb, tags[c]));
        ok = xyz != nullptr;
        if (ok) {
            out[0][c] = xyz->X;
            out[1][c] = xyz->Y;
            out[2][c] = xyz->Z;
        }
    }
    if (srgb) {
        cmsCloseProfile(srgb);
    }
    return ok;
}

bool WriteScannerProfiles(const std::string& folder) {
    Matrix srgb{};
    if (!SrgbColorants(srgb)) {
        return false;
    }
    // The device's linear light is kCrossTalk x linear sRGB, so linear sRGB = kCrossTalk^-1 x device
    // linear, and XYZ = sRGB colorants x kCrossTalk^-1 x device linear.
    Matrix inverse{};
    Invert(korva::tools::kCrossTalk, inverse);
    Matrix colorants{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            for (int k = 0; k < 3; ++k) {
                colorants[i][j] += srgb[i][k] * inverse[k][j];
            }
        }
    }
    cmsToneCurve* power = cmsBuildGamma(nullptr, korva::tools::kEncodingGamma);
    // The sRGB curve: ((x + 0.055) / 1.055) ^ 2.4 above 0.04045, x / 12.92 below.
    const double srgbParameters[5] = {2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045};
    cmsToneCurve* srgbCurve = cmsBuildParametricToneCurve(nullptr, 4, srgbParameters);
    cmsHPROFILE simulated = power ? ScannerProfile(colorants, power) : nullptr;
    cmsHPROFILE plain = srgbCurve ? ScannerProfile(srgb, srgbCurve) : nullptr;
    bool ok = simulated && plain;
    ok = simulated && Save(simulated, "Korva simulated scanner", folder + "/qa4100r.icm") && ok;
    ok = plain && Save(plain, "Korva scanner, sRGB response", folder + "/mrd512r.icm") && ok;
    if (power) {
        cmsFreeToneCurve(power);
    }
    if (srgbCurve) {
        cmsFreeToneCurve(srgbCurve);
    }
    return ok;
}

bool WriteDisplayProfile(const std::string& folder) {
    const cmsCIExyY white{0.3127, 0.3290, 1.0};
    const cmsCIExyYTRIPLE primaries{{0.64, 0.33, 1.0}, {0.30, 0.60, 1.0}, {0.15, 0.06, 1.0}};
    cmsToneCurve* gamma = cmsBuildGamma(nullptr, 2.2);
    if (!gamma) {
        return false;
    }
    cmsToneCurve* curves[3] = {gamma, gamma, gamma};
    cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsFreeToneCurve(gamma);
    return profile && Save(profile, "Korva display, D65, gamma 2.2", folder + "/mon17k65.icm");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_profiles <output folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool scanners = WriteScannerProfiles(folder);
    const bool display = WriteDisplayProfile(folder);
    return scanners && display ? 0 : 1;
}
