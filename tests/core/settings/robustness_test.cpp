// Files that users or other programs write, cut short at every byte or filled with random bytes:
// every parser falls back to its default, drops the row or skips the file.
#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

#include "core/settings/calibration.h"
#include "core/settings/catalogue_build.h"
#include "core/settings/catalogue_ini.h"
#include "core/settings/fixed_text.h"
#include "core/settings/image_settings.h"
#include "core/settings/settings_file.h"
#include "core/settings/settings_list.h"
#include "settings_fixture.h"

namespace korva {
namespace {

std::string RandomBytes(std::mt19937& random, size_t size) {
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random());
    }
    return bytes;
}

class RobustnessTest : public test::SettingsTest {
  protected:
    void SetUp() override { LoadWith(""); }

    // Reads `bytes` through every reader of the settings-file format and returns the records restored.
    size_t ReadEverywhere(const std::string& bytes) {
        dir.WriteFile(Folder("ENV0000.set"), bytes);
        dir.WriteFile(Folder("Env.stt"), bytes);
        dir.WriteFile(Folder("mrqsav.tmp"), bytes);
        SettingsList list = BuildSettingsList(settings, services);
        EXPECT_EQ(list.Count(), 1);
        EXPECT_LE(FieldText(list.entries[0].name).size(), 32u);
        list.selected = 0;
        const LoadedBlock selected = LoadSettingsBlock(list, settings, services);
        list.selected = 1;
        EXPECT_EQ(LoadSettingsBlock(list, settings, services), selected);
        const size_t fromEntry = ReadMarqueesForRestore(list, settings, services, "", {}, 0).size();
        const size_t fromEnvironment = ReadMarqueesForRestore(list, settings, services, "Env.stt", {}, 0).size();
        EXPECT_EQ(fromEntry, fromEnvironment);
        return fromEnvironment;
    }
};

TEST_F(RobustnessTest, SettingsFilesCutAtEveryByte) {
    std::vector<Marquee> marquees(2);
    marquees[0].settings.docSource = 5;
    SettingsList list = BuildSettingsList(settings, services);
    SaveSettingsFile(list, settings, services, 0, "Two marquees", false, true, marquees);
    const std::string whole = dir.ReadFile(Folder("ENV0000.set"));
    ASSERT_EQ(whole.size(), 52u + 2 * 518u);

    for (size_t size = 0; size <= whole.size(); ++size) {
        const size_t records = ReadEverywhere(whole.substr(0, size));
        EXPECT_EQ(records, size < 52 ? 0 : (size - 52) / 518) << size;
        list = BuildSettingsList(settings, services);
        list.selected = 0;
        settings.dialogBlock = SettingsBlock{};
        const LoadedBlock loaded = LoadSettingsBlock(list, settings, services);
        EXPECT_EQ(loaded, size < 52 + 518 ? LoadedBlock::kUnchanged : LoadedBlock::kLoaded) << size;
        EXPECT_EQ(settings.dialogBlock.docSource, loaded == LoadedBlock::kLoaded ? 5 : 0);
    }
}

TEST_F(RobustnessTest, CountsThatClaimBillionsOfRecordsReadWhatIsThere) {
    std::vector<Marquee> marquees(1);
    SettingsList list = BuildSettingsList(settings, services);
    SaveSettingsFile(list, settings, services, 0, "One", false, true, marquees);
    std::string bytes = dir.ReadFile(Folder("ENV0000.set"));
    bytes.replace(48, 4, "\xFF\xFF\xFF\xFF");
    EXPECT_EQ(ReadEverywhere(bytes), 1u);
    bytes.replace(48, 4, std::string("\0\0\0\0", 4));
    EXPECT_EQ(ReadEverywhere(bytes), 0u);  // a block file: no marquee
}

TEST_F(RobustnessTest, CalibrationFilesOfEveryLength) {
    context.Set(ctx::level, 2);
    context.Set(ctx::printerPresetCount, 6);
    std::mt19937 random(817);
    const std::string whole = RandomBytes(random, 835);
    for (size_t size = 0; size <= whole.size(); ++size) {
        dir.WriteFile(std::string(test::kCalibrationFolder) + "\\SCREEN.cal", whole.substr(0, size));
        dir.WriteFile(std::string(test::kCalibrationFolder) + "\\OTHER.cal", whole.substr(0, size));
        BuildPrinterList(settings, services, context);
        // A file too short for its name is still listed, with the bytes it has.
        ASSERT_EQ(settings.printers.size(), 7u);
        EXPECT_LE(FieldText(settings.printers[6].name).size(), 32u);
        EXPECT_EQ(ReadScreenCalibration(settings, services, "Screen"), size < 817 ? 1 : 0) << size;
    }
}

