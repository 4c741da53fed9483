#include "core/boundary/data_source_calls.h"

namespace korva {

intptr_t CallDataSource(LibraryLoader& loader, const std::string& libraryPath, const char* entryName) {
    LibraryLoader::Handle library = loader.Load(libraryPath);
    if (!library) {
        return 0;
    }
    LibraryLoader::Entry entry = loader.Lookup(library, entryName);
    if (!entry) {
        return 0;
    }
    // The entries take no arguments, so the caller-cleanup and callee-cleanup conventions agree.
    using EntryProc = intptr_t (*)();
    const intptr_t result = reinterpret_cast<EntryProc>(entry)();
    loader.Release(library);
    return result;
}

}  // namespace korva
