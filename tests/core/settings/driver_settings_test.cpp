#include "core/settings/driver_settings.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/settings/settings_file.h"
#include "settings_fixture.h"

namespace korva {
namespace {

using DriverSettingsTest = test::SettingsTest;

TEST_F(DriverSettingsTest, MissingKeysReadTheirReadDefaultsButAnOlderVersionKeepsTheBuiltInOnes) {
    LoadWith("[Settings]\r\nDISP UNIT=1\r\n");
    EXPECT_EQ(std::tuple(settings.displayUnit, settings.imageTypes.current, settings.scanResolution,
                         settings.autoPreview, settings.previewSizeButton, settings.languageLetter),
              std::tuple(1, 0, 0, 1, 739, 'E'));

    WriteIni("[QXTWAINds]\r\nVersion=1.00E\r\nSettingDir=\\ELSEWHERE\r\n[Settings]\r\nDISP UNIT=1\r\nSCAN MODE=2\r\n");
    settings.sourceWidth = 850;
    LoadDriverSettings(settings, services);
    EXPECT_EQ(ReadIni(),
              "[QXTWAINds]\r\nCalibration=\\TWAIN\\CALIBRAT\r\nSettingDir=\\TWAIN_32\\VELDRIX\\SETTINGS\r\n"
              "Qxtwain=\\TWAIN_32\\VELDRIX\r\nDataSource=\\LOMTWNS.DS\r\n");
    // Centimetres, not 'A'; the source width is kept from before loading.
    EXPECT_EQ(std::tuple(settings.displayUnit, settings.imageTypes.current, settings.scanResolution,
                         settings.autoPreview, settings.previewSizeButton, settings.sourceWidth),
              std::tuple(2, 5, 300, 0, 738, 850));
    EXPECT_EQ(settings.locations.settingsDir, "\\TWAIN_32\\VELDRIX\\SETTINGS");
}

TEST_F(DriverSettingsTest, TheVersionIsComparedFromItsFirstDigitToItsFirstBlank) {
    auto eyedropAfter = [&](const std::string& version) {
        WriteIni("[QXTWAINds]\r\nVersion=" + version + "\r\n[Settings]\r\nEyedrop=5\r\n");
        LoadDriverSettings(settings, services);
        return settings.eyedrop;
    };
    EXPECT_EQ(eyedropAfter("1.10E"), 5);
    EXPECT_EQ(eyedropAfter("v1.10E and more"), 5);
    EXPECT_EQ(eyedropAfter("1.10e"), 1);
    EXPECT_EQ(Key("Settings", "Eyedrop"), "<missing>");
    EXPECT_EQ(eyedropAfter("1.10E" + std::string(200, 'X')), 1);
}

TEST_F(DriverSettingsTest, LocationsAndIcmProfileDefaultsFollowTheFileAndTheSystem) {
    LoadWith("[QXTWAINds]\r\nSettingDir=" + std::string(3000, 'S') + "\r\nQxtwain=\\DRV\r\nDataSource=\\X.DS\r\n");
    EXPECT_EQ(std::tuple(settings.locations.settingsDir, settings.locations.dataSourcePath, settings.icmProfile),
              std::tuple(std::string(79, 'S'), dir.path() + "\\DRV\\X.DS", 0));

    posix.system.version = OsVersion{OsVersion::kPlatform9x, 4, 0};
    LoadWith("");
    EXPECT_EQ(settings.icmProfile, -1);
}

TEST_F(DriverSettingsTest, SavingWritesTheKeysAndReadsBackTheSameSettings) {
    LoadWith("");
    settings.docSource = 1;
    settings.displayUnit = 1;
    settings.focusPosition = 1.5f;
    settings.previewSizeButton = 740;
    settings.positions.color.y = -12;
    settings.ocr.resolution = 600;
    settings.tabFlag = 1;
    settings.colorSelection = 991;
    dir.WriteFile(test::kIniFile, "");
    SaveDriverSettings(settings, services, {});

    for (const char* line : {"DOC SOURCE=1", "Focus Position=1.5", "Save values=1", "Preview size=2", "Color Y=-12",
                             "Tab Flag=1", "OCR Resolution=600", "Color Selection=991"}) {
        EXPECT_NE(ReadIni().find(std::string(line) + "\r\n"), std::string::npos) << line;
    }

    ScanSettings reloaded;
    LoadDriverSettings(reloaded, services);
    EXPECT_EQ(std::tuple(reloaded.docSource, reloaded.focusPosition, reloaded.positions.color.y,
                         reloaded.scanResolution, reloaded.colorSelection),
              std::tuple(1, 1.5f, -12, 600, 991));
}

TEST_F(DriverSettingsTest, SourceSizeFollowsTheScreenWidthAndFocusPositionIsWrittenOnlyWithSaveValues) {
    LoadWith("[Settings]\r\nFocus Position=2.5\r\nSave values=0\r\n");
    for (const auto& [width, text] : {std::pair{1001, "1024"}, {1000, "800"}, {800, "800"}, {799, "640"}}) {
        posix.system.screenWidth = width;
        SaveDriverSettings(settings, services, {});
        EXPECT_EQ(Key("Settings", "Src Size"), text) << width;
    }

    EXPECT_EQ(settings.focusPosition, 2.5f);
    settings.focusPosition = 3.25f;
    SaveDriverSettings(settings, services, {});
    EXPECT_EQ(Key("Settings", "Focus Position"), "2.5");
    EXPECT_EQ(Key("Settings", "Save values"), "0");
    settings.saveValues = 1;
    SaveDriverSettings(settings, services, {});
    EXPECT_EQ(Key("Settings", "Focus Position"), "3.25");
}

TEST_F(DriverSettingsTest, CurrentMarqueeCountsFromTheEndAndTheEnvironmentIsSaved) {
    LoadWith("");
    dir.WriteFile(Folder("ENV.stt"), "");
    std::vector<Marquee> marquees(3);
    marquees[1].settings.docSource = 7;
    // A zoomed environment keeps the view shown for a marquee without a zoom of its own.
    marquees[0].view = Rect{1, 2, 3, 4};
    KeepShownZoom(marquees[0], ZoomRecord{.areaLeft = 10, .areaWidth = 300});
    EXPECT_EQ(marquees[0].zoomRect, marquees[0].view);
    KeepShownZoom(marquees[0], ZoomRecord{.areaLeft = 20});
    EXPECT_EQ(std::tuple(marquees[0].zoom.areaLeft, marquees[0].zoom.areaWidth), std::tuple(10, 300));
    SessionSnapshot session;
    session.marquees = marquees;
    session.currentMarqueeIndex = 0;
    session.fullPageShown = false;
    SaveDriverSettings(settings, services, session);
    EXPECT_EQ(std::tuple(settings.currentMarquee, Key("Settings", "Current Marquee")), std::tuple(2, "2"));
    const std::string environment = dir.ReadFile(Folder("ENV.stt"));
    ASSERT_EQ(environment.size(), 52u + 3 * 518u);
    EXPECT_EQ(environment.substr(16, 5), std::string("Zoom\0", 5));
    // The count, the second marquee's document source and the first one's zoom.
    EXPECT_EQ(std::tuple(environment[48], environment[52 + 518 + 64], environment[52 + 446]), std::tuple(3, 7, 10));

    dir.WriteFile(Folder("ENV.stt"), "");
    settings.environmentSaveInhibited = true;
    SaveDriverSettings(settings, services, session);
    EXPECT_EQ(dir.ReadFile(Folder("ENV.stt")), "");
}

}  // namespace
}  // namespace korva