TEST_F(RobustnessTest, HostileIniValues) {
    const std::string huge(5000, '7');
    const std::string withZero = std::string("Photo\0,9,9", 10);
    LoadWith("[Settings]\r\nDISP UNIT=" + huge +
             "\r\nFocus Position=1e999\r\nSCAN MODE=-7\r\n"
             "[IMAGE TYPES]\r\nNUMBER OF SCAN MODES=3\r\nSCAN MODE0=" +
             huge + "\r\nSCAN MODE1=" + withZero +
             "\r\nSCAN MODE2=NoCommas\r\n[GAMMA CORR]\r\nNUMBER OF GAMMA MAPS=1\r\nGAMMA MAPS0 NAME=" + huge +
             "\r\nGAMMA MAPS0 VALUE=" + huge + "\r\n[Settings]\r\nGAMMA MAP=900\r\n");
    BuildCatalogues(settings, services, context);
    const Catalogue& types = settings.imageTypes;
    EXPECT_EQ(std::tuple(types.count, FieldText(types.rows[0].name), FieldText(types.rows[1].name),
                         types.rows[1].values[0], FieldText(types.rows[2].name), settings.toneMaps.count),
              std::tuple(3, std::string(39, '7'), "Photo", 0, "NoCommas", 1));
    EXPECT_EQ(settings.toneMapInForce.values, CatalogueRow{}.values);  // index 900 is past every row

    PreviewView view;
    LoadImageSettings(settings, view, services, 340, 440);
    EXPECT_EQ(settings.iproc[iproc::kFocus], INT32_MAX);
    SaveDriverSettings(settings, services, {});
    EXPECT_EQ(Key("Settings", "Focus Position"), "inf");
}

TEST_F(RobustnessTest, IniFilesCutAtEveryByte) {
    const std::string ini =
        "[QXTWAINds]\r\nVersion=1.10E\r\nSettingDir=\\S\r\n[Settings]\r\nDISP UNIT=1\r\nSCAN MODE=1\r\n"
        "[IMAGE TYPES]\r\nNUMBER OF SCAN MODES=2\r\nSCAN MODE0=A,1,0,0,1,2\r\nSCAN MODE1=B,5,1,0,0,1\r\n"
        "[DESTINATION]\r\nNUMBER OF TARGET MODES=1\r\nTARGET MODE0=D,1,600,300,T\r\n"
        "[ImageSetting]\r\nFGRed=1500\r\nxScan=850\r\n";
    auto loadAll = [&](const std::string& text) {
        WriteIni(text);
        ScanSettings fresh;
        LoadDriverSettings(fresh, services);
        BuildCatalogues(fresh, services, context);
        PreviewView view;
        LoadImageSettings(fresh, view, services, 340, 440);
        for (const Catalogue* catalogue : {&fresh.imageTypes, &fresh.destinations, &fresh.toneMaps}) {
            EXPECT_GE(catalogue->count, 0);
            EXPECT_LE(static_cast<size_t>(catalogue->count), catalogue->rows.size());
        }
        return fresh;
    };
    for (size_t size = 0; size <= ini.size(); ++size) {
        loadAll(ini.substr(0, size));
    }
    EXPECT_EQ(loadAll(ini).imageTypes.count, 2);
}

TEST(CatalogueLineRobustnessTest, RandomLinesStayInsideTheirFields) {
    std::mt19937 random(5);
    for (int round = 0; round < 500; ++round) {
        const std::string line = RandomBytes(random, random() % 400);
        for (const CatalogueFormat* format : {&kImageTypeList, &kDestinationList, &kToneMapList}) {
            CatalogueRow row;
            ParseCatalogueLine(line, *format, row);
            EXPECT_EQ(row.name.back(), '\0');
            EXPECT_EQ(row.text.back(), '\0');
        }
    }
}

}  // namespace
}  // namespace korva
