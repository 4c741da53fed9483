#include "core/tone/tone_map.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

TEST(ToneMapTest, BuiltInMapCurvesPassThroughTheirPointsAndOnlyTheMasterIsShaped) {
    const auto builtIns = BuiltInToneMaps();
    for (size_t m = 0; m < builtIns.size(); ++m) {
        const BuiltInToneMap& builtIn = builtIns[m];
        ToneTables tables;
        for (ToneCurve& curve : tables.toneCurves) {
            curve.fill(9);
        }
        BuildToneMapCurves(builtIn.toneMap, tables);
        EXPECT_TRUE(tables.toneCurvesInForce);
        for (int c = 0; c < 4; ++c) {
            for (int p = 0; p < 5; ++p) {
                const int16_t output = builtIn.toneMap.PointOutput(c, p);
                EXPECT_EQ(tables.toneCurves[c][kPointLevels[p]], output) << builtIn.nameStringId << " " << c;
                if (c != kChannelMaster) {
                    EXPECT_EQ(output, kPointLevels[p]);
                }
            }
            for (int i = 0; m == 0 && i < 256; ++i) {
                ASSERT_EQ(tables.toneCurves[c][i], i) << "Linear, channel " << c;
            }
        }
    }
    // "Darken" bends the curve below the identity between the points and stays monotone.
    ToneTables darken;
    BuildToneMapCurves(builtIns[2].toneMap, darken);
    EXPECT_LT(darken.toneCurves[kChannelMaster][100], 100);
    for (int i = 1; i < 256; ++i) {
        EXPECT_GE(darken.toneCurves[kChannelMaster][i], darken.toneCurves[kChannelMaster][i - 1]);
    }
}

TEST(ToneMapTest, RecordKeepsTheCatalogueValueOrder) {
    ToneMap map = BuiltInToneMaps()[1].toneMap;
    map.SetPointOutput(kChannelBlue, 2, -5);
    map.pinFlags[kChannelGreen] = 6;
    map.selectedChannel = 441;

    const auto values = map.ToValues();
    EXPECT_EQ(values[0], 8u);                          // red shadow
    EXPECT_EQ(values[5 * kChannelBlue + 2], 0xFFFBu);  // signed 16 bits, upper half zero
    EXPECT_EQ(values[5 * kChannelMaster + 1], 74u);
    EXPECT_EQ(values[21], 6u);
    EXPECT_EQ(values[23], 14u);
    EXPECT_EQ(values[24], 441u);

    const ToneMap back = ToneMap::FromValues(values);
    EXPECT_EQ(back.PointOutput(kChannelBlue, 2), -5);
    EXPECT_EQ(back.ToValues(), values);
    EXPECT_TRUE(back.IsPinned(kChannelGreen, 1));
    EXPECT_TRUE(back.IsPinned(kChannelGreen, 2));
    EXPECT_FALSE(back.IsPinned(kChannelGreen, 3));

    // Only the low 16 bits of a stored cell are the level.
    auto stored = values;
    stored[3] = 0x12340080;
    EXPECT_EQ(ToneMap::FromValues(stored).PointOutput(kChannelRed, 3), 128);
}

}  // namespace
}  // namespace korva
