#include "platform/posix/posix_file_system.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "platform/posix/posix_path.h"

namespace korva {
namespace {

class PosixFile final : public File {
  public:
    explicit PosixFile(FILE* stream) : stream_(stream) {}
    ~PosixFile() override { std::fclose(stream_); }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    size_t Read(void* buffer, size_t size) override { return std::fread(buffer, 1, size, stream_); }
    size_t Write(const void* buffer, size_t size) override { return std::fwrite(buffer, 1, size, stream_); }
    bool Seek(uint64_t offset) override { return ::fseeko(stream_, static_cast<off_t>(offset), SEEK_SET) == 0; }
    bool Flush() override { return std::fflush(stream_) == 0; }
    uint64_t Size() override {
        struct stat info {};
        return ::fstat(::fileno(stream_), &info) == 0 ? static_cast<uint64_t>(info.st_size) : 0;
    }

  private:
    FILE* stream_;
};

}  // namespace

std::unique_ptr<File> PosixFileSystem::Open(const std::string& path, FileMode mode) {
    const std::string posixPath = ToPosixPath(path);
    if (mode == FileMode::kRead) {
        struct stat info {};
        if (::stat(posixPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
            return nullptr;
        }
    }
    FILE* stream = std::fopen(posixPath.c_str(), mode == FileMode::kRead ? "rb" : "wb");
    if (!stream) {
        return nullptr;
    }
    return std::make_unique<PosixFile>(stream);
}

bool PosixFileSystem::Delete(const std::string& path) {
    return ::unlink(ToPosixPath(path).c_str()) == 0;
}

bool PosixFileSystem::Replace(const std::string& from, const std::string& to) {
    return std::rename(ToPosixPath(from).c_str(), ToPosixPath(to).c_str()) == 0;
}

bool PosixFileSystem::Exists(const std::string& path) {
    struct stat info {};
    return ::stat(ToPosixPath(path).c_str(), &info) == 0;
}

bool PosixFileSystem::MakeDirectory(const std::string& path) {
    return ::mkdir(ToPosixPath(path).c_str(), 0755) == 0;
}

bool PosixFileSystem::ChangeDirectory(const std::string& path) {
    return ::chdir(ToPosixPath(path).c_str()) == 0;
}

std::string PosixFileSystem::CurrentDirectory() {
    char buffer[4096];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

std::vector<std::string> PosixFileSystem::List(const std::string& directory, const std::string& pattern) {
    std::vector<std::string> names;
    const std::string posixDirectory = ToPosixPath(directory);
    DIR* dir = ::opendir(posixDirectory.c_str());
    if (!dir) {
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        struct stat info {};
        if (::fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0 &&
            ::stat((posixDirectory + "/" + name).c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            names.push_back(name);
        }
    }
    ::closedir(dir);
    return names;
}

}  // namespace korva
