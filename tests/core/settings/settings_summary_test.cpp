#include "core/settings/settings_summary.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "core/settings/catalogue_build.h"
#include "core/settings/fixed_text.h"
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
    std::map<int, std::string> Summary(int32_t optionUnit) {
        std::map<int, std::string> texts;
        for (const SummaryLine& line : SummarizeSettings(block, settings, optionUnit, services.strings)) {
            texts[line.control] = line.text;
        }
        return texts;
    }
    SettingsBlock block;
};

TEST_F(SettingsSummaryTest, SourcesAreNamedByTheInstalledOption) {
    EXPECT_EQ(Summary(1)[705], "Front");
    block.docSource = 1;
    EXPECT_EQ(Summary(0)[705], "Auto Document Feeder");
    EXPECT_EQ(Summary(1)[705], "TPU for neg.Film");
    block.docSource = 2;
    EXPECT_EQ(Summary(2)[705], "TPU for pos.Film");
}

TEST_F(SettingsSummaryTest, ShowsTheBlockInItsOwnUnitWithNamesNumbersAndFocus) {
    block.imageType = 7;  // "Copy & Fax": the ampersand must survive a static control
    block.scanResolution = 300;
    block.unit = 0;
    block.width = 850;
    block.height = 1105;
    block.outWidth = 5;
    block.outHeight = 0;
    block.scalePercent = 100;
    block.exposure = -12;
    block.threshold = 128;
    block.saturation = 7;
    block.focusPosition = 2.5f;
    auto texts = Summary(2);
    EXPECT_EQ(std::tuple(texts[706], texts[708], texts[709], texts[710], texts[711]),
              std::tuple("Copy && Fax", "300 DPI", "8.50 x 11.05 inches", "0.05 x 0.00 inches", "100%"));
    // Without a tone map name: "User Defined".
    EXPECT_EQ(std::tuple(texts[712], texts[717], texts[718], texts[720], texts[745]),
              std::tuple("-12", "128", "User Defined", "7", " 2.5"));

    block.unit = 1;
    block.width = 255099;  // pixels are stored times 100
    block.height = 330000;
    SetFieldText(block.toneMap.name, "Darken");
    texts = Summary(2);
    EXPECT_EQ(std::tuple(texts[709], texts[718]), std::tuple("2550 x 3300 pixels", "Darken"));
}

}  // namespace
}  // namespace korva
