#include "core/imaging/tab_picture.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/preview/packed_dib.h"

namespace korva {
namespace {

// A packed bitmap of `width` x `height` pixels at `bitCount` bits with `colours` table entries.
std::vector<uint8_t> MakeBitmap(int32_t width, int32_t height, uint16_t bitCount, uint32_t colours) {
    const size_t stride = (static_cast<size_t>(width) * bitCount + 31) / 32 * 4;
    std::vector<uint8_t> bytes(40 + colours * 4 + stride * static_cast<size_t>(height));
    WriteU32(bytes, dib::kSize, 40);
    WriteU32(bytes, dib::kWidth, static_cast<uint32_t>(width));
    WriteU32(bytes, dib::kHeight, static_cast<uint32_t>(height));
    WriteU16(bytes, dib::kPlanes, 1);
    WriteU16(bytes, dib::kBitCount, bitCount);
    WriteU32(bytes, dib::kClrUsed, colours == 16 ? 0 : colours);
    return bytes;
}

TEST(TabPictureTest, OnlyWholeUncompressedSixteenColourBitmapsAreTaken) {
    // 13 pixels of 4 bits are 7 bytes, padded to 8 per row; bytes after the rows are not counted.
    std::vector<uint8_t> bitmap = MakeBitmap(13, 5, 4, 16);
    bitmap.resize(bitmap.size() + 12);
    const std::optional<TabPictureLayout> layout = ParseTabPicture(bitmap);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->pixelOffset, 40u + 64u);
    EXPECT_EQ(layout->totalBytes, 40u + 64u + 8u * 5u);

    EXPECT_FALSE(ParseTabPicture(MakeBitmap(13, 5, 8, 256)));
    EXPECT_FALSE(ParseTabPicture(MakeBitmap(13, 5, 4, 8)));  // a short colour table
    std::vector<uint8_t> truncated = MakeBitmap(13, 5, 4, 16);
    truncated.pop_back();
    EXPECT_FALSE(ParseTabPicture(truncated));
    std::vector<uint8_t> compressed = MakeBitmap(13, 5, 4, 16);
    WriteU32(compressed, dib::kCompression, 2);
    EXPECT_FALSE(ParseTabPicture(compressed));
    EXPECT_FALSE(ParseTabPicture(std::vector<uint8_t>(20)));
}

TEST(TabPictureTest, TheFaceColourGoesIntoEntrySevenInBlueGreenRedOrder) {
    std::vector<uint8_t> bitmap = MakeBitmap(4, 4, 4, 16);
    std::vector<uint8_t> expected = bitmap;
    std::copy_n(std::array<uint8_t, 3>{0xC8, 0xD0, 0xD4}.begin(), 3, expected.begin() + 40 + 28);
    PutFaceColour(bitmap, 0xD4, 0xD0, 0xC8);
    EXPECT_EQ(bitmap, expected);
}

}  // namespace
}  // namespace korva
