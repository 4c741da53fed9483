// Files and directories. Paths are Windows-style texts ("C:\WINDOWS\TWAIN_32\VELDRIX\PREVIB7.BMP");
// implementations map them onto their platform, and names match without regard to case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace korva {

class File {
  public:
    virtual ~File() = default;
    // Bytes actually read or written; fewer than asked means the end of the file or an error.
    virtual size_t Read(void* buffer, size_t size) = 0;
    virtual size_t Write(const void* buffer, size_t size) = 0;
    // Moves to an absolute offset; positions past the end are allowed, as with the Windows file functions.
    virtual bool Seek(uint64_t offset) = 0;
    virtual uint64_t Size() = 0;
};

enum class FileMode {
    kRead,         // existing file, reading
    kCreateWrite,  // created or truncated, writing
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Null when the file cannot be opened in that mode.
    virtual std::unique_ptr<File> Open(const std::string& path, FileMode mode) = 0;
    virtual bool Delete(const std::string& path) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool MakeDirectory(const std::string& path) = 0;
    virtual bool ChangeDirectory(const std::string& path) = 0;
    virtual std::string CurrentDirectory() = 0;
    // Names (without folder) of the files in `directory` that match `pattern`, a file-name pattern with
    // '*' and '?' such as "*.set", in the order the platform lists them.
    virtual std::vector<std::string> List(const std::string& directory, const std::string& pattern) = 0;
};

// Reads the whole of a file that is at most `limit` bytes long; false when it is missing, unreadable or larger.
bool ReadWholeFile(FileSystem& files, const std::string& path, size_t limit, std::vector<uint8_t>& bytes);

}  // namespace korva
