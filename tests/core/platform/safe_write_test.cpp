#include <gtest/gtest.h>

#include "core/preview/image_files.h"
#include "core/settings/settings_file.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_profile.h"
#include "support/temp_dir.h"

namespace korva {
namespace {

// The POSIX file system, except that every file opened for writing stops taking bytes after `budget`
// of them, as a full disk or a killed process would leave it.
class FailingFiles final : public FileSystem {
  public:
    explicit FailingFiles(size_t budget) : budget_(budget) {}

    std::unique_ptr<File> Open(const std::string& path, FileMode mode) override {
        auto file = real_.Open(path, mode);
        if (!file || mode == FileMode::kRead) {
            return file;
        }
        return std::make_unique<FailingFile>(std::move(file), budget_);
    }
    bool Delete(const std::string& path) override { return real_.Delete(path); }
    bool Replace(const std::string& from, const std::string& to) override { return real_.Replace(from, to); }
    bool Exists(const std::string& path) override { return real_.Exists(path); }
    bool MakeDirectory(const std::string& path) override { return real_.MakeDirectory(path); }
    bool ChangeDirectory(const std::string& path) override { return real_.ChangeDirectory(path); }
    std::string CurrentDirectory() override { return real_.CurrentDirectory(); }
    std::vector<std::string> List(const std::string& directory, const std::string& pattern) override {
        return real_.List(directory, pattern);
    }

  private:
    class FailingFile final : public File {
      public:
        FailingFile(std::unique_ptr<File> file, size_t budget) : file_(std::move(file)), budget_(budget) {}
        size_t Read(void* buffer, size_t size) override { return file_->Read(buffer, size); }
        size_t Write(const void* buffer, size_t size) override {
            const size_t taken = file_->Write(buffer, std::min(size, budget_));
            budget_ -= taken;
            return taken;
        }
        bool Seek(uint64_t offset) override { return file_->Seek(offset); }
        uint64_t Size() override { return file_->Size(); }
        bool Flush() override { return file_->Flush(); }

      private:
        std::unique_ptr<File> file_;
        size_t budget_;
    };

    PosixFileSystem real_;
    size_t budget_;
};

class SafeWriteTest : public ::testing::Test {
  protected:
    // The file `name` holds `before`, and no temporary file is left beside it.
    void ExpectUntouched(const std::string& name, const std::string& before) {
        EXPECT_EQ(dir.ReadFile(name), before) << name;
        EXPECT_FALSE(dir.Exists(name + ".new")) << name;
    }

    test::TempDir dir;
    PosixFileSystem files;
};

TEST_F(SafeWriteTest, AWriteThatFailsHalfwayLeavesThePreviousFileWhole) {
    SettingsBlock block{};
    std::vector<Marquee> marquees(3);
    const PackedDib image = MakePackedDib24(300, 200);
    for (const char* name : {"\\ENV0000.set", "\\Env.stt", "\\mrqsav.tmp"}) {
        ASSERT_TRUE(WriteSettingsFile(files, dir.Win(name), "Old", marquees, block));
    }
    ASSERT_EQ(WriteImageFile(files, dir.Win("\\PREVIB7.BMP"), image), ImageWriteResult::kWritten);
    dir.WriteFile("\\LOMTWNS.ini", "[Settings]\r\nDISP UNIT=1\r\n");
    const std::string oldSettings = dir.ReadFile("\\ENV0000.set");
    const std::string oldImage = dir.ReadFile("\\PREVIB7.BMP");

    for (size_t budget : {size_t{0}, size_t{20}, size_t{1000}}) {
        FailingFiles failing(budget);
        for (const char* name : {"\\ENV0000.set", "\\Env.stt", "\\mrqsav.tmp"}) {
            EXPECT_FALSE(WriteSettingsFile(failing, dir.Win(name), "New", marquees, block));
            ExpectUntouched(name, oldSettings);
        }
        // 54 + 180000 bytes, written in pieces: the failure falls into the first, second or later piece.
        FailingFiles failingLater(budget * 40);
        EXPECT_EQ(WriteImageFile(failingLater, dir.Win("\\PREVIB7.BMP"), image), ImageWriteResult::kShortWrite);
        ExpectUntouched("\\PREVIB7.BMP", oldImage);
    }
    FailingFiles failing(10);
    PosixProfile failingProfile(failing);
    EXPECT_FALSE(failingProfile.WriteString(dir.Win("\\LOMTWNS.ini"), "Settings", "DISP UNIT", "2"));
    ExpectUntouched("\\LOMTWNS.ini", "[Settings]\r\nDISP UNIT=1\r\n");

    // Written whole, the new contents take the old file's place.
    PosixProfile profile;
    EXPECT_TRUE(profile.WriteString(dir.Win("\\LOMTWNS.ini"), "Settings", "DISP UNIT", "2"));
    EXPECT_EQ(profile.ReadInt(dir.Win("\\LOMTWNS.ini"), "Settings", "DISP UNIT", 0), 2);
    EXPECT_TRUE(WriteSettingsFile(files, dir.Win("\\Env.stt"), "New", {}, block));
    EXPECT_EQ(ReadSettingsName(files, dir.Win("\\Env.stt")), "New");
    EXPECT_FALSE(dir.Exists("\\Env.stt.new"));
}

}  // namespace
}  // namespace korva
