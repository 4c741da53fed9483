#include "core/settings/driver_settings.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/settings/catalogue_build.h"
#include "core/settings/fixed_text.h"
#include "core/settings/image_settings.h"
#include "core/settings/locations.h"
#include "core/settings/settings_file.h"
#include "core/settings/settings_paths.h"

namespace korva {
namespace {

constexpr char kVersionSection[] = "QXTWAINds";
constexpr char kSettings[] = "Settings";
constexpr char kPositions[] = "Dialog Position";
constexpr char kTabs[] = "Tab Setting";

constexpr int kVersionString = 4;
constexpr size_t kVersionCapacity = 40;
constexpr size_t kStoredVersionCapacity = 80;
constexpr size_t kFocusCapacity = 20;
constexpr int kFirstUnitNameString = 190;
constexpr size_t kUnitNameCapacity = 14;
constexpr int32_t kPreviewSizeButtonBase = 738;

enum class KeyKind {
    kInt,
    kBool,           // 1 or 0, true only when exactly 1
    kKeep,           // an integer whose built-in value is whatever the model held before loading
    kFocus,          // the focus position, a float read as text and written with "%g"
    kPreviewSize,    // held as 738 + the stored value
    kIcmProfile,     // read default 0 where sRGB colour management exists, else -1
    kCurrentMarquee  // written from the marquee list, counted from its end
};

using Field = int32_t& (*)(ScanSettings&);

struct SettingKey {
    const char* section;
    const char* key;
    KeyKind kind;
    int32_t builtIn;
    int32_t readDefault;
    Field field;  // null for the focus position
};

// Every key in its reading order, with the value before and without the file and the default of its read.
constexpr SettingKey kKeys[] = {
    {kSettings, "DOC SOURCE", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.docSource; }},
    {kSettings, "DISP UNIT", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.displayUnit; }},
    {kSettings, "SOURCE WIDTH", KeyKind::kKeep, 0, 0, [](ScanSettings& s) -> int32_t& { return s.sourceWidth; }},
    {kSettings, "SOURCE HEIGHT", KeyKind::kKeep, 0, 0, [](ScanSettings& s) -> int32_t& { return s.sourceHeight; }},
    {kSettings, "SCAN MODE", KeyKind::kInt, 5, 0, [](ScanSettings& s) -> int32_t& { return s.imageTypes.current; }},
    {kSettings, "TARGET MODE", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.destinations.current; }},
    {kSettings, "Focus Position", KeyKind::kFocus, 0, 0, nullptr},
    {kSettings, "Preset Settings", KeyKind::kInt, 3, 3, [](ScanSettings& s) -> int32_t& { return s.presetSettings; }},
    {"IMAGE TYPES", "NUMBER OF SCAN MODES", KeyKind::kInt, 0, 0,
     [](ScanSettings& s) -> int32_t& { return s.imageTypes.count; }},
    {"DESTINATION", "NUMBER OF TARGET MODES", KeyKind::kInt, 0, 0,
     [](ScanSettings& s) -> int32_t& { return s.destinations.count; }},
    {kSettings, "Number of Samples", KeyKind::kInt, 1, 1,
     [](ScanSettings& s) -> int32_t& { return s.numberOfSamples; }},
    {kSettings, "Sample increment", KeyKind::kInt, 1, 1, [](ScanSettings& s) -> int32_t& { return s.sampleIncrement; }},
    {kSettings, "GAMMA MAP", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.toneMaps.current; }},
    {"GAMMA CORR", "NUMBER OF GAMMA MAPS", KeyKind::kInt, 0, 0,
     [](ScanSettings& s) -> int32_t& { return s.toneMaps.count; }},
    {kSettings, "Save values", KeyKind::kBool, 1, 1, [](ScanSettings& s) -> int32_t& { return s.saveValues; }},
    {kSettings, "Auto Exposure", KeyKind::kBool, 0, 0, [](ScanSettings& s) -> int32_t& { return s.autoExposure; }},
    {kSettings, "Eyedrop", KeyKind::kInt, 1, 1, [](ScanSettings& s) -> int32_t& { return s.eyedrop; }},
    {kSettings, "Preview size", KeyKind::kPreviewSize, 0, 1,
     [](ScanSettings& s) -> int32_t& { return s.previewSizeButton; }},
    {kSettings, "Windows 95 ICM", KeyKind::kBool, 0, 0, [](ScanSettings& s) -> int32_t& { return s.windows95Icm; }},
    {kSettings, "ICM Profile", KeyKind::kIcmProfile, 0, 0, [](ScanSettings& s) -> int32_t& { return s.icmProfile; }},
    {kSettings, "Current Marquee", KeyKind::kCurrentMarquee, 0, 0,
     [](ScanSettings& s) -> int32_t& { return s.currentMarquee; }},
    {kSettings, "Auto Preview", KeyKind::kBool, 0, 1, [](ScanSettings& s) -> int32_t& { return s.autoPreview; }},
    {kPositions, "Main X", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.positions.main.x; }},
    {kPositions, "Main Y", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.positions.main.y; }},
    {kPositions, "Settings X", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.positions.settings.x; }},
    {kPositions, "Settings Y", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.positions.settings.y; }},
    {kPositions, "Configuration X", KeyKind::kInt, 0, 0,
     [](ScanSettings& s) -> int32_t& { return s.positions.configuration.x; }},
    {kPositions, "Configuration Y", KeyKind::kInt, 0, 0,
     [](ScanSettings& s) -> int32_t& { return s.positions.configuration.y; }},
    {kPositions, "Preview X", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.positions.preview.x; }},
    {kPositions, "Preview Y", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.positions.preview.y; }},
    {kPositions, "Focus X", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.positions.focus.x; }},
    {kPositions, "Focus Y", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.positions.focus.y; }},
    {kPositions, "Tools X", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.positions.tools.x; }},
    {kPositions, "Tools Y", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.positions.tools.y; }},
    {kPositions, "Gamma X", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.positions.gamma.x; }},
    {kPositions, "Gamma Y", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.positions.gamma.y; }},
    {kPositions, "Color X", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.positions.color.x; }},
    {kPositions, "Color Y", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.positions.color.y; }},
    {kTabs, "Tab Flag", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.tabFlag; }},
    {kTabs, "OCR FeedOption", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.ocr.feedOption; }},
    {kTabs, "OCR ScanMode", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.ocr.scanMode; }},
    {kTabs, "OCR ResList", KeyKind::kInt, 7, 0, [](ScanSettings& s) -> int32_t& { return s.ocr.resList; }},
    {kTabs, "OCR Resolution", KeyKind::kInt, 300, 0, [](ScanSettings& s) -> int32_t& { return s.ocr.resolution; }},
    {kTabs, "Photo FeedOption", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.photo.feedOption; }},
    {kTabs, "Photo ScanMode", KeyKind::kInt, 0, 0, [](ScanSettings& s) -> int32_t& { return s.photo.scanMode; }},
    {kTabs, "Photo ResList", KeyKind::kInt, 7, 0, [](ScanSettings& s) -> int32_t& { return s.photo.resList; }},
    {kTabs, "Photo Resolution", KeyKind::kInt, 300, 0, [](ScanSettings& s) -> int32_t& { return s.photo.resolution; }},
    {kTabs, "Unsharp Mask", KeyKind::kInt, 1, 1, [](ScanSettings& s) -> int32_t& { return s.unsharpMask; }},
    {kTabs, "BlackWhite Option", KeyKind::kInt, 982, 0, [](ScanSettings& s) -> int32_t& { return s.blackWhiteOption; }},
    {kTabs, "Color Selection", KeyKind::kInt, 990, 0, [](ScanSettings& s) -> int32_t& { return s.colorSelection; }},
};

