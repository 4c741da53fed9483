#include "core/boundary/final_scan.h"

#include <gtest/gtest.h>

#include <utility>

#include "boundary/scan_request_fixture.h"

namespace korva::test {
namespace {

constexpr int32_t kLineArt = 5;
constexpr int32_t kOcr = 6;                  // text option 0
constexpr int32_t kCopyAndFax = 7;           // quality 0, halftone 1, text option 1
constexpr uint8_t kNeutralMatrixFirst = 40;  // first device byte at saturation 0

class FinalScanTest : public ScanRequestTest {
  protected:
    FinalScanTest() { inputs.bed = {850, 1100}; }
    FinalScanResult Prepare() { return PrepareFinalScan(context, settings, marquees, inputs, services); }
    // A current marquee over a document rectangle in thousandths of an inch.
    void AddMarquee(const Rect& document) {
        ASSERT_TRUE(marquees.Add(Rect{1, 1, 10, 10}, SettingsBlock{}));
        marquees.Current()->document = document;
    }
    void UseDeepColourType() { settings.imageTypes.current = 0; }

    MarqueeList marquees;
    FinalScanInputs inputs;
};

TEST_F(FinalScanTest, AreaComesFromTheBedOrTheMarqueeAtTheTruncatedEffectiveResolution) {
    EXPECT_FALSE(Prepare().cancelled);
    ExpectFields({{ctx::hasMarquees, 0}, {ctx::dsAreaWidth, 850}, {ctx::dsAreaHeight, 1100}, {ctx::dsAreaLeft, 0}});
    ExpectFields({{ctx::pixelWidth, 2550}, {ctx::pixelHeight, 3300}, {ctx::pixelLeft, 0}});

    AddMarquee(Rect{1235, 2004, 1235 + 12344, 2004 + 5000});
    settings.scanResolution = 75;
    settings.scalePercent = 133;  // 99.75 dpi, scanned at 99
    Prepare();
    ExpectFields({{ctx::hasMarquees, 1}, {ctx::dsAreaWidth, 1234}, {ctx::dsAreaHeight, 500}, {ctx::dsScale, 133}});
    ExpectFields({{ctx::dsAreaLeft, 124}, {ctx::dsAreaTop, 200}});
    ExpectFields({{ctx::pixelWidth, 1221}, {ctx::pixelHeight, 495}, {ctx::pixelLeft, 123}, {ctx::pixelTop, 198}});
}

TEST_F(FinalScanTest, ZeroSizedAreaLeavesTheRestOfTheBlockAndGoesOn) {
    UseDeepColourType();
    settings.tabFlag = 1;
    settings.ocr.feedOption = 1;
    AddMarquee(Rect{1000, 1000, 1004, 5000});
    EXPECT_FALSE(Prepare().cancelled);
    ExpectFields({{ctx::pixelWidth, 0}, {ctx::tablesValid, 0}, {ctx::tableRed, kNotWritten}});
    ExpectFields({{ctx::isFinal, kNotWritten}, {ctx::docSource, kNotWritten}});
    EXPECT_EQ(settings.docSource, 0);
    EXPECT_TRUE(posix.messages.shown.empty());
}

TEST_F(FinalScanTest, LineArtSendsTheGammaCorrectedThresholdOrTheHalftoneMark) {
    settings.imageTypes.current = kLineArt;
    settings.iproc[iproc::kThreshold] = 128;
    Prepare();
    ExpectFields({{ctx::threshold, 173}, {ctx::pixelType, 0}, {ctx::bitsPerSample, 1}});
    ExpectFields({{ctx::tablesValid, 1}, {ctx::matrixValid, 0}, {ctx::colorMatrix, kNotWritten}});
    EXPECT_TRUE(IsIdentity(ctx::tableRed) && IsIdentity(ctx::tableGreen) && IsIdentity(ctx::tableBlue));

    settings.imageTypes.rows[kLineArt].values[image_type::kHalftone] = 1;
    Prepare();
    EXPECT_EQ(context.Get(ctx::threshold), 0xFFFF);
    EXPECT_FALSE(IsIdentity(ctx::tableGreen));  // halftones go through the tone settings
}

TEST_F(FinalScanTest, ColourScansThroughTheToneTablesAndTheDeviceMatrix) {
    settings.iproc[iproc::kShadow] = 0;
    settings.iproc[iproc::kSaturation] = 60;
    inputs.blackWhite = true;  // the saved saturation, 0, applies
    Prepare();
    ExpectFields({{ctx::bitsPerSample, 8}, {ctx::matrixValid, 1}, {ctx::colorMatrix, kNeutralMatrixFirst}});
    // The Linear map at the default exposure, gamma and highlight without a shadow lift; black stays 0.
    EXPECT_EQ(context.Get(ctx::tableBlue, 0), 0);
    EXPECT_EQ(context.Get(ctx::tableBlue, 1), 9);
    EXPECT_EQ(context.Get(ctx::tableBlue, 128), 132);
    EXPECT_EQ(context.Get(ctx::tableBlue, 255), 255);
    inputs.blackWhite = false;
    inputs.invert = true;
    settings.iproc[iproc::kHighlight] = 180;
    Prepare();
    EXPECT_EQ(context.Get(ctx::tableGreen, 180), 10);
    EXPECT_NE(context.Get(ctx::colorMatrix), kNeutralMatrixFirst);
}

TEST_F(FinalScanTest, CapabilityLevelChoosesCodesOrTablesAndTheTypeFlags) {
    context.Set(ctx::level, 1);
    settings.iproc[iproc::kExposure] = -3;
    Prepare();
    ExpectFields({{ctx::exposureCode, -1000}, {ctx::destinationCode, 1}, {ctx::reserved212, 0}});
    ExpectFields({{ctx::tablesValid, 0}, {ctx::tableRed, kNotWritten}, {ctx::typeFlagC, kNotWritten}});

    struct Case {
        int level;
        int32_t imageType;
        int64_t typeFlagC;
        int64_t typeFlagD;
    };
    for (const Case& c : {Case{2, kOcr, kNotWritten, kNotWritten}, Case{3, kOcr, 1, kNotWritten}, Case{4, kOcr, 1, 0},
                          Case{4, kCopyAndFax, 0, 1}}) {
        FillBlock();
        context.Set(ctx::level, c.level);
        settings.imageTypes.current = c.imageType;
        const FinalScanResult result = Prepare();
        ExpectFields({{ctx::exposureCode, kNotWritten}, {ctx::typeFlagC, c.typeFlagC}, {ctx::typeFlagD, c.typeFlagD}});
        EXPECT_EQ(result.thirdTypeFlag.has_value(), c.typeFlagC != kNotWritten);
        EXPECT_EQ(result.fourthTypeFlag.value_or(false), c.typeFlagD == 1);
    }

    settings.tabFlag = 1;
    settings.ocr.feedOption = 1;
    context.Set(ctx::optionUnit, 1);
    context.Set(ctx::level, 5);
    Prepare();
    EXPECT_EQ(Written(ctx::negativeFilm), kNotWritten);
    context.Set(ctx::level, 6);
    Prepare();
    EXPECT_EQ(context.Get(ctx::negativeFilm), 1);
}

TEST_F(FinalScanTest, FlagsFollowTheImageTypeAndTheActivePage) {
    settings.tabFlag = 1;
    settings.ocr.feedOption = 1;
    context.Set(ctx::optionUnit, 1);
    settings.imageTypes.current = kCopyAndFax;
    settings.imageTypes.rows[kCopyAndFax].values[image_type::kCode] = 0x1234;
    settings.windows95Icm = 1;
    Prepare();
    EXPECT_EQ(settings.docSource, 1);
    ExpectFields({{ctx::docSource, 1}, {ctx::imageTypeCode, 0x1234}, {ctx::typeFlagA, 1}, {ctx::typeFlagB, 1}});
    ExpectFields({{ctx::sharpness, 500}, {ctx::colorMatchMode, 1}});
    ExpectFields({{ctx::isFinal, 1}, {ctx::isPreview, 0}, {ctx::previewStarted, 0}});
    EXPECT_EQ(context.Text(ctx::profileName), "qa4100r.icm");
    EXPECT_EQ(Key("ImageSetting", "IprocValue12"), "1");

    context.Set(ctx::optionUnit, 0);  // the source is now the document feeder
    settings.imageTypes.current = kLineArt;
    settings.imageTypes.rows[kLineArt].values[image_type::kQuality] = 1;
    settings.imageTypes.rows[kLineArt].values[image_type::kTextOption] = 1;
    settings.windows95Icm = 0;
    Prepare();
    ExpectFields({{ctx::typeFlagA, 0}, {ctx::typeFlagB, 0}, {ctx::sharpness, 0}, {ctx::colorMatchMode, 2}});
    EXPECT_EQ(settings.iproc[iproc::kSharpness], 0);
    EXPECT_EQ(Key("ImageSetting", "IprocValue12"), "0");

    settings.scanResolution = 65536;  // the 16-bit fields read 0
    settings.scalePercent = 65536;
    inputs.resolutionText = "400";
    Prepare();
    ExpectFields({{ctx::dsResolution, 400}, {ctx::dsScale, 100}});
    EXPECT_EQ(settings.scanResolution, 400);
    EXPECT_EQ(settings.scalePercent, 100);
}

TEST_F(FinalScanTest, TwelveBitSamplesNeedConfirmationUnlessTheDataSourceAcceptsThem) {
    UseDeepColourType();
    posix.messages.answers = {mb::kAnswerCancel, mb::kAnswerOk};
    EXPECT_TRUE(Prepare().cancelled);
    EXPECT_EQ(context.Get(ctx::bitsPerSample), 12);  // 48 bits to the pixel, 12 significant in each sample
    ASSERT_EQ(posix.messages.shown.size(), 1u);
    EXPECT_EQ(posix.messages.shown[0].text, posix.strings.Load(19, 256));
    EXPECT_EQ(posix.messages.shown[0].caption, "QXTWAIN32");
    EXPECT_FALSE(Prepare().cancelled);
    context.Set(ctx::deepColorAccepted, 1);
    EXPECT_FALSE(Prepare().cancelled);
    EXPECT_EQ(posix.messages.shown.size(), 2u);
}

TEST_F(FinalScanTest, EachPixelTypeHandsItsBitsPerSample) {
    context.Set(ctx::deepColorAccepted, 1);
    const std::pair<int32_t, int64_t> types[] = {{0, 12}, {1, 8}, {2, 12}, {3, 8}, {4, 8}, {kLineArt, 1}};
    for (const auto& [imageType, bits] : types) {
        settings.imageTypes.current = imageType;
        Prepare();
        EXPECT_EQ(context.Get(ctx::bitsPerSample), bits) << imageType;
    }
}

}  // namespace
}  // namespace korva::test
