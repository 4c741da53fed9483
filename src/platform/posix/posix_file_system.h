// Files and directories on POSIX.
#pragma once

#include "platform/file_system.h"

namespace korva {

class PosixFileSystem final : public FileSystem {
  public:
    std::unique_ptr<File> Open(const std::string& path, FileMode mode) override;
    bool Delete(const std::string& path) override;
    bool Replace(const std::string& from, const std::string& to) override;
    bool Exists(const std::string& path) override;
    bool MakeDirectory(const std::string& path) override;
    bool ChangeDirectory(const std::string& path) override;
    std::string CurrentDirectory() override;
    std::vector<std::string> List(const std::string& directory, const std::string& pattern) override;
};

}  // namespace korva
