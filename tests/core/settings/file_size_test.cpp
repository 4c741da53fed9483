#include "core/settings/file_size.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/settings/size_display.h"

namespace korva {
namespace {

TEST(FileSizeTest, EachRangeAndLanguageHasItsUnitWords) {
    const FileSizeEstimate letter = EstimateImageBytes(300, 850, 1100, 24);
    EXPECT_TRUE(letter.kiloStep);
    EXPECT_FLOAT_EQ(letter.bytes, 25245000.0f / 1024.0f);
    const FileSizeEstimate tiny = EstimateImageBytes(100, 1, 1, 1);
    EXPECT_FALSE(tiny.kiloStep);
    EXPECT_EQ(tiny.bytes, 1.0f);
    // Exactly 4194304 bytes stays in bytes; one more pixel goes to kilobytes.
    EXPECT_FALSE(EstimateBytesFromPixels(4194304.0f, 8).kiloStep);
    EXPECT_TRUE(EstimateBytesFromPixels(4194305.0f, 8).kiloStep);

    // 100 x 100 pixels of 24 bits: 30000 bytes, 29 KB and 304 bytes, 304 * 100 / 1024 = 29.
    const FileSizeEstimate kilobytes = EstimateImageBytes(100, 100, 100, 24);
    const FileSizeEstimate twoMegabytes = EstimateBytesFromPixels(1048576.0f / 3.0f * 2.0f, 24);
    // 3e9 bytes: 2929687.5 KB after the kilo step, shown in GB.
    const FileSizeEstimate gigabytes = EstimateBytesFromPixels(1e9f, 24);
    const struct {
        FileSizeEstimate size;
        char language, separator;
        const char* text;
    } cases[] = {
        {letter, 'E', '.', "24.07 MB"},    {letter, 'F', ',', "24,07 Mo"},    {tiny, 'E', '.', "1 Bytes"},
        {tiny, 'F', '.', "1 O"},           {tiny, 'G', '.', "1 Byte"},        {tiny, 'I', '.', "1 byte"},
        {kilobytes, 'E', '.', "29.29 KB"}, {kilobytes, 'F', '.', "29.29 Ko"}, {twoMegabytes, 'E', '.', "2.00 MB"},
        {gigabytes, 'E', '.', "2.79 GB"},  {gigabytes, 'F', ',', "2,79 Go"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFileSize(c.size, c.language, c.separator), c.text) << c.text;
    }
}

TEST(SizeDisplayTest, ShowsTheSelectionAndKeepsLargePixelOutputsHundredfold) {
    SizeDisplayInput input;
    input.selWidth = 850;
    input.selHeight = 1100;
    input.resolution = 300;
    input.unit = UnitKind::kCentimetres;
    input.bitsPerPixel = 24;
    SizeDisplay display = ComputeSizeDisplay(input);
    EXPECT_EQ(std::tuple(display.outHeight, display.height, display.outWidthText, display.fileSize),
              std::tuple(1100u, "27.94", "21.59", "24.07 MB"));

    // Above 999 dpi in pixels with an empty dimension the output is kept 100 times larger.
    input.selHeight = 0;
    input.resolution = 1200;
    input.unit = UnitKind::kPixels;
    display = ComputeSizeDisplay(input);
    EXPECT_EQ(
        std::tuple(display.outWidth, display.outWidthText, display.width, display.outHeightText, display.fileSize),
        std::tuple(85000u, "10200", "10200", "0", "1 Bytes"));
    input.resolution = 999;
    EXPECT_EQ(ComputeSizeDisplay(input).outWidth, 850u);
}

}  // namespace
}  // namespace korva
