// The simulated scanner LOMTWNS.DS installed in the driver folder, and the marquees of a last run it scans.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/preview/marquee.h"
#include "core/settings/settings_file.h"
#include "platform/win32/win32_services.h"
#include "tests/ui/support/module_harness.h"

namespace korva::test {

// Two inches square, an inch from the top and `left` thousandths of an inch from the left, scanned at
// 300 dpi as image type `imageType`.
inline Marquee TwoInchMarquee(int32_t left, int32_t imageType) {
    Marquee marquee;
    marquee.document = {left, 1000, left + 2000, 3000};  // thousandths of an inch
    marquee.settings.imageType = imageType;
    marquee.settings.scanResolution = 300;
    marquee.settings.scalePercent = 100;
    marquee.settings.gamma = 100;
    marquee.settings.threshold = 128;
    return marquee;
}

// Both pages at 300 dpi with the Photo page active, and the marquees of the last run kept.
inline constexpr char kSimulatorSettings[] =
    "[Settings]\r\nSave values=1\r\nAuto Preview=0\r\n[Tab Setting]\r\nTab Flag=0\r\nPhoto ResList=7\r\n"
    "Photo Resolution=300\r\nOCR ResList=7\r\nOCR Resolution=300\r\n";

// Installs the module and the simulated scanner as its data source, with `iniBody` in the INI file and
// `marquees` in the environment file.
inline void InstallSimulator(const std::string& iniBody, const std::vector<Marquee>& marquees) {
    PrepareDriverFolder(iniBody, "LOMTWNS.DS");
    ::CopyFileA((TestProgramFolder() + "\\KVSCANUI.DLL").c_str(), (DriverFolder() + "\\KVSCANUI.DLL").c_str(), FALSE);
    Win32FileSystem files;
    WriteSettingsFile(files, DriverFolder() + "\\SETTINGS\\ENV.stt", "Main", marquees, SettingsBlock{});
}

}  // namespace korva::test
