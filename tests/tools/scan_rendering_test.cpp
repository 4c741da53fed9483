// The simulated scanner's images: its colour response, the module's tables, matrix and line-art rule
// applied exactly, and deep scans.
#include <gtest/gtest.h>

#include <vector>

#include "core/imaging/line_art.h"
#include "core/imaging/pixel_level.h"
#include "core/imaging/rendered_image.h"
#include "tools/datasource/scan_job.h"
#include "tools/datasource/scanner_response.h"

namespace korva::sim {
namespace {

// Half an inch of the chart's photograph and heading at 40 dpi: 20 x 20 pixels of many colours.
ScanJob PhotoJob(int32_t pixelType = 2, int32_t bits = 8) {
    return ScanJob{
        .width = 20, .height = 20, .dpi = 40, .left = 300, .top = 80, .pixelType = pixelType, .bitsPerSample = bits};
}

std::vector<uint8_t> Scan(const ScanJob& job) {
    const ScanDocument chart(ScanSource::kFlatbed, nullptr);
    return RenderScan(job, chart).bitmap.rows;
}

TEST(ScannerResponse, GivesTheSensorsDullerLighterColours) {
    ScannerResponse eight(255);
    EXPECT_EQ(eight.Sample({0, 0, 0}), (DeviceRgb{0, 0, 0}));
    EXPECT_EQ(eight.Sample({255, 255, 255}), (DeviceRgb{255, 255, 255}));
    EXPECT_EQ(eight.Sample({128, 128, 128}), (DeviceRgb{109, 109, 109}));
    EXPECT_EQ(eight.Sample({0, 0, 255}), (DeviceRgb{225, 71, 48}));  // pure red leaks into green and blue
    ScannerResponse deep(4095);
    EXPECT_EQ(deep.Sample({128, 128, 128}), (DeviceRgb{1747, 1747, 1747}));
}

TEST(ScanRendering, TheSameJobGivesTheSameImageAndTablesAndMatrixApplyExactly) {
    const ScanJob plain = PhotoJob();
    const std::vector<uint8_t> raw = Scan(plain);
    EXPECT_EQ(Scan(plain), raw);

    ScanJob inverted = plain;
    inverted.tablesValid = true;
    for (auto& table : inverted.tables) {
        for (int v = 0; v < 256; ++v) {
            table[v] = static_cast<uint8_t>(255 - v);
        }
    }
    const std::vector<uint8_t> negative = Scan(inverted);
    ASSERT_EQ(negative.size(), raw.size());
    for (int row = 0; row < 20; ++row) {
        for (int i = 0; i < 60; ++i) {
            ASSERT_EQ(raw[row * 60 + i] + negative[row * 60 + i], 255) << row << " " << i;
        }
    }

    // Output red from input blue and blue from red, green kept: the device's (output, input) byte order.
    ScanJob swapped = plain;
    swapped.matrixValid = true;
    swapped.matrix = {32, 0, 0, 0, 0, 32, 0, 32, 0};
    const std::vector<uint8_t> mixed = Scan(swapped);
    for (size_t p = 0; p < raw.size(); p += 3) {
        ASSERT_EQ(mixed[p], raw[p + 2]);
        ASSERT_EQ(mixed[p + 1], raw[p + 1]);
        ASSERT_EQ(mixed[p + 2], raw[p]);
    }
}

TEST(ScanRendering, LineArtFollowsThePreviewsRuleForThresholdAndHalftone) {
    const std::vector<uint8_t> colour = Scan(PhotoJob());
    const PixelLevel level(0, DropoutColour::kNone);

    ScanJob threshold = PhotoJob(0, 1);
    threshold.threshold = 173;  // the user's 128 as the module sends it
    const ScanImage art = RenderScan(threshold, ScanDocument(ScanSource::kFlatbed, nullptr));
    EXPECT_EQ(art.bitmap.bitsPerPixel, 1);
    int white = 0;
    for (int row = 0; row < 20; ++row) {
        for (int column = 0; column < 20; ++column) {
            const bool bit = (art.bitmap.rows[row * 4 + column / 8] >> (7 - column % 8)) & 1;
            ASSERT_EQ(bit, level(&colour[row * 60 + column * 3]) > 173) << row << " " << column;
            white += bit;
        }
    }
    EXPECT_GT(white, 0);
    EXPECT_LT(white, 400);

    ScanJob halftone = PhotoJob(0, 1);
    halftone.threshold = kHalftoneThreshold;
    halftone.halftoneMode = 2;
    halftone.userThreshold = 100;
    RenderedImage preview{colour, 20, 20, 24, 60, {}};
    RenderType type;
    type.bitsPerPixel = 1;
    type.halftoneMode = 2;
    HalftoneLineArt(preview, type, 100);
    EXPECT_EQ(RenderScan(halftone, ScanDocument(ScanSource::kFlatbed, nullptr)).bitmap.rows, preview.pixels);
}

TEST(ScanRendering, DeepScansKeepTwelveBitsInSixteenBitSamplesAndNarrowToTheEightBitScan) {
    ScanJob job = PhotoJob(2, 48);
    job.tablesValid = true;
    for (auto& table : job.tables) {
        for (int v = 0; v < 256; ++v) {
            table[v] = static_cast<uint8_t>(v);
        }
    }
    const ScanImage deep = RenderScan(job, ScanDocument(ScanSource::kFlatbed, nullptr));
    ASSERT_EQ(deep.deepChannels, 3);
    ASSERT_EQ(deep.deepSamples.size(), 20u * 20 * 3);
    const std::vector<uint8_t> eight = Scan(PhotoJob());
    for (size_t i = 0; i < deep.deepSamples.size(); i += 3) {
        const uint16_t sample = deep.deepSamples[i];
        const int row = static_cast<int>(i / 60);
        const int column = static_cast<int>(i % 60 / 3);
        // The identity table leaves the 12-bit red within rounding of the 8-bit scan.
        EXPECT_NEAR(sample / 257.0, eight[(19 - row) * 60 + column * 3 + 2], 1.0);
    }
    EXPECT_EQ(RenderScan(PhotoJob(1, 16), ScanDocument(ScanSource::kFlatbed, nullptr)).deepChannels, 1);

    // Narrowed for the application, the deep scan is the 8-bit scan within rounding.
    ScanImage copy = deep;
    const tools::BitmapImage narrowed = BitmapOf(std::move(copy), 20, 20);
    EXPECT_EQ(narrowed.bitsPerPixel, 24);
    ASSERT_EQ(narrowed.rows.size(), eight.size());
    for (size_t i = 0; i < eight.size(); ++i) {
        EXPECT_NEAR(narrowed.rows[i], eight[i], 1.0) << "byte " << i;
    }
}

}  // namespace
}  // namespace korva::sim
