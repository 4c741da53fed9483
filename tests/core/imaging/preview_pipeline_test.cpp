#include "core/imaging/preview_pipeline.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_images.h"

namespace korva {
namespace {

using test::Bgr;
using test::Grey;
using test::Preview;

constexpr RenderType kColour24{ColourClass::kColour, 24, 0, DropoutColour::kNone};
constexpr RenderType kGrey8{ColourClass::kGrey, 8, 0, DropoutColour::kNone};

RenderType LineArt(int32_t mode) {
    return RenderType{ColourClass::kBlackWhite, 1, mode, DropoutColour::kNone};
}

// Neutral values with shadow 0 and the "Linear" tone map: the display tables are the shadow stretch
// i -> trunc((i + 0.5) * 237 / 245 + 8) for i >= 1.
PreviewAdjustments Neutral(const PackedDib& preview, const RenderType& type) {
    PreviewAdjustments in;
    in.preview = preview;
    in.iproc = {0, 100, 245, 0, 128, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    in.toneMap = BuiltInToneMaps()[0].toneMap;
    in.type = type;
    return in;
}

PreviewRendering Render(const PreviewAdjustments& in) {
    ToneTables tables;
    std::optional<PreviewRendering> rendering = RenderPreview(in, tables);
    EXPECT_TRUE(rendering);
    return rendering ? std::move(*rendering) : PreviewRendering{};
}

std::vector<uint8_t> Pixels(const PreviewAdjustments& in) {
    return Render(in).image.pixels;
}

// A horizontal ramp 0..255 over 64 pixels, 8 rows.
PackedDib Ramp() {
    return Preview(64, 8, [](int32_t x, int32_t) { return Grey(static_cast<uint8_t>(x * 4)); });
}

TEST(PreviewPipelineTest, ColourRunsMapThroughTheDisplayTablesThenTheMatrix) {
    const PackedDib preview = Preview(2, 1, [](int32_t x, int32_t) { return x == 0 ? Grey(100) : Grey(200); });
    // Colour matching drops the correction, so saturation 0 leaves the mapped levels: 100 -> 105. The
    // row padding (0xEE) is copied as it is.
    PreviewAdjustments matched = Neutral(preview, kColour24);
    matched.colourMatching = true;
    const PreviewRendering rendering = Render(matched);
    EXPECT_EQ(rendering.path, DisplayPath::kTrueColour);
    EXPECT_TRUE(rendering.colourMatch);
    EXPECT_TRUE(rendering.refreshColourSwatch);
    EXPECT_EQ(rendering.image.pixels, (std::vector<uint8_t>{105, 105, 105, 201, 201, 201, 0xEE, 0xEE}));

    // Without it the scanner's correction follows: 201 becomes blue 201, green 205, red 205.
    EXPECT_EQ(Pixels(Neutral(preview, kColour24)), (std::vector<uint8_t>{105, 107, 107, 201, 205, 205, 0xEE, 0xEE}));

    // Saturation -100 turns every channel into 16 (b + g + r) / 50: red 200 alone gives 64.
    const PackedDib red = Preview(1, 1, [](int32_t, int32_t) { return Bgr{0, 0, 200}; });
    PreviewAdjustments grey = Neutral(red, kColour24);
    grey.iproc[iproc::kSaturation] = -100;
    EXPECT_EQ(Pixels(grey), (std::vector<uint8_t>{64, 64, 64, 0xEE}));
}

TEST(PreviewPipelineTest, InvertFollowsTheSourceForColourButNotForLineArt) {
    const PackedDib preview = Preview(1, 1, [](int32_t, int32_t) { return Grey(100); });
    for (const int32_t source : {0, 1, 2}) {
        PreviewAdjustments in = Neutral(preview, kColour24);
        in.colourMatching = true;
        in.invert = true;
        in.docSource = source;
        EXPECT_EQ(Pixels(in)[0], source == 2 ? 105 : 150) << "source " << source;
    }
    // Line art inverts whatever the source: level 50 is black at threshold 128, its inverse 205 white.
    const PackedDib dark = Preview(1, 1, [](int32_t, int32_t) { return Grey(50); });
    PreviewAdjustments lineArt = Neutral(dark, LineArt(0));
    lineArt.docSource = 2;
    EXPECT_EQ(Pixels(lineArt)[0], 0x7F);
    lineArt.invert = true;
    EXPECT_EQ(Pixels(lineArt)[0], 0xFF);
}

TEST(PreviewPipelineTest, TheThresholdChangesLineArtOnly) {
    const PackedDib ramp = Ramp();
    PreviewAdjustments lineArt = Neutral(ramp, LineArt(3));
    const std::vector<uint8_t> at128 = Pixels(lineArt);
    lineArt.iproc[iproc::kThreshold] = 90;
    EXPECT_NE(Pixels(lineArt), at128);

    PreviewAdjustments colour = Neutral(ramp, kColour24);
    colour.unsharpMask = true;
    const std::vector<uint8_t> before = Pixels(colour);
    colour.iproc[iproc::kThreshold] = 90;
    EXPECT_EQ(Pixels(colour), before);
}

TEST(PreviewPipelineTest, LineArtUsesTheToneSettingsOnlyForHalftonesAndTheFilmUnit) {
    const PackedDib ramp = Ramp();
    const auto withDarkerHighlight = [](PreviewAdjustments in) {
        in.iproc[iproc::kHighlight] = 120;
        return Pixels(in);
    };
    PreviewAdjustments plain = Neutral(ramp, LineArt(0));
    plain.docSource = 1;
    EXPECT_EQ(withDarkerHighlight(plain), Pixels(plain));

    PreviewAdjustments film = plain;
    film.optionUnit = 1;
    EXPECT_NE(withDarkerHighlight(film), Pixels(film));

    // Only a run that builds the tone curves leaves them marked in force.
    ToneTables tables;
    tables.toneCurvesInForce = true;
    RenderPreview(plain, tables);
    EXPECT_FALSE(tables.toneCurvesInForce);
    RenderPreview(film, tables);
    EXPECT_TRUE(tables.toneCurvesInForce);

    film.docSource = 0;
    EXPECT_EQ(withDarkerHighlight(film), Pixels(film));

    const PreviewAdjustments dithered = Neutral(ramp, LineArt(4));
    EXPECT_NE(withDarkerHighlight(dithered), Pixels(dithered));

    // The unsharp mask is for the other image types.
    PreviewAdjustments sharpened = dithered;
    sharpened.unsharpMask = true;
    EXPECT_EQ(Pixels(sharpened), Pixels(dithered));
}

TEST(PreviewPipelineTest, ScreenCalibrationIsCheckedAfterTheTablesAndSkippedForPlainLineArt) {
    const PackedDib ramp = Ramp();
    int checks = 0;
    const auto countChecks = [&](PreviewAdjustments in, ToneTables& tables) {
        in.screenCalibration = true;
        in.checkScreenCalibration = [&] {
            ++checks;
            return true;
        };
        checks = 0;
        return RenderPreview(in, tables);
    };

    // The check rebuilds the tone curves from the linear map once the display tables were made from the
    // "Darken" curves, so the picture still shows "Darken".
    PreviewAdjustments darken = Neutral(ramp, kColour24);
    darken.toneMap = BuiltInToneMaps()[2].toneMap;
    ToneTables expected;
    const std::vector<uint8_t> uncalibrated = RenderPreview(darken, expected)->image.pixels;
    ToneTables tables;
    const std::optional<PreviewRendering> calibrated = countChecks(darken, tables);
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(calibrated->image.pixels, uncalibrated);
    EXPECT_EQ(tables.displayTables, expected.displayTables);
    ToneTables linear;
    BuildToneMapCurves(BuiltInToneMaps()[0].toneMap, linear);
    EXPECT_EQ(tables.toneCurves, linear.toneCurves);
    EXPECT_NE(expected.toneCurves, linear.toneCurves);

    countChecks(Neutral(ramp, LineArt(0)), tables);
    EXPECT_EQ(checks, 0);
    countChecks(Neutral(ramp, LineArt(2)), tables);
    EXPECT_EQ(checks, 1);
    PreviewAdjustments off = Neutral(ramp, kColour24);
    off.checkScreenCalibration = [&] { return ++checks > 0; };
    checks = 0;
    RenderPreview(off, tables);
    EXPECT_EQ(checks, 0);
}

TEST(PreviewPipelineTest, TheDisplayPathFollowsTheTypeAndTheDisplay) {
    const PackedDib ramp = Ramp();
    PreviewAdjustments in = Neutral(ramp, kColour24);
    in.display = DisplayKind::kPalette;
    const PreviewRendering palette = Render(in);
    EXPECT_EQ(palette.path, DisplayPath::kPalette);
    EXPECT_EQ(palette.image.bitsPerPixel, 8);
    EXPECT_EQ(palette.image.colours.size(), 216u);
    EXPECT_TRUE(palette.clearPaneFirst);
    EXPECT_TRUE(palette.makeDisplayPalette);

    const PreviewRendering grey = Render(Neutral(ramp, kGrey8));
    EXPECT_EQ(grey.path, DisplayPath::kPalette);
    EXPECT_EQ(grey.image.colours.size(), 256u);
    EXPECT_FALSE(grey.makeDisplayPalette);

    PreviewAdjustments deep = Neutral(ramp, RenderType{ColourClass::kColour, 48, 0, DropoutColour::kNone});
    deep.colourMatching = true;
    const PreviewRendering deepRendering = Render(deep);
    EXPECT_EQ(deepRendering.path, DisplayPath::kTrueColour);
    EXPECT_FALSE(deepRendering.colourMatch);

    const PreviewRendering lineArt = Render(Neutral(ramp, LineArt(5)));
    EXPECT_EQ(lineArt.path, DisplayPath::kLineArt);
    EXPECT_EQ(lineArt.image.bitsPerPixel, 1);
    EXPECT_FALSE(lineArt.refreshColourSwatch);

    for (const RenderType& type : {kColour24, LineArt(1)}) {
        PreviewAdjustments small = Neutral(ramp, type);
        small.display = DisplayKind::kSixteenColours;
        const PreviewRendering sixteen = Render(small);
        EXPECT_EQ(sixteen.path, DisplayPath::kSixteenColours);
        EXPECT_EQ(sixteen.image.bitsPerPixel, 4);
        EXPECT_EQ(sixteen.image.colours.size(), 8u);
    }

    // Nothing to render without a 24-bit preview.
    ToneTables tables;
    EXPECT_FALSE(RenderPreview(Neutral(PackedDib{}, kColour24), tables));
    PackedDib eightBit = ramp;
    WriteU16(eightBit, dib::kBitCount, 8);
    EXPECT_FALSE(RenderPreview(Neutral(eightBit, kColour24), tables));
}

TEST(PreviewPipelineTest, ThePreviewIsNeverWritten) {
    const PackedDib preview = Preview(37, 23, [](int32_t x, int32_t y) {
        return Bgr{static_cast<uint8_t>(x * 7), static_cast<uint8_t>(y * 11), static_cast<uint8_t>(x * y)};
    });
    const PackedDib original = preview;
    for (const RenderType& type : {kColour24, kGrey8, LineArt(0), LineArt(2), LineArt(6)}) {
        for (const DisplayKind display :
             {DisplayKind::kTrueColour, DisplayKind::kPalette, DisplayKind::kSixteenColours}) {
            PreviewAdjustments in = Neutral(preview, type);
            in.display = display;
            in.invert = true;
            in.unsharpMask = true;
            in.iproc[iproc::kSaturation] = 40;
            const PreviewRendering rendering = Render(in);
            EXPECT_NE(rendering.image.pixels.data(), preview.data() + kInfoHeaderBytes);
            EXPECT_EQ(preview, original);
        }
    }
}

}  // namespace
}  // namespace korva
