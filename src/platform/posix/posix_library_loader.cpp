#include "platform/posix/posix_library_loader.h"

#include <dlfcn.h>

#include "platform/posix/posix_path.h"

namespace korva {

LibraryLoader::Handle PosixLibraryLoader::Load(const std::string& path) {
    return ::dlopen(ToPosixPath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
}

LibraryLoader::Entry PosixLibraryLoader::Lookup(Handle library, const std::string& name) {
    return library ? ::dlsym(library, name.c_str()) : nullptr;
}

void PosixLibraryLoader::Release(Handle library) {
    if (library) {
        ::dlclose(library);
    }
}

}  // namespace korva
