#include "core/settings/units.h"

#include <gtest/gtest.h>

#include <utility>

namespace korva {
namespace {

TEST(ParseDisplayNumberTest, ReadsHundredthsWithTheLocaleSeparatorAndRejectsEverythingElse) {
    // Only 11 characters are read: the trailing "x" of the ninth is never seen. The whole part before a
    // separator is a 16-bit number; without one, the value times 100 wraps at 32 bits.
    const std::pair<const char*, uint32_t> good[] = {
        {"8.5", 850}, {"8.05", 805},   {"8.567", 856},        {"8.", 800},      {".5", 50},     {"12", 1200},
        {"", 0},      {"1.5 in", 150}, {"1.500000000x", 150}, {"65537.5", 150}, {"42949673", 4}};
    for (const auto& [text, value] : good) {
        EXPECT_EQ(ParseDisplayNumber(text, '.'), value) << text;
    }
    EXPECT_EQ(ParseDisplayNumber("8,5", ','), 850u);
    for (const char* bad : {"12 inches", "-1", "+1.5", "1.5x", "1 000"}) {
        EXPECT_FALSE(ParseDisplayNumber(bad, '.')) << bad;
    }
    EXPECT_FALSE(ParseDisplayNumber("8.5", ','));
}

TEST(FormatLengthTest, ShowsLengthsInEachUnitWithBothPixelRules) {
    EXPECT_EQ(ToUnitKind(7), UnitKind::kInches);  // any unknown unit
    EXPECT_EQ(FormatDocumentLength(850, UnitKind::kInches, 300, PixelRule::kSizeDisplay, '.'), "8.50");
    EXPECT_EQ(FormatDocumentLength(850, UnitKind::kCentimetres, 300, PixelRule::kSizeDisplay, '.'), "21.59");
    EXPECT_EQ(FormatDocumentLength(850, UnitKind::kPixels, 300, PixelRule::kSizeDisplay, '.'), "2550");
    EXPECT_EQ(FormatDocumentLength(850, UnitKind::kInches, 300, PixelRule::kSizeDisplay, ','), "8,50");
    // Zero shows as 0.01; one hundredth of an inch is 0.0254 cm, shown as 0.02.
    EXPECT_EQ(FormatDocumentLength(0, UnitKind::kInches, 300, PixelRule::kSizeDisplay, '.'), "0.01");
    EXPECT_EQ(FormatDocumentLength(0, UnitKind::kCentimetres, 300, PixelRule::kSizeDisplay, '.'), "0.01");
    EXPECT_EQ(FormatDocumentLength(1, UnitKind::kCentimetres, 300, PixelRule::kSizeDisplay, '.'), "0.02");
    EXPECT_EQ(FormatDisplayValue(805, UnitKind::kCentimetres, ','), "8,05");
    EXPECT_EQ(FormatDisplayValue(255099, UnitKind::kPixels, '.'), "2550");

    // 150 dpi is not a multiple of 100: the size display multiplies exactly, a unit change by 150 / 100.
    EXPECT_EQ(DocumentToPixels(20001, 150, PixelRule::kSizeDisplay), 30001u);
    EXPECT_EQ(DocumentToPixels(20001, 150, PixelRule::kUnitChange), 20001u);
    EXPECT_EQ(DocumentToPixels(10000, 150, PixelRule::kUnitChange), 15000u);
    // The exact product wraps at 32 bits.
    EXPECT_EQ(DocumentToPixels(30000000, 250, PixelRule::kSizeDisplay), 32050327u);
}

TEST(ConversionTest, DisplayValuesBecomeDocumentLengthsRoundedUp) {
    EXPECT_EQ(DisplayToDocument(2159, UnitKind::kCentimetres, 300), 850u);  // 21.59 cm -> 8.50 in
    EXPECT_EQ(DisplayToDocument(255000, UnitKind::kPixels, 300), 850u);
    EXPECT_EQ(DisplayToDocument(255001, UnitKind::kPixels, 300), 851u);
    EXPECT_EQ(DisplayToDocument(255001, UnitKind::kPixels, 0), 0u);

    EXPECT_EQ(DisplayToTransferPixels(850, UnitKind::kInches, 300) / 100, 2550u);
    EXPECT_EQ(DisplayToTransferPixels(2159, UnitKind::kCentimetres, 300) / 100, 2550u);
    EXPECT_EQ(DisplayToTransferPixels(2158, UnitKind::kCentimetres, 300), 254881u);
    EXPECT_EQ(DisplayToTransferPixels(60000, UnitKind::kPixels, 300) / 100, 600u);
}

TEST(ConversionTest, SizeFieldsMapOntoThePreviewAlongTheirAxis) {
    PreviewView view;
    view.viewWidth = 340;
    view.viewHeight = 440;
    view.areaWidth = 850;
    view.areaHeight = 1100;
    EXPECT_EQ(DocumentToPreview(SizeField::kOutHeight, 550, view), 220u);
    EXPECT_EQ(DocumentToPreview(SizeField::kWidth, 3, view), 1u);  // 1.2 rounds to 1
    EXPECT_EQ(DocumentToPreview(SizeField::kWidth, 4, view), 2u);  // 1.6 rounds to 2

    EXPECT_EQ(DisplayToPreview(SizeField::kWidth, 850, view, 100, UnitKind::kInches, 300), 340u);
    EXPECT_EQ(DisplayToPreview(SizeField::kOutWidth, 850, view, 200, UnitKind::kInches, 300), 170u);
    EXPECT_EQ(DisplayToPreview(SizeField::kWidth, 850, view, 100, UnitKind::kPixels, 300), 2u);
    EXPECT_EQ(DisplayToPreview(SizeField::kWidth, 850, view, 100, UnitKind::kCentimetres, 300), 134u);

    view.areaWidth = 0;
    EXPECT_EQ(DocumentToPreview(SizeField::kWidth, 850, view), 0u);
}

}  // namespace
}  // namespace korva
