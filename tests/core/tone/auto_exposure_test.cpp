// Exposure from a picture's histograms, of a whole preview or of a selection.
#include <gtest/gtest.h>

#include <vector>

#include "core/preview/packed_dib.h"
#include "core/tone/auto_exposure.h"
#include "core/tone/selection_exposure.h"
#include "imaging/test_images.h"

namespace korva {
namespace {

// A bottom-up 24-bit picture: runs of (count, red, green, blue) fill the rectangle (1, 1)..(width - 2,
// height - 2) row by row from the top, the one-pixel frame around it is white.
struct Picture {
    Picture(uint16_t w, uint16_t h, const std::vector<std::array<int, 4>>& runs) {
        std::vector<test::Bgr> inside;
        for (const auto& [count, red, green, blue] : runs) {
            inside.insert(inside.end(), count,
                          {static_cast<uint8_t>(blue), static_cast<uint8_t>(green), static_cast<uint8_t>(red)});
        }
        image = test::Image24(w, h, [&](int32_t x, int32_t bottomUp) {
            const int32_t y = h - 1 - bottomUp;
            const bool frame = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            return frame ? test::Grey(255) : inside[(y - 1) * (w - 2) + x - 1];
        });
    }
    ExposureImage Image() const {
        return {image.pixels.data(), static_cast<uint16_t>(image.width), static_cast<uint16_t>(image.height),
                image.rowBytes};
    }
    ExposureRect Inside() const { return {1, 1, image.width - 2, image.height - 2}; }

