#include "core/tone/spline.h"

#include <gtest/gtest.h>

#include <vector>

namespace korva {
namespace {

TEST(SplineTest, FewKnotsGiveNothingAConstantOrALine) {
    std::vector<double> none;
    std::vector<double> z0;
    EXPECT_EQ(SplineSetup(none, none, z0), kSplineNoCurve);
    EXPECT_EQ(SplineEval(none, none, z0, 10), -1.0);

    const std::vector<double> x1 = {50};
    const std::vector<double> y1 = {120};
    std::vector<double> z1(1, 99);
    EXPECT_EQ(SplineSetup(x1, y1, z1), kSplineReady);
    EXPECT_EQ(SplineEval(x1, y1, z1, 0), 120);
    EXPECT_EQ(SplineEval(x1, y1, z1, 255), 120);

    const std::vector<double> x2 = {8, 245};
    const std::vector<double> y2 = {0, 237};
    std::vector<double> z2(2);
    EXPECT_EQ(SplineSetup(x2, y2, z2), kSplineReady);
    EXPECT_DOUBLE_EQ(z2[0], 1.0);
    EXPECT_DOUBLE_EQ(SplineEval(x2, y2, z2, 100), 92);
    EXPECT_DOUBLE_EQ(SplineEval(x2, y2, z2, 0), -8);  // extended beyond the knots
    EXPECT_DOUBLE_EQ(SplineEval(x2, y2, z2, 255), 247);
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
    // Only the two in-force points count: a line of slope 2.5 through (100, 0) and (202, 255).
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
