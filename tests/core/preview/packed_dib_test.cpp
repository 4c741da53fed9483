#include "core/preview/packed_dib.h"

#include <gtest/gtest.h>

#include <tuple>

namespace korva {
namespace {

TEST(PackedDibTest, AMadeBitmapHasPaddedRowsAndParses) {
    const PackedDib bitmap = MakePackedDib24(101, 3);
    ASSERT_EQ(bitmap.size(), 40u + 304u * 3u);
    EXPECT_EQ(ReadU32(bitmap, dib::kSizeImage), 912u);
    const auto layout = ParsePackedDib(bitmap);
    ASSERT_TRUE(layout);
    EXPECT_EQ(std::tuple(layout->width, layout->height, layout->stride, layout->pixelOffset),
              std::tuple(101, 3, 304u, 40u));
    EXPECT_EQ(std::tuple(Stride24(1), Stride24(4)), std::tuple(4u, 12u));
    EXPECT_TRUE(MakePackedDib24(0, 5).empty());
    EXPECT_TRUE(MakePackedDib24(5, -1).empty());
}

TEST(PackedDibTest, AColourTableLiesBetweenHeaderAndPixels) {
    PackedDib bitmap(40 + 256 * 4 + 4 * 2, 0);
    WriteU32(bitmap, dib::kSize, 40);
    WriteU32(bitmap, dib::kWidth, 3);
    WriteU32(bitmap, dib::kHeight, 2);
    WriteU16(bitmap, dib::kBitCount, 8);
    ASSERT_TRUE(ParsePackedDib(bitmap));
    EXPECT_EQ(ParsePackedDib(bitmap)->pixelOffset, 40u + 1024u);
    WriteU32(bitmap, dib::kClrUsed, 2);
    EXPECT_EQ(ParsePackedDib(bitmap)->pixelOffset, 48u);
    WriteU32(bitmap, dib::kClrUsed, 257);
    EXPECT_FALSE(ParsePackedDib(bitmap));
}

TEST(PackedDibTest, HeadersThatLieAreRejected) {
    const PackedDib good = MakePackedDib24(10, 10);
    auto with = [&](size_t offset, uint32_t value, bool wide = true) {
        PackedDib b = good;
        if (wide) {
            WriteU32(b, offset, value);
        } else {
            WriteU16(b, offset, static_cast<uint16_t>(value));
        }
        return ParsePackedDib(b).has_value();
    };
    EXPECT_TRUE(with(dib::kSizeImage, 0));
    EXPECT_FALSE(with(dib::kSizeImage, 401));  // more than the bytes behind the header
    EXPECT_FALSE(with(dib::kWidth, 0));
    EXPECT_FALSE(with(dib::kHeight, static_cast<uint32_t>(-10)));  // top-down
    EXPECT_FALSE(with(dib::kWidth, 11));                           // rows beyond the data
    EXPECT_FALSE(with(dib::kBitCount, 12, false));
    EXPECT_FALSE(with(dib::kCompression, 1));
    EXPECT_FALSE(with(dib::kSize, 39));
    EXPECT_FALSE(with(dib::kSize, 0xFFFFFFFFu));
    EXPECT_FALSE(with(dib::kClrUsed, 0x40000000u));
    PackedDib huge = good;  // 65536 x 65536 pixels overflow 32 bits
    WriteU32(huge, dib::kWidth, 0x10000);
    WriteU32(huge, dib::kHeight, 0x10000);
    EXPECT_FALSE(ParsePackedDib(huge));
    EXPECT_FALSE(ParsePackedDib(std::span<const uint8_t>(good.data(), 39)));
}

TEST(PackedDibTest, APreviewIsA24BitPictureWhoseSizeCoversItsRows) {
    PackedDib bitmap = MakePackedDib24(10, 10);
    EXPECT_TRUE(ParsePreviewDib(bitmap));
    WriteU32(bitmap, dib::kSizeImage, 319);  // valid as a bitmap, but the preview file would lose a byte
    EXPECT_TRUE(ParsePackedDib(bitmap));
    EXPECT_FALSE(ParsePreviewDib(bitmap));
    WriteU32(bitmap, dib::kSizeImage, 320);
    WriteU16(bitmap, dib::kBitCount, 32);  // 8-bit and 32-bit pictures cannot be shown
    WriteU32(bitmap, dib::kWidth, 8);
    EXPECT_TRUE(ParsePackedDib(bitmap));
    EXPECT_FALSE(ParsePreviewDib(bitmap));
}

}  // namespace
}  // namespace korva
