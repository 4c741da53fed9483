#include "platform/win32/win32_services.h"

namespace korva {

LibraryLoader::Handle Win32LibraryLoader::Load(const std::string& path) {
    // No error box for a missing file: the caller treats a failed load as "no library".
    const UINT previous = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = ::LoadLibraryA(path.c_str());
    ::SetErrorMode(previous);
    return reinterpret_cast<Handle>(module);
}

LibraryLoader::Entry Win32LibraryLoader::Lookup(Handle library, const std::string& name) {
    if (!library) {
        return nullptr;
    }
    return reinterpret_cast<Entry>(::GetProcAddress(static_cast<HMODULE>(library), name.c_str()));
}

void Win32LibraryLoader::Release(Handle library) {
    if (library) {
        ::FreeLibrary(static_cast<HMODULE>(library));
    }
}

}  // namespace korva
