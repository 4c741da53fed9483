#include "core/settings/record_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <tuple>
#include <utility>

#include "core/settings/fixed_text.h"

namespace korva {
namespace {

void Put32(std::array<uint8_t, kMarqueeRecordBytes>& bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

TEST(RecordLayoutTest, AHandBuiltMarqueeRecordReadsAtItsOffsetsAndWritesBackWithoutItsListLink) {
    std::array<uint8_t, kMarqueeRecordBytes> bytes{};
    // The fields checked below: view, tenths and document rectangles, the settings block from 64 (the float
    // fields hold 1.0f and 2.5f) and the zoom record from 446; 510 is the list link.
    const std::pair<size_t, uint32_t> fields[] = {
        {0, 10},           {28, 0xFFFFFFFF},  {44, 4400},  {48, 8500}, {64, 1},          {80, 2},
        {136, 6},          {204, 0x3F800000}, {240, 1},    {318, 11},  {414, 443},       {430, 25},
        {442, 0x40200000}, {446, 100},        {490, 1100}, {506, 77},  {510, 0xDEADBEEF}};
    for (const auto& [offset, value] : fields) {
        Put32(bytes, offset, value);
    }
    std::memcpy(&bytes[64 + 180], "Darken", 6);  // the tone map's name

    const Marquee m = DecodeMarquee(bytes);
    EXPECT_EQ(std::tuple(m.view.left, m.viewTenths.bottom, m.fullTenths.bottom, m.document.left),
              std::tuple(10, -1, 4400, 8500));
    const SettingsBlock& b = m.settings;
    EXPECT_EQ(std::tuple(b.docSource, b.unit, b.toneMapIndex, b.channelGamma[0], b.darkDocument, b.selectionTop,
                         b.focusPosition),
              std::tuple(1, 2u, 6, 1.0f, 1, 25, 2.5f));
    EXPECT_EQ(std::tuple(FieldText(b.toneMap.name), b.toneMap.values[0], b.toneMap.values[24]),
              std::tuple("Darken", 11, 443));
    EXPECT_EQ(std::tuple(m.zoom.areaLeft, m.zoom.scannedHeight, m.zoomRect.bottom), std::tuple(100, 1100, 77));

    std::array<uint8_t, kMarqueeRecordBytes> written{};
    EncodeMarquee(m, written);
    Put32(bytes, 510, 0);
    EXPECT_EQ(written, bytes);
}

TEST(RecordLayoutTest, AnyBytesReadAndWriteBackUnchanged) {
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::array<uint8_t, kMarqueeRecordBytes> bytes{};
        for (size_t i = 0; i < 510; ++i) {
            bytes[i] = static_cast<uint8_t>(random());
        }
        std::array<uint8_t, kMarqueeRecordBytes> marquee{};
        EncodeMarquee(DecodeMarquee(bytes), marquee);
        EXPECT_EQ(marquee, bytes);

        std::array<uint8_t, kSettingsBlockBytes> block{};
        const std::span<const uint8_t, kSettingsBlockBytes> source(bytes.data() + 64, kSettingsBlockBytes);
        EncodeSettingsBlock(DecodeSettingsBlock(source), block);
        EXPECT_TRUE(std::equal(block.begin(), block.end(), source.begin()));

        std::array<uint8_t, kCatalogueRowBytes> row{};
        const std::span<const uint8_t, kCatalogueRowBytes> rowSource(bytes.data() + 200, kCatalogueRowBytes);
        EncodeCatalogueRow(DecodeCatalogueRow(rowSource), row);
        EXPECT_TRUE(std::equal(row.begin(), row.end(), rowSource.begin()));
    }
}

}  // namespace
}  // namespace korva
