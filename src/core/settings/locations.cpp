#include "core/settings/locations.h"

#include <cctype>

#include "core/settings/fixed_text.h"

namespace korva {

std::string WindowsDirectory(SystemFacts& system) {
    return Bounded(system.WindowsDirectory(), kWindowsDirectoryCapacity);
}

std::string IniPath(SystemFacts& system) {
    return Bounded(WindowsDirectory(system) + kDriverFolder + kIniFileName, kIniPathCapacity);
}

std::string ExtractVersionText(std::string_view text) {
    const size_t first = text.find_first_of("0123456789");
    if (first == std::string_view::npos) {
        return {};
    }
    size_t end = first;
    while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) {
        ++end;
    }
    return std::string(text.substr(first, end - first));
}

}  // namespace korva
