#include "core/tone/display_tables.h"

#include <gtest/gtest.h>

#include "core/tone/tone_map.h"

namespace korva {
namespace {

// Display tables of `state` built on the curves of `tables` when they are in force, else on "Linear".
ToneTables Tables(const ToneState& state, ToneTables tables = {}) {
    if (!tables.toneCurvesInForce) {
        BuildToneMapCurves(BuiltInToneMaps()[0].toneMap, tables);
    }
    BuildDisplayTables(ExposureParamsFromState(state), tables);
    return tables;
}

// Neutral channels, G = 1, H = 245, S = 0: only the linear shadow stretch remains.
constexpr ToneState kNeutral{.shadowLevel = 0};
int NeutralEntry(int i) {
    return i == 0 ? 0 : static_cast<int>((i + 0.5) * 237 / 245 + 8);
}

TEST(DisplayTablesTest, NeutralSettingsAndAnUnusedGrayBalanceGiveTheShadowStretch) {
    ToneState ignoredBalance = kNeutral;
    ignoredBalance.channelBalance = {0.5f, 0.0f, -0.25f};
    for (const ToneState& state : {kNeutral, ignoredBalance}) {
        const ToneTables tables = Tables(state);
        for (int c = 0; c < 3; ++c) {
            for (int i = 0; i < 256; ++i) {
                ASSERT_EQ(tables.displayTables[c][i], NeutralEntry(i)) << "channel " << c << " level " << i;
            }
        }
    }
}

TEST(DisplayTablesTest, HighlightLandsOn245WhateverTheGammaWhichLiftsTheMidtones) {
    for (int32_t gammaPercent : {60, 100, 180, 400}) {
        const ToneTables tables = Tables({.gammaPercent = gammaPercent, .highlightLevel = 180, .shadowLevel = 0});
        EXPECT_EQ(tables.displayTables[kChannelGreen][180], 245) << gammaPercent;
        EXPECT_EQ(tables.displayTables[kChannelGreen][255], 255) << gammaPercent;
    }
    EXPECT_GT(Tables({.gammaPercent = 200}).displayTables[kChannelRed][64],
              Tables({}).displayTables[kChannelRed][64] + 30);
}

TEST(DisplayTablesTest, NegativeGammaTurnsTheTableOver) {
    ToneState state = kNeutral;
    state.channelGamma[kChannelBlue] = -1.0f;
    state.channelOffset[kChannelBlue] = -4.0f;
    const ToneTables tables = Tables(state);
    const ToneCurve& blue = tables.displayTables[kChannelBlue];
    EXPECT_EQ(blue[0], 255);
    EXPECT_GT(blue[1], blue[200]);
    for (int i = 2; i < 256; ++i) {
        EXPECT_LE(blue[i], blue[i - 1]) << i;
    }
    EXPECT_EQ(tables.displayTables[kChannelRed][100], NeutralEntry(100));
}

TEST(DisplayTablesTest, GrayBalanceActsAsAnOffsetScaledByItsStrength) {
    ToneState balanced = kNeutral;
    balanced.channelBalance = {0.5f, 0.0f, -0.25f};
    balanced.grayBalancePercent = 100;
    ToneState offset = kNeutral;
    offset.channelOffset = {-0.5f, 0.0f, 0.25f};
    const ToneTables tables = Tables(balanced);
    EXPECT_EQ(tables.displayTables, Tables(offset).displayTables);
    EXPECT_LT(tables.displayTables[kChannelRed][128], NeutralEntry(128));
}

TEST(DisplayTablesTest, MasterCurveComesBeforeTheChannelCurve) {
    ToneTables curves;
    curves.toneCurvesInForce = true;
    for (int i = 0; i < 256; ++i) {
        curves.toneCurves[kChannelMaster][i] = static_cast<uint8_t>(255 - i);
        curves.toneCurves[kChannelRed][i] = static_cast<uint8_t>(i / 2);
        curves.toneCurves[kChannelGreen][i] = static_cast<uint8_t>(i);
    }
    const ToneTables tables = Tables(kNeutral, curves);
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(tables.displayTables[kChannelRed][i], (255 - NeutralEntry(i)) / 2) << i;
        ASSERT_EQ(tables.displayTables[kChannelGreen][i], 255 - NeutralEntry(i)) << i;
    }
}

}  // namespace
}  // namespace korva
