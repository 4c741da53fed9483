// Maps the Windows-style paths of the logic onto the POSIX file system.
#pragma once

#include <string>

namespace korva {

// Backslashes become slashes, and each existing component is matched without regard to case, so that
// "Env.stt" finds a file written as "ENV.stt". Components that do not exist are kept as given.
std::string ToPosixPath(const std::string& windowsPath);

}  // namespace korva
