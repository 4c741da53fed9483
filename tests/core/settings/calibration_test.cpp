#include "core/settings/calibration.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/settings/fixed_text.h"
#include "settings_fixture.h"

namespace korva {
namespace {

class CalibrationTest : public test::SettingsTest {
  protected:
    void SetUp() override {
        LoadWith("");
        context.Set(ctx::level, 2);
        context.Set(ctx::printerPresetCount, 6);
    }
    // A calibration file of `size` bytes with `name` at offset 16 and `mid` at byte 128 of table `table`.
    void WriteCalibration(const std::string& code,
                          size_t size,
                          const std::string& name = "",
                          int table = 2,
                          char mid = 0) {
        std::string bytes(size, '\x01');
        for (size_t i = 0; i < 32 && 16 + i < size; ++i) {
            bytes[16 + i] = i < name.size() ? name[i] : '\0';
        }
        const size_t at = 49 + 256 * static_cast<size_t>(table) + 128;
        if (at < size) {
            bytes[at] = mid;
        }
        dir.WriteFile(std::string(test::kCalibrationFolder) + "\\" + code + ".cal", bytes);
    }
};

TEST_F(CalibrationTest, FurtherCalibrationFilesFollowThePresets) {
    WriteCalibration("GENERAL", 835);
    WriteCalibration("SCREEN", 835);
    WriteCalibration("MYPRINT", 835, "My printer calibration");
    WriteCalibration("TOOLONGFORCODE", 835, "never listed");
    BuildPrinterList(settings, services, context);
    ASSERT_EQ(settings.printers.size(), 7u);
    EXPECT_EQ(std::tuple(FieldText(settings.printers[1].code), FieldText(settings.printers[6].name),
                         FieldText(settings.printers[6].code)),
              std::tuple("SCREEN", "My printer calibration", "MYPRINT"));
    EXPECT_EQ(FindPrinter(settings.printers, "My printer calibration"), 6);
    EXPECT_EQ(FindPrinter(settings.printers, "Nobody"), 0);

    context.Set(ctx::level, 1);
    BuildPrinterList(settings, services, context);
    ASSERT_EQ(settings.printers.size(), 6u);
    EXPECT_EQ(FieldText(settings.printers[1].code), "");

    context.Set(ctx::level, 2);
    context.Set(ctx::printerPresetCount, 40);
    BuildPrinterList(settings, services, context);
    EXPECT_EQ(settings.printers.size(), 7u);
}

TEST_F(CalibrationTest, TheThirdTableGivesTheMidValueAndTheDisplayGammaUnlessTheFileIsShort) {
    BuildPrinterList(settings, services, context);
    WriteCalibration("SCREEN", 835, "", 2, static_cast<char>(177));
    EXPECT_EQ(ReadScreenCalibration(settings, services, "Screen"), 0);
    EXPECT_EQ(settings.calibrationMidValue, 177);
    EXPECT_DOUBLE_EQ(DisplayGammaFromMidValue(settings.calibrationMidValue), 1.9);
    EXPECT_FALSE(CheckScreenCalibration(settings, services, context));
    EXPECT_DOUBLE_EQ(DisplayGammaFromMidValue(128), 1.0);
    EXPECT_DOUBLE_EQ(DisplayGammaFromMidValue(203), 3.0);
    EXPECT_DOUBLE_EQ(DisplayGammaFromMidValue(129), 0.0);
    context.Set(ctx::level, 1);
    EXPECT_TRUE(CheckScreenCalibration(settings, services, context));

    // A file one byte short of 817 counts as missing and the second table is read.
    context.Set(ctx::level, 2);
    WriteCalibration("SCREEN", 816, "", 1, static_cast<char>(136));
    EXPECT_EQ(ReadScreenCalibration(settings, services, "Screen"), 1);
    EXPECT_EQ(settings.calibrationMidValue, 136);
    EXPECT_TRUE(CheckScreenCalibration(settings, services, context));
}

}  // namespace
}  // namespace korva
