// Libraries on POSIX, through the dynamic loader.
#pragma once

#include "platform/library_loader.h"

namespace korva {

class PosixLibraryLoader final : public LibraryLoader {
  public:
    Handle Load(const std::string& path) override;
    Entry Lookup(Handle library, const std::string& name) override;
    void Release(Handle library) override;
};

}  // namespace korva
