// Files and directories. Paths are Windows-style texts ("C:\WINDOWS\TWAIN_32\VELDRIX\PREVIB7.BMP");
// implementations map them onto their platform, and names match without regard to case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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
    // Hands what was written so far to the file system; false when it could not be stored.
    virtual bool Flush() = 0;
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
    // Puts the file `from` in the place of `to`, replacing a file already there.
    virtual bool Replace(const std::string& from, const std::string& to) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool MakeDirectory(const std::string& path) = 0;
    virtual bool ChangeDirectory(const std::string& path) = 0;
    virtual std::string CurrentDirectory() = 0;
    // Names (without folder) of the files in `directory` that match `pattern`, a file-name pattern with
    // '*' and '?' such as "*.set", in the order the platform lists them.
    virtual std::vector<std::string> List(const std::string& directory, const std::string& pattern) = 0;
};

enum class WriteOutcome {
    kWritten,
    kNotOpened,   // the temporary file could not be created; nothing changed
    kIncomplete,  // writing or putting in place failed; the previous file is as it was
};

// The temporary file WriteThroughTemporary uses for `path`, in the same folder.
inline std::string TemporaryPathFor(const std::string& path) {
    return path + ".new";
}

// Writes `path` through a temporary file: `write` fills it, and only when it reports success and
// everything was stored does the temporary file replace `path`; otherwise it is deleted. A failed or
// interrupted write never leaves a partly written file in place of a good one. Inline, so that the
// core, which reaches files only through these interfaces, needs no platform library to use it.
inline WriteOutcome WriteThroughTemporary(FileSystem& files,
                                          const std::string& path,
                                          const std::function<bool(File&)>& write) {
    const std::string temporary = TemporaryPathFor(path);
    auto file = files.Open(temporary, FileMode::kCreateWrite);
    if (!file) {
        return WriteOutcome::kNotOpened;
    }
    const bool written = write(*file) && file->Flush();
    file.reset();
    if (written && files.Replace(temporary, path)) {
        return WriteOutcome::kWritten;
    }
    files.Delete(temporary);
    return WriteOutcome::kIncomplete;
}

// Reads the whole of a file that is at most `limit` bytes long; false when it is missing, unreadable or larger.
bool ReadWholeFile(FileSystem& files, const std::string& path, size_t limit, std::vector<uint8_t>& bytes);

}  // namespace korva
