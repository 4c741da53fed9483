// Tone maps: their stored record and the spline curves through their points.
#include <gtest/gtest.h>

#include <vector>

#include "core/tone/spline.h"
#include "core/tone/tone_map.h"

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

TEST(SplineTest, OneKnotGivesAConstant) {
    const std::vector<double> x = {50};
    const std::vector<double> y = {120};
    std::vector<double> z(1, 99);
    EXPECT_EQ(SplineSetup(x, y, z), kSplineReady);
    EXPECT_EQ(SplineEval(x, y, z, 0), 120);
    EXPECT_EQ(SplineEval(x, y, z, 255), 120);
}

TEST(SplineTest, NaturalSplineInterpolatesAndExtrapolatesItsEndPieces) {
    // Through (0,0), (1,1), (2,0): second derivative -3 at the middle knot, 0 at the ends.
    const std::vector<double> x = {0, 1, 2};
    const std::vector<double> y = {0, 1, 0};
    std::vector<double> z(3);
    ASSERT_EQ(SplineSetup(x, y, z), kSplineReady);
    EXPECT_DOUBLE_EQ(z[0], 0);
    EXPECT_DOUBLE_EQ(z[1], -0.5);
    EXPECT_DOUBLE_EQ(z[2], 0);
    EXPECT_DOUBLE_EQ(SplineEval(x, y, z, 1), 1);
    EXPECT_DOUBLE_EQ(SplineEval(x, y, z, 0.5), 0.6875);
    EXPECT_DOUBLE_EQ(SplineEval(x, y, z, 1.5), 0.6875);
    // Beyond the last knot the last cubic piece continues, it is not a straight line.
    EXPECT_DOUBLE_EQ(SplineEval(x, y, z, 3), -1);
    EXPECT_DOUBLE_EQ(SplineEval(x, y, z, -1), -1);
}

TEST(SplineTest, CurveSkipsPointsNotInForceClampsAndRounds) {
    // Only the two in-force points count: a line of slope 2.5 through (100, 0) and (202, 255), extended
    // beyond them and clamped.
    const std::array<SplinePoint, 5> points = {{
        {8, 200, 0},
        {100, 0, 1},
        {128, 3, 0},
        {202, 255, 1},
        {245, 9, 0},
    }};
    ToneCurve curve{};
    EXPECT_EQ(BuildSplineCurve(points, curve), kSplineReady);
    EXPECT_EQ(curve[0], 0);
    EXPECT_EQ(curve[99], 0);
    EXPECT_EQ(curve[151], 128);  // 127.5 rounds up
    EXPECT_EQ(curve[152], 130);
    EXPECT_EQ(curve[201], 253);  // 252.5
    EXPECT_EQ(curve[203], 255);  // 257.5
    EXPECT_EQ(curve[255], 255);

    ToneCurve untouched;
    untouched.fill(77);
    const std::array<SplinePoint, 5> none{};
    EXPECT_EQ(BuildSplineCurve(none, untouched), kSplineNoCurve);
    EXPECT_EQ(untouched[0], 77);
    EXPECT_EQ(untouched[255], 77);
}

}  // namespace
}  // namespace korva