consteval size_t KeyIndex(std::string_view key) {
    for (size_t i = 0; i < std::size(kKeys); ++i) {
        if (key == kKeys[i].key) {
            return i;
        }
    }
    throw "no such key";
}

// The "Settings" keys in their save order; the "Dialog Position" and "Tab Setting" keys follow in table order.
constexpr std::array<size_t, 19> kSettingsSaveOrder = {
    KeyIndex("DOC SOURCE"),        KeyIndex("SCAN MODE"),        KeyIndex("TARGET MODE"),
    KeyIndex("Preset Settings"),   KeyIndex("Focus Position"),   KeyIndex("DISP UNIT"),
    KeyIndex("SOURCE WIDTH"),      KeyIndex("SOURCE HEIGHT"),    KeyIndex("GAMMA MAP"),
    KeyIndex("Number of Samples"), KeyIndex("Sample increment"), KeyIndex("Save values"),
    KeyIndex("Auto Exposure"),     KeyIndex("Eyedrop"),          KeyIndex("Preview size"),
    KeyIndex("Windows 95 ICM"),    KeyIndex("ICM Profile"),      KeyIndex("Current Marquee"),
    KeyIndex("Auto Preview"),
};

void SetBuiltIns(ScanSettings& s) {
    for (const SettingKey& key : kKeys) {
        switch (key.kind) {
            case KeyKind::kKeep:
                break;
            case KeyKind::kFocus:
                s.focusPosition = 0.0f;
                break;
            case KeyKind::kPreviewSize:
                key.field(s) = kPreviewSizeButtonBase + key.builtIn;
                break;
            default:
                key.field(s) = key.builtIn;
                break;
        }
    }
    s.scanResolution = 300;
    s.ocr.paperSize = 975;
    s.photo.paperSize = 975;
}

