// Where the driver keeps its files: the driver folder below the Windows directory with the INI file,
// and the calibration and settings folders named in the INI file.
#pragma once

#include <string>
#include <string_view>

#include "platform/system_facts.h"

namespace korva {

inline constexpr char kDriverFolder[] = "\\TWAIN_32\\VELDRIX";
inline constexpr char kIniFileName[] = "\\LOMTWNS.ini";
inline constexpr char kDefaultCalibrationDir[] = "\\TWAIN\\CALIBRAT";
inline constexpr char kDefaultSettingsDir[] = "\\TWAIN_32\\VELDRIX\\SETTINGS";
inline constexpr char kDefaultDataSourceFile[] = "\\LOMTWNS.DS";

inline constexpr size_t kWindowsDirectoryCapacity = 128;
inline constexpr size_t kIniPathCapacity = 128;
inline constexpr size_t kDirectoryCapacity = 80;

// The Windows directory, at most 127 characters.
std::string WindowsDirectory(SystemFacts& system);

// The driver INI file, cut to the 127 characters its path buffer holds.
std::string IniPath(SystemFacts& system);

// The version part of a text: from its first decimal digit to its first white-space character or its
// end; empty when the text holds no digit.
std::string ExtractVersionText(std::string_view text);

}  // namespace korva
