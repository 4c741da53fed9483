// The summary of a settings block: names from the catalogues and the string table, sizes in the
// block's unit, the values as signed numbers.
#include "core/settings/settings_summary.h"

#include <gtest/gtest.h>

#include <map>

#include "core/settings/catalogue_build.h"
#include "settings_fixture.h"

namespace korva {
namespace {

class SettingsSummaryTest : public test::SettingsTest {
  protected:
    void SetUp() override {
        LoadWith("");
        BuildImageTypes(settings, services);
        BuildDestinations(settings, services);
    }
    std::map<int, std::string> Summary(const SettingsBlock& block, int64_t optionUnit) {
        std::map<int, std::string> texts;
        for (const SummaryLine& line : SettingsSummary(block, settings, optionUnit, services.strings)) {
            texts[line.controlId] = line.text;
        }
        return texts;
    }
};

TEST_F(SettingsSummaryTest, ShowsNamesSizesAndValuesOfTheBlock) {
    SettingsBlock block;
    block.imageType = 7;  // "Copy & Fax": the ampersand shows as itself
    block.destination = 7;
    block.scanResolution = 300;
    block.unit = 0;
    block.width = 850;
    block.height = 1100;
    block.outWidth = 1700;
    block.outHeight = 5;
    block.scalePercent = 200;
    block.exposure = -3;
    block.sharpness = 2;
    block.saturation = -100;
    const std::map<int, std::string> texts = Summary(block, 2);
    ASSERT_EQ(texts.size(), 16u);
    EXPECT_EQ(texts.at(705), "Front");
    EXPECT_EQ(texts.at(706), "Copy && Fax");
    EXPECT_EQ(texts.at(707), "InkJet Printer");
    EXPECT_EQ(texts.at(708), "300 DPI");
    EXPECT_EQ(texts.at(709), "8.50 x 11.00 inches");
    EXPECT_EQ(texts.at(710), "17.00 x 0.05 inches");
    EXPECT_EQ(texts.at(711), "200%");
    EXPECT_EQ(texts.at(712), "-3");
    EXPECT_EQ(texts.at(716), "2");
    EXPECT_EQ(texts.at(718), "User Defined");  // no tone map name
    EXPECT_EQ(texts.at(720), "-100");

    block.unit = 1;  // pixels: the stored values / 100
    block.width = 255000;
    block.height = 330000;
    EXPECT_EQ(Summary(block, 2).at(709), "2550 x 3300 pixels");
}

TEST_F(SettingsSummaryTest, TheSourceNameDependsOnTheInstalledOption) {
    SettingsBlock block;
    block.docSource = 1;
    EXPECT_EQ(Summary(block, 0).at(705), "Auto Document Feeder");
    EXPECT_EQ(Summary(block, 1).at(705), "TPU for neg.Film");
    block.docSource = 2;
    EXPECT_EQ(Summary(block, 1).at(705), "TPU for pos.Film");
}

}  // namespace
}  // namespace korva
