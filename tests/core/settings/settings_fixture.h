// A temporary Windows directory with the POSIX services, the settings model loaded from it and a
// zeroed data-source block.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/boundary/source_context.h"
#include "core/settings/driver_settings.h"
#include "core/settings/scan_settings.h"
#include "platform/posix/posix_services.h"
#include "support/temp_dir.h"

namespace korva::test {

inline constexpr char kIniFile[] = "\\TWAIN_32\\VELDRIX\\LOMTWNS.ini";
inline constexpr char kSettingsFolder[] = "\\TWAIN_32\\VELDRIX\\SETTINGS";
inline constexpr char kCalibrationFolder[] = "\\TWAIN\\CALIBRAT";

class SettingsTest : public ::testing::Test {
  protected:
    std::string Ini() const { return dir.Win(kIniFile); }
    void WriteIni(const std::string& text) const { dir.WriteFile(kIniFile, text); }
    std::string ReadIni() const { return dir.ReadFile(kIniFile); }
    // A file in the settings folder.
    static std::string Folder(const std::string& file) { return std::string(kSettingsFolder) + "\\" + file; }
    // The INI value of a key, or "<missing>".
    std::string Key(const std::string& section, const std::string& key) {
        return posix.profile.ReadString(Ini(), section, key, "<missing>", 1024);
    }
    // Loads the settings from an INI file that holds the current version and `body`.
    void LoadWith(const std::string& body) {
        WriteIni("[QXTWAINds]\r\nVersion=1.10E\r\n" + body);
        LoadDriverSettings(settings, services);
    }

    TempDir dir;
    PosixServices posix{dir.path()};
    Services services = posix.Get();
    ScanSettings settings;
    std::vector<uint8_t> block = std::vector<uint8_t>(kSourceContextSize, 0);
    SourceContext context{block.data()};
};

}  // namespace korva::test