// The version string with the language letter and the defaults that depend on it, and the names of
// the units and pixel types.
void LoadVersionAndNames(ScanSettings& s, StringTable& strings) {
    s.versionString = Bounded(strings.Load(kVersionString), kVersionCapacity);
    s.languageLetter = s.versionString.empty() ? '\0' : s.versionString.back();
    if (s.languageLetter == 'J') {
        s.ocr.scanMode = 1;
    }
    if (s.languageLetter != 'A') {
        s.displayUnit = 2;
    }
    s.versionText = ExtractVersionText(s.versionString);
    if (s.versionText.empty()) {
        s.versionText.push_back('0');  // assigning a literal to an empty string trips GCC 12's -O3 overlap check
    }
    for (size_t i = 0; i < s.unitNames.size(); ++i) {
        s.unitNames[i] = Bounded(strings.Load(kFirstUnitNameString + static_cast<int>(i)), kUnitNameCapacity);
    }
    s.pixelTypes = LoadPixelTypes(strings);
}

// A stored version that differs: the file is deleted and started again with the four location keys.
void ResetIniFile(ScanSettings& s, Services& services, const std::string& windows) {
    Profile& profile = services.profile;
    const std::string& ini = s.locations.iniPath;
    profile.DeleteProfileFile(ini);
    profile.WriteString(ini, kVersionSection, "Calibration", kDefaultCalibrationDir);
    profile.WriteString(ini, kVersionSection, "SettingDir", kDefaultSettingsDir);
    profile.WriteString(ini, kVersionSection, "Qxtwain", kDriverFolder);
    profile.WriteString(ini, kVersionSection, "DataSource", kDefaultDataSourceFile);
    s.locations.calibrationDir = kDefaultCalibrationDir;
    s.locations.settingsDir = kDefaultSettingsDir;
    s.locations.dataSourcePath = windows + kDriverFolder + kDefaultDataSourceFile;
}

void ReadLocations(ScanSettings& s, Profile& profile, const std::string& windows) {
    const std::string& ini = s.locations.iniPath;
    s.locations.calibrationDir =
        profile.ReadString(ini, kVersionSection, "Calibration", kDefaultCalibrationDir, kDirectoryCapacity);
    s.locations.settingsDir =
        profile.ReadString(ini, kVersionSection, "SettingDir", kDefaultSettingsDir, kDirectoryCapacity);
    s.locations.dataSourcePath =
        windows + profile.ReadString(ini, kVersionSection, "Qxtwain", kDriverFolder, kDirectoryCapacity) +
        profile.ReadString(ini, kVersionSection, "DataSource", kDefaultDataSourceFile, kDirectoryCapacity);
}

