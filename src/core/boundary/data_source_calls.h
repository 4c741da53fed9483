// Calls into the data source by name. Each call loads the data-source library by its path, looks the
// entry up, calls it without arguments and releases the library again; since the data source has loaded
// this module already, the load only adds a reference.
#pragma once

#include <cstdint>
#include <string>

#include "platform/library_loader.h"

namespace korva {

inline constexpr char kEntryPreviewScan[] = "UIPreviewScan";
inline constexpr char kEntryFinalScan[] = "UIFinalScan";
inline constexpr char kEntryCloseScan[] = "UICloseScan";

// The entry's result; 0 when the library cannot be loaded, and 0 when the entry is missing, in which
// case the reference the load added is left in place.
intptr_t CallDataSource(LibraryLoader& loader, const std::string& libraryPath, const char* entryName);

}  // namespace korva
