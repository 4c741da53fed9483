#include "core/tone/auto_exposure.h"

#include <gtest/gtest.h>

#include <vector>

namespace korva {
namespace {

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// A bottom-up 24-bit picture: `inside` fills the rectangle (1, 1)..(width - 2, height - 2) row by row from
// the top, the one-pixel frame around it is white.
class Picture {
  public:
    Picture(uint16_t width, uint16_t height, const std::vector<Rgb>& inside)
        : width_(width), height_(height), rowBytes_((width * 3u + 3) & ~3u), bytes_(rowBytes_ * height, 0) {
        size_t next = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool frame = x == 0 || y == 0 || x == width - 1 || y == height - 1;
                Set(x, y, frame ? Rgb{255, 255, 255} : inside[next++]);
            }
        }
    }
    void Set(int x, int y, Rgb rgb) {
        uint8_t* pixel = bytes_.data() + (height_ - 1 - y) * rowBytes_ + 3 * x;
        pixel[0] = rgb.blue;
        pixel[1] = rgb.green;
        pixel[2] = rgb.red;
    }
    ExposureImage Image() const { return {bytes_.data(), width_, height_, rowBytes_}; }
    ExposureRect Inside() const { return {1, 1, width_ - 2, height_ - 2}; }

  private:
    uint16_t width_;
    uint16_t height_;
    uint32_t rowBytes_;
    std::vector<uint8_t> bytes_;
};

// Pixels from runs of (count, red, green, blue).
std::vector<Rgb> Runs(const std::vector<std::array<int, 4>>& runs) {
    std::vector<Rgb> pixels;
    for (const auto& run : runs) {
        for (int i = 0; i < run[0]; ++i) {
            pixels.push_back(
                {static_cast<uint8_t>(run[1]), static_cast<uint8_t>(run[2]), static_cast<uint8_t>(run[3])});
        }
    }
    return pixels;
}

TEST(ExposureHistogramsTest, CountsTheInclusiveRectangleCountedFromTheTop) {
    Picture picture(4, 3, {{10, 0, 0}, {20, 0, 0}});
    picture.Set(1, 0, {7, 8, 9});
    picture.Set(2, 0, {7, 8, 9});
    ExposureHistograms top = BuildExposureHistograms(picture.Image(), {1, 0, 2, 0});
    EXPECT_EQ(top.pixelCount, 2u);
    EXPECT_EQ(top.counts[0][7], 2u);
    EXPECT_EQ(top.counts[1][8], 2u);
    EXPECT_EQ(top.counts[2][9], 2u);

    ExposureHistograms middle = BuildExposureHistograms(picture.Image(), {1, 1, 2, 1});
    EXPECT_EQ(middle.counts[0][10], 1u);
    EXPECT_EQ(middle.counts[0][20], 1u);

    // Parts outside the image count nothing; an empty rectangle counts nothing at all.
    EXPECT_EQ(BuildExposureHistograms(picture.Image(), {-5, -5, 10, 10}).pixelCount, 12u);
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

    EXPECT_EQ(GammaLevel(150, 1.8f), 190);
    EXPECT_EQ(GammaLevel(230, 1.8f), 241);
    EXPECT_EQ(GammaLevel(255, 1.8f), 255);
    EXPECT_EQ(GammaLevel(6.0, 1.8f), 32);
    EXPECT_EQ(GammaLevel(2.0, 1.8f), 17);
    EXPECT_EQ(GammaLevel(1.0, 1.8f), 12);
    EXPECT_EQ(GammaLevel(0, 1.8f), 0);
}

// Green: white 200 (five brighter pixels are not enough), black 35, median 86; red white 220, blue 110.
// Range 165 gives F = 395 (above 384, with a correction of 1), L = 53, D = 79, q = 0.5293.
std::vector<Rgb> PrintPixels(int brightGreens) {
    return Runs({{5, 250, 250, 250},
                 {10, 220, 200, 110},
                 {brightGreens, 86, 245, 86},
                 {965 - brightGreens + 10, 86, 86, 86},
                 {10, 35, 35, 35}});
}

TEST(AutoExposureTest, ReflectiveDocumentSetsHighlightShadowGammaAndBalance) {
    const Picture picture(42, 27, PrintPixels(0));
    AutoExposureResult result;
    ASSERT_TRUE(AutoExposure(picture.Image(), picture.Inside(), ExposureMode::Reflective, 1.8f, 1.8f, result));
    EXPECT_EQ(result.highlight, 200);
    EXPECT_EQ(result.shadow, 35);
    EXPECT_NEAR(result.gamma, 1.889288f, 1e-4);
    EXPECT_EQ(result.channelGamma, (std::array<float, 3>{1, 1, 1}));
    EXPECT_EQ(result.channelOffset, (std::array<float, 3>{0, 0, 0}));
    EXPECT_NEAR(result.channelBalance[0], 0.137504f, 1e-5);
    EXPECT_EQ(result.channelBalance[1], 0.0f);
    EXPECT_NEAR(result.channelBalance[2], -0.862496f, 1e-5);

    // The calibration gamma scales the result.
    ASSERT_TRUE(AutoExposure(picture.Image(), picture.Inside(), ExposureMode::Reflective, 1.8f, 0.9f, result));
    EXPECT_NEAR(result.gamma, 1.889288f / 2, 1e-4);
}

