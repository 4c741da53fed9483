#include <vector>

#include "platform/win32/win32_services.h"

namespace korva {

int32_t Win32Profile::ReadInt(const std::string& file,
                              const std::string& section,
                              const std::string& key,
                              int32_t def) {
    return static_cast<int32_t>(
        ::GetPrivateProfileIntA(section.c_str(), key.c_str(), static_cast<INT>(def), file.c_str()));
}

std::string Win32Profile::ReadString(const std::string& file,
                                     const std::string& section,
                                     const std::string& key,
                                     const std::string& def,
                                     size_t capacity) {
    if (capacity == 0) {
        return {};
    }
    std::vector<char> buffer(capacity, '\0');
    const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer.data(),
                                                    static_cast<DWORD>(capacity), file.c_str());
    return std::string(buffer.data(), length < capacity ? length : capacity - 1);
}

bool Win32Profile::WriteString(const std::string& file,
                               const std::string& section,
                               const std::string& key,
                               const std::string& value) {
    return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

bool Win32Profile::DeleteProfileFile(const std::string& file) {
    // Flush the profile cache so that the deletion is not undone by a pending write.
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    return ::DeleteFileA(file.c_str()) != FALSE;
}

}  // namespace korva
