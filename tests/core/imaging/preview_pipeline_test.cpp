#include "core/imaging/preview_pipeline.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_images.h"

namespace korva {
namespace {

using test::Grey;
using test::LineArt;
using test::Preview;

constexpr RenderType kColour24{};

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

// A horizontal ramp 0..252 over 64 pixels, 8 rows.
PackedDib Ramp() {
    return Preview(64, 8, [](int32_t x, int32_t) { return Grey(static_cast<uint8_t>(x * 4)); });
}

// The order of tables and matrix and the matrix itself are checked by the fast-path walk over random
// settings; this pins the neutral tables. Colour matching drops the correction, so saturation 0 leaves
// the mapped levels 105 and 201; the row padding (0xEE) is copied as it is.
TEST(PreviewPipelineTest, NeutralColourRunsGiveTheShadowStretchAndRefreshTheSwatch) {
    const PackedDib preview = Preview(2, 1, [](int32_t x, int32_t) { return x == 0 ? Grey(100) : Grey(200); });
    PreviewAdjustments matched = Neutral(preview, kColour24);
    matched.colourMatching = true;
    const PreviewRendering rendering = Render(matched);
    EXPECT_TRUE(rendering.refreshColourSwatch);
    EXPECT_EQ(rendering.image.pixels, (std::vector<uint8_t>{105, 105, 105, 201, 201, 201, 0xEE, 0xEE}));
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
    // Level 50 is black at threshold 128, its inverse 205 white, whatever the source.
    const PackedDib dark = Preview(1, 1, [](int32_t, int32_t) { return Grey(50); });
    PreviewAdjustments lineArt = Neutral(dark, LineArt(0));
    lineArt.docSource = 2;
    EXPECT_EQ(Pixels(lineArt)[0], 0x7F);
    lineArt.invert = true;
    EXPECT_EQ(Pixels(lineArt)[0], 0xFF);
}

TEST(PreviewPipelineTest, TheThresholdChangesLineArtOnly) {
    const PackedDib ramp = Ramp();
    for (const RenderType& type : {LineArt(3), kColour24}) {
        PreviewAdjustments in = Neutral(ramp, type);
        in.unsharpMask = true;
        const std::vector<uint8_t> at128 = Pixels(in);
        in.iproc[iproc::kThreshold] = 90;
        EXPECT_EQ(Pixels(in) != at128, type.IsLineArt());
    }
}

TEST(PreviewPipelineTest, LineArtUsesTheToneSettingsOnlyForHalftonesAndTheFilmUnit) {
    const PackedDib ramp = Ramp();
    const auto highlightMatters = [](PreviewAdjustments in) {
        const std::vector<uint8_t> neutral = Pixels(in);
        in.iproc[iproc::kHighlight] = 120;
        return Pixels(in) != neutral;
    };
    PreviewAdjustments plain = Neutral(ramp, LineArt(0));
    plain.docSource = 1;
    EXPECT_FALSE(highlightMatters(plain));
    PreviewAdjustments film = plain;
    film.optionUnit = 1;
    EXPECT_TRUE(highlightMatters(film));
    EXPECT_TRUE(highlightMatters(Neutral(ramp, LineArt(4))));

    // Only a run that builds the tone curves leaves them marked in force.
    ToneTables tables;
    tables.toneCurvesInForce = true;
    RenderPreview(plain, tables);
    EXPECT_FALSE(tables.toneCurvesInForce);
}

TEST(PreviewPipelineTest, ScreenCalibrationIsCheckedAfterTheTablesAndSkippedForPlainLineArt) {
    const PackedDib ramp = Ramp();
    int checks = 0;
    const auto calibrated = [&](PreviewAdjustments in, ToneTables& tables) {
        in.screenCalibration = true;
        in.checkScreenCalibration = [&] { return ++checks > 0; };
        checks = 0;
        return RenderPreview(in, tables)->image.pixels;
    };
    // The check rebuilds the tone curves from the linear map after the display tables were made from the
    // "Darken" curves: the picture still shows "Darken".
    PreviewAdjustments darken = Neutral(ramp, kColour24);
    darken.toneMap = BuiltInToneMaps()[2].toneMap;
    ToneTables expected;
    const std::vector<uint8_t> uncalibrated = RenderPreview(darken, expected)->image.pixels;
    ToneTables tables;
    EXPECT_EQ(calibrated(darken, tables), uncalibrated);
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(tables.displayTables, expected.displayTables);
    ToneTables linear;
    BuildToneMapCurves(BuiltInToneMaps()[0].toneMap, linear);
    EXPECT_EQ(tables.toneCurves, linear.toneCurves);

    calibrated(Neutral(ramp, LineArt(0)), tables);
    EXPECT_EQ(checks, 0);
    calibrated(Neutral(ramp, LineArt(2)), tables);
    EXPECT_EQ(checks, 1);
}

TEST(PreviewPipelineTest, NothingIsRenderedWithoutA24BitPreview) {
    ToneTables tables;
    EXPECT_FALSE(RenderPreview(Neutral(PackedDib{}, kColour24), tables));
    PackedDib eightBit = Ramp();
    WriteU16(eightBit, dib::kBitCount, 8);
    EXPECT_FALSE(RenderPreview(Neutral(eightBit, kColour24), tables));
}

}  // namespace
}  // namespace korva
