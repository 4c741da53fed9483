// Loading a library by path and looking up its entries by name.
#pragma once

#include <string>

namespace korva {

class LibraryLoader {
  public:
    using Handle = void*;
    using Entry = void*;
    virtual ~LibraryLoader() = default;
    // Null when the library cannot be loaded. Each successful load adds a reference that Release drops.
    virtual Handle Load(const std::string& path) = 0;
    virtual Entry Lookup(Handle library, const std::string& name) = 0;
    virtual void Release(Handle library) = 0;
};

}  // namespace korva