void ReadKeys(ScanSettings& s, Services& services) {
    Profile& profile = services.profile;
    const std::string& ini = s.locations.iniPath;
    for (const SettingKey& key : kKeys) {
        switch (key.kind) {
            case KeyKind::kFocus: {
                const std::string text = profile.ReadString(ini, key.section, key.key, "0", kFocusCapacity);
                s.focusPosition = static_cast<float>(std::strtod(text.c_str(), nullptr));
                break;
            }
            case KeyKind::kBool:
                key.field(s) = ReadBool(profile, ini, key.section, key.key, key.readDefault == 1) ? 1 : 0;
                break;
            case KeyKind::kPreviewSize:
                key.field(s) = kPreviewSizeButtonBase + profile.ReadInt(ini, key.section, key.key, key.readDefault);
                break;
            case KeyKind::kIcmProfile: {
                const int32_t def = HasSrgbColourManagement(services.system.Version()) ? 0 : -1;
                key.field(s) = profile.ReadInt(ini, key.section, key.key, def);
                break;
            }
            default:
                key.field(s) = profile.ReadInt(ini, key.section, key.key, key.readDefault);
                break;
        }
    }
}

void WriteKey(ScanSettings& s, Profile& profile, const SettingKey& key) {
    const std::string& ini = s.locations.iniPath;
    switch (key.kind) {
        case KeyKind::kFocus: {
            if (s.saveValues != 1) {
                return;
            }
            char text[64];
            std::snprintf(text, sizeof text, "%g", static_cast<double>(s.focusPosition));
            profile.WriteString(ini, key.section, key.key, text);
            return;
        }
        case KeyKind::kBool:
            WriteInt(profile, ini, key.section, key.key, key.field(s) != 0 ? 1 : 0);
            return;
        case KeyKind::kPreviewSize:
            WriteInt(profile, ini, key.section, key.key, key.field(s) - kPreviewSizeButtonBase);
            return;
        default:
            WriteInt(profile, ini, key.section, key.key, key.field(s));
            return;
    }
}

int32_t SourceSizeForScreen(int screenWidth) {
    if (screenWidth > 1000) {
        return 1024;
    }
    return screenWidth > 799 ? 800 : 640;
}

}  // namespace

void LoadDriverSettings(ScanSettings& settings, Services& services) {
    const std::string windows = WindowsDirectory(services.system);
    settings.locations.iniPath = IniPath(services.system);
    settings.decimalSeparator = services.system.DecimalSeparator();
    SetBuiltIns(settings);
    LoadVersionAndNames(settings, services.strings);

    const std::string stored = services.profile.ReadString(settings.locations.iniPath, kVersionSection, "Version",
                                                           "0.00", kStoredVersionCapacity);
    if (ExtractVersionText(stored) != settings.versionText) {
        ResetIniFile(settings, services, windows);
    } else {
        ReadLocations(settings, services.profile, windows);
        ReadKeys(settings, services);
    }
    settings.scanResolution = settings.tabFlag == 1 ? settings.ocr.resolution : settings.photo.resolution;
}

void SaveDriverSettings(ScanSettings& settings, Services& services, const SessionSnapshot& session) {
    Profile& profile = services.profile;
    const std::string& ini = settings.locations.iniPath;
    profile.WriteString(ini, kVersionSection, "Version", settings.versionText);
    WriteInt(profile, ini, kSettings, "Src Size", SourceSizeForScreen(services.system.ScreenWidth()));

    settings.currentMarquee = static_cast<int32_t>(session.marquees.size()) - session.currentMarqueeIndex - 1;
    for (size_t index : kSettingsSaveOrder) {
        WriteKey(settings, profile, kKeys[index]);
    }
    for (const char* section : {kPositions, kTabs}) {
        for (const SettingKey& key : kKeys) {
            if (std::string_view(key.section) == section) {
                WriteKey(settings, profile, key);
            }
        }
    }

    SaveCatalogues(settings, services);

    if (settings.saveValues == 1 && !settings.environmentSaveInhibited) {
        WriteSettingsFile(services.files, EnvironmentPath(settings, services.system),
                          session.fullPageShown ? "Main" : "Zoom", session.marquees, settings.dialogBlock);
    }
    if (session.previewExists) {
        SaveImageSettings(settings, session.view, true, services);
    }
}

}  // namespace korva
