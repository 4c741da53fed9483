#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/settings/catalogue_build.h"
#include "core/settings/catalogue_ini.h"
#include "core/settings/fixed_text.h"
#include "core/settings/resolution_list.h"
#include "settings_fixture.h"

namespace korva {
namespace {

using CatalogueTest = test::SettingsTest;

TEST(CatalogueLineTest, RowsReadAndWriteNameValuesAndText) {
    CatalogueRow type;
    ParseCatalogueLine("Photo,1,0,0,1,2", kImageTypeList, type);
    EXPECT_EQ(FieldText(type.name), "Photo");
    EXPECT_EQ((std::vector<int32_t>(type.values.begin(), type.values.begin() + 6)),
              (std::vector<int32_t>{1, 0, 0, 1, 2, 0}));

    CatalogueRow destination;
    ParseCatalogueLine("My printer,1,600,300,MYPRN", kDestinationList, destination);
    EXPECT_EQ(FieldText(destination.name), "My printer");
    EXPECT_EQ((std::vector<int32_t>(destination.values.begin(), destination.values.begin() + 3)),
              (std::vector<int32_t>{1, 600, 300}));
    EXPECT_EQ(FieldText(destination.text), "MYPRN");
    EXPECT_EQ(FormatCatalogueLine(destination, kDestinationList), "My printer,1,600,300,MYPRN");

    // Values are written unsigned and read back signed.
    CatalogueRow map;
    map.values[0] = -1;
    map.values[24] = 443;
    const std::string line = FormatCatalogueLine(map, kToneMapList);
    EXPECT_EQ(line.substr(0, 13), "4294967295,0,");
    CatalogueRow back;
    ParseCatalogueLine(line, kToneMapList, back);
    EXPECT_EQ(back.values, map.values);
    EXPECT_EQ(ParseListNumber(" -5"), -5);
    EXPECT_EQ(ParseListNumber("12abc"), 12);
    EXPECT_EQ(ParseListNumber("x"), 0);
}

TEST_F(CatalogueTest, NoListGivesTheBuiltInEntries) {
    LoadWith("[IMAGE TYPES]\r\nNUMBER OF SCAN MODES=0\r\n");
    ASSERT_TRUE(BuildImageTypes(settings, services));
    ASSERT_TRUE(BuildDestinations(settings, services));
    ASSERT_TRUE(BuildToneMaps(settings, services));
    EXPECT_EQ(std::tuple(settings.imageTypes.count, settings.destinations.count, settings.toneMaps.count),
              std::tuple(8, 11, 6));
    EXPECT_EQ(FieldText(settings.imageTypes.CurrentRow()->name), "24-bit Full Color (Std)");
    EXPECT_EQ(settings.toneMaps.rows.size(), 36u);  // room for 30 rows of the user's
    EXPECT_EQ(FieldText(settings.toneMapInForce.name), "Linear");
    EXPECT_EQ(settings.toneChannelShown, 443);
}

TEST_F(CatalogueTest, MissingKeysDropRowsAndLowerTheCount) {
    LoadWith(
        "[IMAGE TYPES]\r\nNUMBER OF SCAN MODES=3\r\nSCAN MODE0=Photo,1,0,0,1,2\r\nSCAN MODE2=Text,5,0,0,0,0\r\n"
        "[GAMMA CORR]\r\nNUMBER OF GAMMA MAPS=2\r\nGAMMA MAPS0 NAME=Mine\r\nGAMMA MAPS0 VALUE=1,2,3\r\n"
        "GAMMA MAPS1 NAME=NoValues\r\n[Settings]\r\nGAMMA MAP=1\r\n");
    ASSERT_TRUE(BuildImageTypes(settings, services));
    EXPECT_EQ(settings.imageTypes.count, 2);
    EXPECT_EQ(std::tuple(FieldText(settings.imageTypes.rows[0].name), FieldText(settings.imageTypes.rows[1].name),
                         FieldText(settings.imageTypes.rows[2].name)),
              std::tuple("Photo", "", "Text"));

    ASSERT_TRUE(BuildToneMaps(settings, services));
    EXPECT_EQ(settings.toneMaps.count, 1);
    // "GAMMA MAP" equal to the count becomes 0.
    EXPECT_EQ(settings.toneMaps.current, 0);
    EXPECT_EQ(FieldText(settings.toneMapWorking.name), "Mine");
    EXPECT_EQ(settings.toneMapInForce.values[2], 3);
}

TEST_F(CatalogueTest, AbsurdCountsAreBoundedOrRefused) {
    LoadWith(
        "[IMAGE TYPES]\r\nNUMBER OF SCAN MODES=2000000000\r\nSCAN MODE0=Only,1\r\n"
        "[DESTINATION]\r\nNUMBER OF TARGET MODES=-5\r\n");
    EXPECT_TRUE(BuildImageTypes(settings, services));
    EXPECT_EQ(settings.imageTypes.count, 1);
    EXPECT_EQ(settings.imageTypes.rows.size(), static_cast<size_t>(kMaxCatalogueRows + 1));
    EXPECT_FALSE(BuildDestinations(settings, services));
    EXPECT_EQ(std::tuple(settings.destinations.count, settings.destinations.CurrentRow()), std::tuple(0, nullptr));
}

TEST_F(CatalogueTest, ApplicationDefinedEntriesAreLeftOutWhenSaving) {
    LoadWith("");
    settings.imageTypes.rows.resize(4);
    settings.imageTypes.count = 3;
    settings.imageTypes.current = 1;
    ParseCatalogueLine("A,1,0,0,1,2", kImageTypeList, settings.imageTypes.rows[0]);
    ParseCatalogueLine("Application Defined,1,0,0,1,2", kImageTypeList, settings.imageTypes.rows[1]);
    ParseCatalogueLine("C,4,0,0,1,2", kImageTypeList, settings.imageTypes.rows[2]);
    SaveCatalogues(settings, services);
    EXPECT_EQ(std::tuple(Key("IMAGE TYPES", "NUMBER OF SCAN MODES"), Key("IMAGE TYPES", "SCAN MODE1"),
                         Key("IMAGE TYPES", "SCAN MODE2")),
              std::tuple("3", "C,4,0,0,1,2", "<missing>"));
    EXPECT_EQ(std::tuple(settings.imageTypes.count, settings.imageTypes.current), std::tuple(2, 0));

    ScanSettings next;
    LoadDriverSettings(next, services);
    BuildImageTypes(next, services);
    EXPECT_EQ(std::tuple(next.imageTypes.count, FieldText(next.imageTypes.rows[1].name)), std::tuple(2, "C"));
}

TEST_F(CatalogueTest, TheResolutionListEndsWithOneAndAHalfAndTwiceTheLastResolution) {
    uint32_t i = 0;
    for (const int resolution : {50, 100, 200, 300, 600}) {
        context.Set(ctx::resolutionList, resolution, i++);
    }
    context.Set(ctx::resolutionCount, 5);
    const ResolutionList list = BuildResolutionList(context);
    EXPECT_EQ(list.texts, (std::vector<std::string>{"50", "100", "200", "300", "900", "1200"}));
    EXPECT_EQ(std::tuple(list.maxOptical, list.minimum), std::tuple(600, 50));

    LoadWith("");
    BuildDestinations(settings, services);
    const PixelTypeTable types = LoadPixelTypes(services.strings);
    const DestinationChoice inkjet = ChooseDestination(settings.destinations.rows[7], types[1], list, services.strings);
    EXPECT_EQ(std::tuple(inkjet.sharpness, inkjet.resolution, inkjet.listIndex), std::tuple(1, 360, std::nullopt));
    const DestinationChoice lineArt =
        ChooseDestination(settings.destinations.rows[9], types[5], list, services.strings);
    EXPECT_EQ(std::tuple(lineArt.resolution, lineArt.listIndex), std::tuple(200, 2u));
    EXPECT_EQ(ChooseDestination(settings.destinations.rows[0], types[0], list, services.strings).sharpness, 0);

    context.Set(ctx::resolutionCount, 0);
    EXPECT_TRUE(BuildResolutionList(context).texts.empty());
    context.Set(ctx::resolutionCount, 500);
    EXPECT_EQ(BuildResolutionList(context).texts.size(), 33u);
}

TEST_F(CatalogueTest, CurrentIndicesBeyondTheCatalogueBecomeZeroAtStart) {
    LoadWith(
        "[Settings]\r\nSCAN MODE=1\r\nTARGET MODE=1\r\n[IMAGE TYPES]\r\nNUMBER OF SCAN MODES=1\r\n"
        "SCAN MODE0=X,1\r\n[DESTINATION]\r\nNUMBER OF TARGET MODES=2\r\nTARGET MODE0=D,1,2,3,T\r\n");
    BuildCatalogues(settings, services, context);
    EXPECT_EQ(std::tuple(settings.imageTypes.current, settings.destinations.count, settings.destinations.current),
              std::tuple(0, 1, 0));
}

}  // namespace
}  // namespace korva
