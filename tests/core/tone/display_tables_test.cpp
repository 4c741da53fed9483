#include "core/tone/display_tables.h"

#include <gtest/gtest.h>

#include "core/tone/tone_map.h"

namespace korva {
namespace {

ToneTables LinearTables() {
    ToneTables tables;
    BuildToneMapCurves(BuiltInToneMaps()[0].toneMap, tables);
    return tables;
}

// Neutral channels, G = 1, H = 245, S = 0.
ToneState NeutralState() {
    ToneState state;
    state.shadowLevel = 0;
    return state;
}

// What NeutralState gives: only the linear stretch remains.
int NeutralEntry(int i) {
    return i == 0 ? 0 : static_cast<int>((i + 0.5) * 237 / 245 + 8);
}

TEST(DisplayTablesTest, NeutralSettingsGiveTheShadowStretch) {
    ToneTables tables = LinearTables();
    BuildDisplayTables(ExposureParamsFromState(NeutralState()), tables);
    for (int c = 0; c < 3; ++c) {
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(tables.displayTables[c][i], NeutralEntry(i)) << "channel " << c << " level " << i;
        }
    }
}

TEST(DisplayTablesTest, HighlightLandsOn245WhateverTheGamma) {
    for (int32_t gammaPercent : {60, 100, 180, 400}) {
        ToneState state;
        state.highlightLevel = 180;
        state.shadowLevel = 0;
        state.gammaPercent = gammaPercent;
        ToneTables tables = LinearTables();
        BuildDisplayTables(ExposureParamsFromState(state), tables);
        EXPECT_EQ(tables.displayTables[kChannelGreen][180], 245) << gammaPercent;
        EXPECT_EQ(tables.displayTables[kChannelGreen][255], 255) << gammaPercent;
    }
    // A higher gamma lifts the midtones.
    ToneState flat;
    ToneState lifted;
    lifted.gammaPercent = 200;
    ToneTables a = LinearTables();
    ToneTables b = LinearTables();
    BuildDisplayTables(ExposureParamsFromState(flat), a);
    BuildDisplayTables(ExposureParamsFromState(lifted), b);
    EXPECT_GT(b.displayTables[kChannelRed][64], a.displayTables[kChannelRed][64] + 30);
}

TEST(DisplayTablesTest, NegativeGammaTurnsTheTableOver) {
    ToneState state = NeutralState();
    state.channelGamma[kChannelBlue] = -1.0f;
    state.channelOffset[kChannelBlue] = -4.0f;
    ToneTables tables = LinearTables();
    BuildDisplayTables(ExposureParamsFromState(state), tables);
    const ToneCurve& blue = tables.displayTables[kChannelBlue];
    EXPECT_EQ(blue[0], 255);
    EXPECT_GT(blue[1], blue[200]);
    for (int i = 2; i < 256; ++i) {
        EXPECT_LE(blue[i], blue[i - 1]) << i;
    }
    EXPECT_EQ(tables.displayTables[kChannelRed][0], 0);
    EXPECT_EQ(tables.displayTables[kChannelRed][100], NeutralEntry(100));
}

TEST(DisplayTablesTest, GrayBalanceActsAsAnOffsetScaledByItsStrength) {
    ToneState balanced = NeutralState();
    balanced.channelBalance = {0.5f, 0.0f, -0.25f};
    balanced.grayBalancePercent = 100;
    ToneState offset = NeutralState();
    offset.channelOffset = {-0.5f, 0.0f, 0.25f};
    ToneState ignored = balanced;
    ignored.grayBalancePercent = 0;

    ToneTables a = LinearTables();
    ToneTables b = LinearTables();
    ToneTables c = LinearTables();
    BuildDisplayTables(ExposureParamsFromState(balanced), a);
    BuildDisplayTables(ExposureParamsFromState(offset), b);
    BuildDisplayTables(ExposureParamsFromState(ignored), c);
    EXPECT_EQ(a.displayTables, b.displayTables);
    EXPECT_LT(a.displayTables[kChannelRed][128], NeutralEntry(128));
    for (int ch = 0; ch < 3; ++ch) {
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(c.displayTables[ch][i], NeutralEntry(i));
        }
    }
}

TEST(DisplayTablesTest, MasterCurveComesBeforeTheChannelCurve) {
    ToneTables tables;
    for (int i = 0; i < 256; ++i) {
        tables.toneCurves[kChannelMaster][i] = static_cast<uint8_t>(255 - i);
        tables.toneCurves[kChannelRed][i] = static_cast<uint8_t>(i / 2);
        tables.toneCurves[kChannelGreen][i] = static_cast<uint8_t>(i);
        tables.toneCurves[kChannelBlue][i] = static_cast<uint8_t>(i);
    }
    BuildDisplayTables(ExposureParamsFromState(NeutralState()), tables);
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(tables.displayTables[kChannelRed][i], (255 - NeutralEntry(i)) / 2) << i;
        ASSERT_EQ(tables.displayTables[kChannelGreen][i], 255 - NeutralEntry(i)) << i;
    }
}

}  // namespace
}  // namespace korva
