// Profile files on POSIX: our own INI reader and writer with the Windows profile semantics.
#pragma once

#include "platform/file_system.h"
#include "platform/posix/posix_file_system.h"
#include "platform/profile.h"

namespace korva {

// Files are written through a temporary file that replaces the old one only when complete.
class PosixProfile final : public Profile {
  public:
    PosixProfile() : files_(own_) {}
    // Writes through `files` instead of the POSIX file system itself.
    explicit PosixProfile(FileSystem& files) : files_(files) {}
    PosixProfile(const PosixProfile&) = delete;
    PosixProfile& operator=(const PosixProfile&) = delete;

    int32_t ReadInt(const std::string& file, const std::string& section, const std::string& key, int32_t def) override;
    std::string ReadString(const std::string& file,
                           const std::string& section,
                           const std::string& key,
                           const std::string& def,
                           size_t capacity) override;
    bool WriteString(const std::string& file,
                     const std::string& section,
                     const std::string& key,
                     const std::string& value) override;
    bool DeleteProfileFile(const std::string& file) override;

  private:
    PosixFileSystem own_;
    FileSystem& files_;
};

}  // namespace korva
