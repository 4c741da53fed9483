#include "platform/win32/win32_services.h"

namespace korva {

std::string Win32SystemFacts::WindowsDirectory() {
    if (!windowsDirectoryOverride_.empty()) {
        return windowsDirectoryOverride_;
    }
    char buffer[MAX_PATH + 1] = {};
    const UINT length = ::GetWindowsDirectoryA(buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

int Win32SystemFacts::ScreenWidth() {
    return ::GetSystemMetrics(SM_CXSCREEN);
}

int Win32SystemFacts::CaptionHeight() {
    return ::GetSystemMetrics(SM_CYCAPTION);
}

OsVersion Win32SystemFacts::Version() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const BOOL ok = ::GetVersionExA(&info);
#pragma GCC diagnostic pop
    OsVersion version;
    if (ok) {
        version.platform = static_cast<int>(info.dwPlatformId);
        version.major = static_cast<int>(info.dwMajorVersion);
        version.minor = static_cast<int>(info.dwMinorVersion);
    }
    return version;
}

char Win32SystemFacts::DecimalSeparator() {
    char buffer[2] = {};
    ::GetProfileStringA("intl", "sDecimal", ".", buffer, sizeof buffer);
    return buffer[0] ? buffer[0] : '.';
}

}  // namespace korva