TEST(AutoExposureTest, PositiveFilmScansDownFromALowerStart) {
    // Ten green pixels at 245 lie above the positive-film start (241) but not above the reflective one.
    const Picture picture(42, 27, PrintPixels(10));
    AutoExposureResult positive;
    ASSERT_TRUE(AutoExposure(picture.Image(), picture.Inside(), ExposureMode::PositiveFilm, 1.8f, 1.8f, positive));
    EXPECT_EQ(positive.highlight, 200);
    EXPECT_EQ(positive.shadow, 35);
    EXPECT_NEAR(positive.gamma, 1.889288f, 1e-4);

    AutoExposureResult reflective;
    ASSERT_TRUE(AutoExposure(picture.Image(), picture.Inside(), ExposureMode::Reflective, 1.8f, 1.8f, reflective));
    EXPECT_EQ(reflective.highlight, 245);
    // Range 210: F = 310, L = 42, D = 62, q = 0.31 raised to the lower limit 0.5.
    EXPECT_NEAR(reflective.gamma, 2.0f, 1e-6);
    EXPECT_NEAR(reflective.channelBalance[0], -0.155278f, 1e-5);  // log2(220 / 245)
}

TEST(AutoExposureTest, NegativeFilmFitsInvertedDensityLines) {
    // Red all at 10: white clamped to 25, no black level. Green white 150, black 50; blue 180 and 20.
    const Picture picture(42, 27, Runs({{10, 10, 150, 180}, {980, 10, 100, 120}, {10, 10, 50, 20}}));
    AutoExposureResult result;
    ASSERT_TRUE(AutoExposure(picture.Image(), picture.Inside(), ExposureMode::NegativeFilm, 1.8f, 1.8f, result));
    EXPECT_NEAR(result.channelGamma[0], -1.213642f, 1e-5);
    EXPECT_NEAR(result.channelOffset[0], -7.432697f, 1e-5);
    EXPECT_NEAR(result.channelGamma[1], -0.340486f, 1e-5);
    EXPECT_NEAR(result.channelOffset[1], -6.920359f, 1e-5);
    EXPECT_NEAR(result.channelGamma[2], -0.680972f, 1e-5);
    EXPECT_NEAR(result.channelOffset[2], -5.409916f, 1e-5);
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

    ToneState state;
    state.exposureTenths = 3;
    StoreAutoExposure(result, false, state);
    EXPECT_EQ(state.highlightLevel, 61);
    EXPECT_EQ(state.exposureTenths, 20);  // re-linked to the clamped highlight
    EXPECT_EQ(state.shadowLevel, 0);
    EXPECT_EQ(state.gammaPercent, 50);

    AutoExposureResult untouched;
    untouched.highlight = 77;
    EXPECT_FALSE(AutoExposure(picture.Image(), picture.Inside(), static_cast<ExposureMode>(3), 1.8f, 1.8f, untouched));
    EXPECT_EQ(untouched.highlight, 77);
}

TEST(AutoExposureTest, StoringClampsAndRoundsIntoTheToneState) {
    AutoExposureResult result;
    result.channelGamma = {-0.5f, -0.25f, -1.0f};
    result.channelOffset = {-6.0f, -5.0f, -4.0f};
    result.channelBalance = {0.25f, 0.0f, -0.5f};
    result.highlight = 200;
    result.shadow = 75;
    result.gamma = 1.889288f;

    ToneState state;
    state.exposureTenths = 4;
    StoreAutoExposure(result, false, state);
    EXPECT_EQ(state.channelGamma, result.channelGamma);
    EXPECT_EQ(state.channelOffset, result.channelOffset);
    EXPECT_EQ(state.channelBalance, result.channelBalance);
    EXPECT_EQ(state.highlightLevel, 200);
    EXPECT_EQ(state.exposureTenths, 4);  // an unclamped highlight leaves the exposure alone
    EXPECT_EQ(state.shadowLevel, 60);
    EXPECT_EQ(state.gammaPercent, 189);

    result.highlight = 700;
    result.gamma = 6.0f;
    StoreAutoExposure(result, false, state);
    EXPECT_EQ(state.highlightLevel, 490);
    EXPECT_EQ(state.exposureTenths, -10);
    EXPECT_EQ(state.gammaPercent, 500);

    StoreAutoExposure(result, true, state);
    EXPECT_EQ(state.gammaPercent, 100);
}

}  // namespace
}  // namespace korva
