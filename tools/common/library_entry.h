// Typed lookup of a library's entry by name.
#pragma once

#include <windows.h>

namespace korva::tools {

template <typename Proc>
Proc LibraryEntry(HMODULE library, const char* name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
}

}  // namespace korva::tools
