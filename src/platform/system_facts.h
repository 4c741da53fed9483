// Facts about the machine and the user's settings that the logic depends on.
#pragma once

#include <string>

namespace korva {

// Version of the operating system, as the Windows version functions report it.
struct OsVersion {
    static constexpr int kPlatform9x = 1;  // Windows 95, 98, Me
    static constexpr int kPlatformNt = 2;  // Windows NT, 2000 and later
    int platform = kPlatformNt;
    int major = 5;
    int minor = 1;
};

// True on Windows 98 or later and on NT 5 or later: colour matching through an sRGB profile is available.
inline bool HasSrgbColourManagement(const OsVersion& v) {
    return (v.platform == OsVersion::kPlatform9x && v.minor > 9) ||
           (v.platform == OsVersion::kPlatformNt && v.major > 4);
}

class SystemFacts {
  public:
    virtual ~SystemFacts() = default;
    // The Windows directory without a trailing backslash ("C:\WINDOWS").
    virtual std::string WindowsDirectory() = 0;
    virtual int ScreenWidth() = 0;
    virtual int CaptionHeight() = 0;
    virtual OsVersion Version() = 0;
    // The first character of the user's decimal separator (profile section "intl", key "sDecimal", default ".").
    virtual char DecimalSeparator() = 0;
};

}  // namespace korva
