// A fresh folder per test, removed afterwards; stands for the Windows directory in native tests.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

namespace korva::test {

class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "korva-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // A path below the folder in the Windows form the logic uses.
    std::string Win(const std::string& relative) const { return path_ + relative; }

    void WriteFile(const std::string& relative, const std::string& bytes) const {
        const std::filesystem::path file = Posix(relative);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::string ReadFile(const std::string& relative) const {
        std::ifstream in(Posix(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool Exists(const std::string& relative) const { return std::filesystem::exists(Posix(relative)); }

  private:
    std::filesystem::path Posix(std::string relative) const {
        std::ranges::replace(relative, '\\', '/');
        return path_ + relative;
    }

    std::string path_;
};

}  // namespace korva::test
