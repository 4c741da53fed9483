// The files of the settings folder: saved settings ("ENV0000.set"), the environment file and the
// marquee backup.
#pragma once

#include <string>
#include <string_view>

#include "core/settings/scan_settings.h"
#include "platform/system_facts.h"

namespace korva {

inline constexpr char kEnvironmentFileName[] = "Env.stt";
inline constexpr char kMarqueeBackupFileName[] = "mrqsav.tmp";

// Windows directory + settings directory.
std::string SettingsFolder(const ScanSettings& settings, SystemFacts& system);

// A file of the settings folder by its full name.
std::string SettingsFolderFile(const ScanSettings& settings, SystemFacts& system, std::string_view fileName);

// The ".set" file of a saved setting by its base name.
std::string SavedSettingPath(const ScanSettings& settings, SystemFacts& system, std::string_view baseName);

// The environment file as it is written: base name "ENV", extension "stt".
std::string EnvironmentPath(const ScanSettings& settings, SystemFacts& system);

}  // namespace korva
