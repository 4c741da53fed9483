#include "core/settings/record_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <tuple>

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
    Put32(bytes, 0, 10);                         // view left
    Put32(bytes, 28, 0xFFFFFFFF);                // view tenths bottom: -1
    Put32(bytes, 44, 4400);                      // full-preview tenths bottom
    Put32(bytes, 48, 8500);                      // document left
    Put32(bytes, 64 + 0, 1);                     // docSource
    Put32(bytes, 64 + 16, 2);                    // unit
    Put32(bytes, 64 + 72, 6);                    // tone map index
    Put32(bytes, 64 + 140, 0x3F800000);          // channel gamma red: 1.0f
    Put32(bytes, 64 + 176, 1);                   // dark document
    std::memcpy(&bytes[64 + 180], "Darken", 6);  // tone map name
    Put32(bytes, 64 + 254, 11);                  // tone map value 0
    Put32(bytes, 64 + 350, 443);                 // tone map value 24
    Put32(bytes, 64 + 366, 25);                  // selection top
    Put32(bytes, 64 + 378, 0x40200000);          // focus position: 2.5f
    Put32(bytes, 446, 100);                      // zoom areaLeft
    Put32(bytes, 490, 1100);                     // zoom scanned height
    Put32(bytes, 506, 77);                       // zoom rectangle bottom
    Put32(bytes, 510, 0xDEADBEEF);               // list link

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
