#include "core/tone/tone_correction.h"

#include <gtest/gtest.h>

#include <numeric>

#include "core/settings/catalogue_build.h"
#include "core/settings/fixed_text.h"
#include "settings/settings_fixture.h"

namespace korva {
namespace {

TEST(ToneCurveAreaTest, ScreenPointsHitTestAndDragLevels) {
    ToneCurve identity;
    std::iota(identity.begin(), identity.end(), 0);
    const CurveScreenPoints points = CurveToScreen(identity, 150, 150);
    EXPECT_EQ(points[0].x, 0);
    EXPECT_EQ(points[0].y, 150);
    EXPECT_EQ(points[64].x, 37);   // 64·150 / 255, truncated
    EXPECT_EQ(points[64].y, 112);  // 191·150 / 255
    EXPECT_EQ(points[255].y, 0);

    // Within 3 pixels in both directions, inclusive; the first point in order wins.
    EXPECT_EQ(HitTestPoint(points, 37 + 3, 112 - 3), 1);
    EXPECT_EQ(HitTestPoint(points, 37 + 4, 112), -1);
    EXPECT_EQ(HitTestPoint(points, 37, 112 + 4), -1);
    const CurveScreenPoints crowded = CurveToScreen(ToneCurve{}, 10, 100);  // all marks near x 0..9, y 100
    EXPECT_EQ(HitTestPoint(crowded, 3, 100), 0);

    EXPECT_EQ(DragLevel(0, 100), 255);
    EXPECT_EQ(DragLevel(50, 100), 128);  // 255 - 12750 / 100
    EXPECT_EQ(DragLevel(99, 100), 3);
    EXPECT_EQ(DragLevel(120, 100), 0);
}

TEST(ToneCurveAreaTest, TypedLevelsAreClampedAndTextIsRefused) {
    EXPECT_EQ(ParseLevel("300"), 255);
    EXPECT_EQ(ParseLevel("-5"), 0);
    EXPECT_EQ(ParseLevel("77"), 77);
    EXPECT_EQ(ParseLevel("99999999999999999999"), std::nullopt);
    for (const char* text : {"abc", "", "12abc", "-"}) {
        EXPECT_EQ(ParseLevel(text), std::nullopt) << text;
    }
}

TEST(SetTonePointTest, UnpinnedPointsFollowTheCurveAndPinnedOnesStay) {
    ToneMap map = BuiltInToneMaps()[0].toneMap;
    map.pinFlags[kChannelMaster] = 0;
    SetTonePoint(map, kChannelMaster, 2, 200);
    EXPECT_EQ(map.PointOutput(kChannelMaster, 2), 200);
    EXPECT_GT(map.PointOutput(kChannelMaster, 1), 64);  // the curve through Midtone 200 lifts 3/4 Tone
    EXPECT_EQ(map.cells[kChannelMaster][0], 8u);
    EXPECT_EQ(map.cells[kChannelRed], BuiltInToneMaps()[0].toneMap.cells[kChannelRed]);

    // The next edit leaves the unpinned Midtone out: (8, 8), (64, 64), (245, 245) is a straight line.
    SetTonePoint(map, kChannelMaster, 1, 64);
    EXPECT_EQ(map.PointOutput(kChannelMaster, 2), 128);

    map.pinFlags[kChannelMaster] = 1u << 2;
    SetTonePoint(map, kChannelMaster, 2, 30);
    SetTonePoint(map, kChannelMaster, 3, 220);
    EXPECT_EQ(map.PointOutput(kChannelMaster, 2), 30);
    EXPECT_EQ(map.PointOutput(kChannelMaster, 3), 220);
    EXPECT_EQ(map.pinFlags[kChannelMaster], 4u);
}

class ToneCorrectionTest : public test::SettingsTest {
  protected:
    void SetUp() override {
        LoadWith("");
        BuildImageTypes(settings, services);
        BuildToneMaps(settings, services);
    }
    std::string CurrentName() const { return FieldText(settings.toneMaps.CurrentRow()->name); }
};

TEST_F(ToneCorrectionTest, EditingABuiltInMakesItUserDefinedAndLeavesTheEntry) {
    settings.toneMaps.current = 2;
    const CatalogueRow darken = settings.toneMaps.rows[2];
    ToneCorrectionSession session(settings);
    EXPECT_EQ(FieldText(settings.toneMapInForce.name), "Darken");
    EXPECT_FALSE(session.EditableEntry());

    EXPECT_TRUE(session.LeaveBuiltIn());
    session.SetPoint(2, 150);
    EXPECT_TRUE(session.UserDefined());
    EXPECT_TRUE(session.EditableEntry());
    EXPECT_EQ(session.Current().PointOutput(kChannelMaster, 2), 150);
    EXPECT_EQ(session.NeededSave("User Defined", "User Defined"), SaveBeforeCommit::kNone);

    session.Commit();
    EXPECT_EQ(settings.toneMaps.current, settings.toneMaps.count);
    EXPECT_EQ(settings.toneMaps.rows[2].values, darken.values);
    EXPECT_EQ(settings.toneMapWorking.values, settings.toneMapInForce.values);  // the backup follows OK

    // Reopened on "User Defined", the edited map stays in force.
    ToneCorrectionSession again(settings);
    EXPECT_TRUE(again.UserDefined());
    EXPECT_EQ(again.Current().PointOutput(kChannelMaster, 2), 150);
}

TEST_F(ToneCorrectionTest, SaveAppendsOrReplacesButNeverABuiltIn) {
    ToneCorrectionSession session(settings);
    session.LeaveBuiltIn();
    session.SetPoint(2, 90);
    EXPECT_EQ(session.NeededSave("Mine", "User Defined"), SaveBeforeCommit::kSaveNew);
    EXPECT_EQ(session.Save("Linear"), SaveOutcome::kProtected);
    EXPECT_EQ(session.Save("Mine"), SaveOutcome::kSaved);
    EXPECT_EQ(session.Count(), 7);
    EXPECT_EQ(session.Index(), 6);
    EXPECT_EQ(session.NeededSave("Mine", "User Defined"), SaveBeforeCommit::kNone);

    session.SetPoint(2, 100);
    EXPECT_EQ(session.NeededSave("Mine", "User Defined"), SaveBeforeCommit::kSaveChanged);
    EXPECT_EQ(session.Save("Mine"), SaveOutcome::kSaved);
    EXPECT_EQ(session.Count(), 7);

    for (int i = 0; i < kToneMapSpareEntries - 1; ++i) {
        ASSERT_EQ(session.Save("Extra" + std::to_string(i)), SaveOutcome::kSaved);
    }
    EXPECT_EQ(session.Save("One too many"), SaveOutcome::kFull);

    session.Commit();
    EXPECT_EQ(settings.toneMaps.count, 6 + kToneMapSpareEntries);
    EXPECT_EQ(FieldText(settings.toneMaps.rows[6].name), "Mine");
    EXPECT_EQ(RowToneMap(settings.toneMaps.rows[6]).PointOutput(kChannelMaster, 2), 100);
}

TEST_F(ToneCorrectionTest, DeleteSelectsTheFollowerOrTheEntryBeforeTheLast) {
    ToneCorrectionSession session(settings);
    for (const char* name : {"A", "B", "C"}) {
        session.SetPoint(1, name[0]);
        ASSERT_EQ(session.Save(name), SaveOutcome::kSaved);
    }
    EXPECT_FALSE(session.Delete(5));  // built-in
    EXPECT_TRUE(session.Delete(8));   // the last: the one before
    EXPECT_EQ(session.Index(), 7);
    EXPECT_EQ(FieldText(settings.toneMapInForce.name), "B");
    EXPECT_TRUE(session.Delete(6));  // not the last: the follower moves up into its place
    EXPECT_EQ(session.Index(), 6);
    EXPECT_EQ(session.Names().back(), "B");
    EXPECT_EQ(session.Count(), 7);
    EXPECT_FALSE(session.Delete(7));
}

TEST_F(ToneCorrectionTest, CancelAfterSaveLeavesTheStoredListAndRestoresTheMap) {
    settings.toneMaps.current = 1;
    {
        ToneCorrectionSession session(settings);
        session.LeaveBuiltIn();
        session.SetPoint(3, 10);
        session.Save("Kept?");
        session.Cancel();
    }
    EXPECT_EQ(FieldText(settings.toneMapInForce.name), "Lighten");
    EXPECT_EQ(RowToneMap(settings.toneMapInForce).PointOutput(kChannelMaster, 3), 193);
    SaveCatalogues(settings, services);
    EXPECT_EQ(Key("GAMMA CORR", "NUMBER OF GAMMA MAPS"), "6");
    EXPECT_EQ(Key("GAMMA CORR", "GAMMA MAPS6 NAME"), "<missing>");
}

TEST_F(ToneCorrectionTest, GreyTypesKeepToTheMasterChannel) {
    ToneCorrectionSession session(settings);
    session.SelectChannel(441);
    EXPECT_EQ(session.SelectedChannel(), kChannelGreen);
    EXPECT_EQ(settings.toneChannelShown, 441);
    EXPECT_FALSE(OnlyMasterChannel(settings));

    settings.imageTypes.current = 4;  // "256 Grayscale"
    ASSERT_TRUE(OnlyMasterChannel(settings));
    session.KeepToMaster();
    EXPECT_EQ(session.SelectedChannel(), kChannelMaster);
    EXPECT_EQ(settings.toneMapWorking.values[tone_map::kSelectedChannelCell], 443);
    settings.imageTypes.current = 5;  // "Line Art"
    EXPECT_TRUE(OnlyMasterChannel(settings));
}

}  // namespace
}  // namespace korva
