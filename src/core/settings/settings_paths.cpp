#include "core/settings/settings_paths.h"

#include "core/settings/locations.h"

namespace korva {

std::string SettingsFolder(const ScanSettings& settings, SystemFacts& system) {
    return WindowsDirectory(system) + settings.locations.settingsDir;
}

std::string SettingsFolderFile(const ScanSettings& settings, SystemFacts& system, std::string_view fileName) {
    return SettingsFolder(settings, system) + "\\" + std::string(fileName);
}

std::string SavedSettingPath(const ScanSettings& settings, SystemFacts& system, std::string_view baseName) {
    return SettingsFolderFile(settings, system, std::string(baseName) + ".set");
}

std::string EnvironmentPath(const ScanSettings& settings, SystemFacts& system) {
    return SettingsFolderFile(settings, system, "ENV.stt");
}

}  // namespace korva
