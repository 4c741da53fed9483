#include "core/preview/image_files.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_profile.h"
#include "support/temp_dir.h"

namespace korva {
namespace {

class ImageFilesTest : public ::testing::Test {
  protected:
    ImageFilesTest() { dir.WriteFile("\\LOMTWNS.ini", "[Settings]\r\nSrc Size=1024\r\n"); }
    std::string Path() const { return dir.Win("\\PREVIB7.BMP"); }
    ImageReadContext Context(int32_t screenWidth = 1024) {
        return ImageReadContext{profile, dir.Win("\\LOMTWNS.ini"), screenWidth};
    }
    static PackedDib Pattern(int32_t width, int32_t height) {
        PackedDib bitmap = MakePackedDib24(width, height);
        for (size_t i = kInfoHeaderBytes; i < bitmap.size(); ++i) {
            bitmap[i] = static_cast<uint8_t>(i * 7);
        }
        return bitmap;
    }
    bool ReadBytes(const std::string& bytes, PackedDib& slot) {
        dir.WriteFile("\\PREVIB7.BMP", bytes);
        return ReadImageFile(files, Context(), Path(), slot);
    }

    test::TempDir dir;
    PosixFileSystem files;
    PosixProfile profile;
};

TEST_F(ImageFilesTest, WritesAStandardBitmapFileWithPaddedRows) {
    const PackedDib bitmap = Pattern(101, 3);
    EXPECT_EQ(WriteImageFile(files, Path(), bitmap), ImageWriteResult::kWritten);
    const std::string file = dir.ReadFile("\\PREVIB7.BMP");
    ASSERT_EQ(file.size(), 54u + 912u);
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(file.data()), file.size());
    // "BM", the file size, two reserved words and the offset of the pixels.
    EXPECT_EQ(std::tuple(ReadU16(bytes, 0), ReadU32(bytes, 2), ReadU32(bytes, 6), ReadU32(bytes, 10)),
              std::tuple(0x4D42, 966u, 0u, 54u));
    EXPECT_TRUE(std::equal(bitmap.begin(), bitmap.end(), bytes.begin() + 14));
}

TEST_F(ImageFilesTest, ReadingGivesBackEverythingBehindTheFileHeader) {
    const PackedDib bitmap = Pattern(200, 100);  // 60000 bytes of pixels: written and read in pieces
    ASSERT_EQ(WriteImageFile(files, Path(), bitmap), ImageWriteResult::kWritten);
    PackedDib slot;
    ASSERT_TRUE(ReadImageFile(files, Context(), Path(), slot));
    EXPECT_EQ(slot, bitmap);

    // An 8-bit bitmap with its colour table comes back whole.
    PackedDib paletted(40 + 1024 + 8, 0);
    WriteU32(paletted, dib::kSize, 40);
    WriteU32(paletted, dib::kWidth, 3);
    WriteU32(paletted, dib::kHeight, 2);
    WriteU16(paletted, dib::kBitCount, 8);
    paletted[100] = 0x55;
    std::string file = "BM" + std::string(12, '\0') + std::string(paletted.begin(), paletted.end());
    file[2] = static_cast<char>(file.size() & 0xFF);
    file[3] = static_cast<char>(file.size() >> 8);
    ASSERT_TRUE(ReadBytes(file, slot));
    EXPECT_EQ(slot, paletted);
}

TEST_F(ImageFilesTest, AChangedScreenSizeClassMakesTheSavedPreviewUnreadable) {
    ASSERT_EQ(WriteImageFile(files, Path(), Pattern(4, 4)), ImageWriteResult::kWritten);
    PackedDib slot{1, 2, 3};
    EXPECT_FALSE(ReadImageFile(files, Context(800), Path(), slot));
    EXPECT_EQ(slot, (PackedDib{1, 2, 3}));  // left as it was
    dir.WriteFile("\\LOMTWNS.ini", "[Settings]\r\n");
    EXPECT_TRUE(ReadImageFile(files, Context(640), Path(), slot));  // default class 640
    EXPECT_EQ(std::tuple(ScreenSizeClass(799), ScreenSizeClass(800), ScreenSizeClass(1000), ScreenSizeClass(1001)),
              std::tuple(640, 800, 800, 1024));
}

TEST_F(ImageFilesTest, AMissingImageDeletesTheFileAndAnUnwritableFocusFileIsDeleted) {
    dir.WriteFile("\\PREVIB7.BMP", "old");
    PackedDib lying = MakePackedDib24(4, 4);
    lying.resize(50);  // shorter than its biSizeImage
    EXPECT_EQ(WriteImageFile(files, Path(), lying), ImageWriteResult::kNoImage);
    EXPECT_FALSE(dir.Exists("\\PREVIB7.BMP"));

    // A folder where the temporary file goes: the stale focus picture is deleted, the previous preview kept.
    for (const std::string name : {"\\FOCUSBB6.BMP", "\\PREVIB7.BMP"}) {
        dir.WriteFile(name, "old");
        dir.WriteFile(name + ".new\\in the way", "");
    }
    EXPECT_EQ(WriteFocusImageFile(files, dir.Win("\\FOCUSBB6.BMP"), Pattern(4, 4)), ImageWriteResult::kNotOpened);
    EXPECT_FALSE(dir.Exists("\\FOCUSBB6.BMP"));
    EXPECT_EQ(WriteImageFile(files, Path(), Pattern(4, 4)), ImageWriteResult::kNotOpened);
    EXPECT_EQ(dir.ReadFile("\\PREVIB7.BMP"), "old");
}

TEST_F(ImageFilesTest, ThePathFollowsTheDriverFolderKey) {
    EXPECT_EQ(ImageFilePath(profile, "C:\\WIN", dir.Win("\\LOMTWNS.ini"), kZoomImageFile),
              "C:\\WIN\\TWAIN_32\\VELDRIX\\ZOOMINB6.BMP");
    dir.WriteFile("\\LOMTWNS.ini", "[QXTWAINds]\r\nQxtwain=\\OTHER\r\n");
    EXPECT_EQ(ImageFilePath(profile, "C:\\WIN", dir.Win("\\LOMTWNS.ini"), kFocusImageFile),
              "C:\\WIN\\OTHER\\FOCUSBB6.BMP");
}

TEST_F(ImageFilesTest, FilesThatLieOrEndEarlyAreRejected) {
    ASSERT_EQ(WriteImageFile(files, Path(), Pattern(10, 10)), ImageWriteResult::kWritten);
    const std::string good = dir.ReadFile("\\PREVIB7.BMP");
    PackedDib slot;
    for (size_t length = 0; length < good.size(); ++length) {
        slot = {9};
        EXPECT_FALSE(ReadBytes(good.substr(0, length), slot)) << length;
        EXPECT_TRUE(slot.empty());
    }
    auto withField = [&](size_t offset, uint32_t value) {
        std::string bytes = good;
        for (size_t i = 0; i < 4; ++i) {
            bytes[offset + i] = static_cast<char>(value >> (8 * i));
        }
        return bytes;
    };
    EXPECT_FALSE(ReadBytes(withField(2, 0x7FFFFFFFu), slot));  // a 2 GB size field
    EXPECT_FALSE(ReadBytes(withField(2, 53), slot));
    EXPECT_FALSE(ReadBytes(withField(14 + dib::kSizeImage, 100000), slot));  // headers as PackedDibTest checks
    EXPECT_TRUE(ReadBytes(good + "trailing", slot));                         // the header's size decides
    EXPECT_EQ(slot.size(), good.size() - 14);
}

}  // namespace
}  // namespace korva
