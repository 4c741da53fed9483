// Profile files on POSIX: our own INI reader and writer with the Windows profile semantics.
#pragma once

#include "platform/profile.h"

namespace korva {

class PosixProfile final : public Profile {
  public:
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
};

}  // namespace korva