    RenderedImage image;
};

// Exposure, gamma, highlight and shadow.
std::array<int32_t, 4> Sliders(const ToneState& s) {
    return {s.exposureTenths, s.gammaPercent, s.highlightLevel, s.shadowLevel};
}

TEST(ExposureHistogramsTest, CountsTheInclusiveRectangleCountedFromTheTop) {
    const Picture picture(4, 4, {{2, 7, 8, 9}, {1, 10, 0, 0}, {1, 20, 0, 0}});
    ExposureHistograms top = BuildExposureHistograms(picture.Image(), {1, 1, 2, 1});
    EXPECT_EQ(top.pixelCount, 2u);
    EXPECT_EQ(top.counts[0][7], 2u);
    EXPECT_EQ(top.counts[1][8], 2u);
    EXPECT_EQ(top.counts[2][9], 2u);

    ExposureHistograms middle = BuildExposureHistograms(picture.Image(), {1, 2, 2, 2});
    EXPECT_EQ(middle.counts[0][10], 1u);
    EXPECT_EQ(middle.counts[0][20], 1u);

    // Parts outside the image count nothing; an empty rectangle counts nothing at all.
    EXPECT_EQ(BuildExposureHistograms(picture.Image(), {-5, -5, 10, 10}).pixelCount, 16u);
    EXPECT_EQ(BuildExposureHistograms(picture.Image(), {2, 0, 1, 2}).pixelCount, 0u);
}

TEST(ExposureHistogramsTest, ScansStopOnlyWhenTheFractionIsExceeded) {
    ExposureHistograms h;
    h.pixelCount = 200;
    h.counts[1][100] = 1;  // exactly 0.005 of the pixels
    h.counts[1][50] = 198;
    h.counts[1][190] = 1;
    EXPECT_EQ(ScanDown(h, 1, 189, 0.005f), 50);
    EXPECT_EQ(ScanUp(h, 1, 100, 190, 0.005f), 0);  // the end level is not scanned
    h.counts[1][100] = 2;
    EXPECT_EQ(ScanDown(h, 1, 189, 0.005f), 100);
    EXPECT_EQ(ScanUp(h, 1, 0, 190, 0.5f), 50);
    EXPECT_EQ(ScanUp(h, 1, 0, 100, 0.995f), 0);
    EXPECT_EQ(ScanUp(h, 1, 0, 101, 0.995f), 100);

    const std::pair<double, int> gammaLevels[] = {{150, 190}, {230, 241}, {255, 255}, {6.0, 32},
                                                  {2.0, 17},  {1.0, 12},  {0, 0}};
    for (const auto& [level, expected] : gammaLevels) {
        EXPECT_EQ(GammaLevel(level, 1.8f), expected) << level;
    }
}

// Green: white 200 (five brighter pixels are not enough), black 35, median 86; red white 220, blue 110.
// Range 165 gives F = 395 (above 384, with a correction of 1), L = 53, D = 79, q = 0.5293.
std::vector<std::array<int, 4>> PrintPixels(int brightGreens) {
    return {{5, 250, 250, 250},
            {10, 220, 200, 110},
            {brightGreens, 86, 245, 86},
            {965 - brightGreens + 10, 86, 86, 86},
            {10, 35, 35, 35}};
}

TEST(AutoExposureTest, PrintsAndPositiveFilmScanDownFromTheirOwnStartLevels) {
    // Ten green pixels at 245 lie above the positive-film start (241) but not above the reflective one:
    // range 210 then gives F = 310, L = 42, D = 62, q = 0.31 raised to the lower limit 0.5.
    const struct {
        int brightGreens;
        ExposureMode mode;
        float calibrationGamma;
        int highlight;
        float gamma, redBalance, blueBalance;
    } cases[] = {
        {0, ExposureMode::Reflective, 1.8f, 200, 1.889288f, 0.137504f, -0.862496f},      // log2(1.1), log2(0.55)
        {0, ExposureMode::Reflective, 0.9f, 200, 1.889288f / 2, 0.137504f, -0.862496f},  // the calibration scales
        {10, ExposureMode::PositiveFilm, 1.8f, 200, 1.889288f, 0.137504f, -0.862496f},
        {10, ExposureMode::Reflective, 1.8f, 245, 2.0f, -0.155278f, -1.155278f},  // log2(220 / 245), log2(110 / 245)
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.brightGreens << " " << c.calibrationGamma);
        const Picture picture(42, 27, PrintPixels(c.brightGreens));
        AutoExposureResult result;
        ASSERT_TRUE(AutoExposure(picture.Image(), picture.Inside(), c.mode, 1.8f, c.calibrationGamma, result));
        EXPECT_EQ(result.highlight, c.highlight);
        EXPECT_EQ(result.shadow, 35);
        EXPECT_NEAR(result.gamma, c.gamma, 1e-4);
        EXPECT_EQ(result.channelGamma, (std::array<float, 3>{1, 1, 1}));
        EXPECT_EQ(result.channelOffset, (std::array<float, 3>{0, 0, 0}));
        EXPECT_EQ(result.channelBalance[1], 0.0f);
        EXPECT_NEAR(result.channelBalance[0], c.redBalance, 1e-5);
        EXPECT_NEAR(result.channelBalance[2], c.blueBalance, 1e-5);
    }
}

TEST(AutoExposureTest, NegativeFilmFitsInvertedDensityLines) {
    // Red all at 10: white clamped to 25, no black level. Green white 150, black 50; blue 180 and 20.
    const Picture picture(42, 27, {{10, 10, 150, 180}, {980, 10, 100, 120}, {10, 10, 50, 20}});
    AutoExposureResult result;
    ASSERT_TRUE(AutoExposure(picture.Image(), picture.Inside(), ExposureMode::NegativeFilm, 1.8f, 1.8f, result));
    const float gammas[] = {-1.213642f, -0.340486f, -0.680972f};
    const float offsets[] = {-7.432697f, -6.920359f, -5.409916f};
    for (int c = 0; c < 3; ++c) {
        EXPECT_NEAR(result.channelGamma[c], gammas[c], 1e-5) << c;
        EXPECT_NEAR(result.channelOffset[c], offsets[c], 1e-5) << c;
    }
    EXPECT_EQ(result.highlight, 245);
    EXPECT_EQ(result.shadow, 8);
    EXPECT_EQ(result.channelBalance, (std::array<float, 3>{0, 0, 0}));
    // The median maps to 0, so D = -L = -8 and q is clamped to 0.5.
    EXPECT_NEAR(result.gamma, 2.0f, 1e-6);
}

TEST(AutoExposureTest, EmptyRectangleAndMissingCalibrationStillGiveUsableValues) {
    const Picture picture(42, 27, PrintPixels(0));
    AutoExposureResult result;
    ASSERT_TRUE(AutoExposure(picture.Image(), {10, 10, 9, 20}, ExposureMode::Reflective, 1.8f, 0.0f, result));
    EXPECT_EQ(result.highlight, 25);
    EXPECT_EQ(result.shadow, 0);
    EXPECT_EQ(result.gamma, 0.0f);
    EXPECT_EQ(result.channelBalance, (std::array<float, 3>{0, 0, 0}));

    ToneState state{.exposureTenths = 3};
    StoreAutoExposure(result, false, state);
    EXPECT_EQ(Sliders(state), (std::array<int32_t, 4>{20, 50, 61, 0}));  // exposure re-linked to the clamped highlight

    AutoExposureResult untouched;
    untouched.highlight = 77;
    EXPECT_FALSE(AutoExposure(picture.Image(), picture.Inside(), static_cast<ExposureMode>(3), 1.8f, 1.8f, untouched));
    EXPECT_EQ(untouched.highlight, 77);
}

TEST(AutoExposureTest, StoringClampsAndRoundsIntoTheToneState) {
    AutoExposureResult result{{-0.5f, -0.25f, -1.0f}, {-6.0f, -5.0f, -4.0f}, 200, 75, 1.889288f, {0.25f, 0.0f, -0.5f}};

    ToneState state{.exposureTenths = 4};
    StoreAutoExposure(result, false, state);
    EXPECT_EQ(state.channelGamma, result.channelGamma);
    EXPECT_EQ(state.channelOffset, result.channelOffset);
    EXPECT_EQ(state.channelBalance, result.channelBalance);
    EXPECT_EQ(Sliders(state), (std::array<int32_t, 4>{4, 189, 200, 60}));  // the exposure left alone

    result.highlight = 700;
    result.gamma = 6.0f;
    StoreAutoExposure(result, false, state);
    EXPECT_EQ(Sliders(state), (std::array<int32_t, 4>{-10, 500, 490, 60}));
    StoreAutoExposure(result, true, state);
    EXPECT_EQ(state.gammaPercent, 100);
}

// A 64 x 32 preview whose left half has grey level `left` and right half `right`.
PackedDib TwoHalves(uint8_t left, uint8_t right) {
    return test::Preview(64, 32, [&](int32_t x, int32_t) { return test::Grey(x < 32 ? left : right); });
}

int32_t HighlightAfter(const PackedDib& image, const Rect& selection) {
    ScanSettings settings;
    settings.iproc[iproc::kHighlight] = 245;
    EXPECT_TRUE(ExposeSelection(settings, SelectionExposure{image, selection, 0, 2, false}));
    return settings.iproc[iproc::kHighlight];
}

TEST(ExposeSelectionTest, TheHighlightFollowsTheBrightestPartOfTheSelectionOrOfAUsablePreview) {
    const PackedDib image = TwoHalves(60, 200);
    const int32_t dark = HighlightAfter(image, Rect{0, 0, 31, 31});
    const int32_t bright = HighlightAfter(image, Rect{32, 0, 63, 31});
    EXPECT_LT(dark, bright);
    EXPECT_EQ(HighlightAfter(image, Rect{}), bright);  // no selection: the whole preview

    // Without a usable preview nothing changes.
    ScanSettings settings;
    settings.iproc[iproc::kHighlight] = 245;
    EXPECT_FALSE(ExposeSelection(settings, SelectionExposure{}));
    EXPECT_EQ(settings.iproc[iproc::kHighlight], 245);
}

TEST(ExposeSelectionTest, TheSourceDecidesTheKindOfDocument) {
    EXPECT_EQ(ExposureModeFor(1, 1), ExposureMode::NegativeFilm);
    EXPECT_EQ(ExposureModeFor(2, 1), ExposureMode::PositiveFilm);
    EXPECT_EQ(ExposureModeFor(1, 0), ExposureMode::Reflective);  // the feeder
    EXPECT_EQ(ExposureModeFor(0, 1), ExposureMode::Reflective);  // the flatbed
}

}  // namespace
}  // namespace korva
