// The eyedroppers: the averaged square under the pointer and what the picked colour sets.
#include "core/imaging/eyedropper.h"

#include <gtest/gtest.h>

#include "core/preview/packed_dib.h"
#include "test_images.h"

namespace korva {
namespace {

// A 4 x 3 picture whose pixel (x, y), counted from the top, has red 10x + y, green 100 and blue 200; the
// bitmap holds the bottom row first.
PackedDib Picture() {
    return test::Preview(4, 3, [](int32_t x, int32_t row) {
        return test::Bgr{200, 100, static_cast<uint8_t>(10 * x + (2 - row))};
    });
}

TEST(AverageSquareTest, AveragesTheSquareCutToThePicture) {
    const PackedDib dib = Picture();
    EXPECT_EQ(AverageSquare(dib, 2, 0, 1), (Rgb{20, 100, 200}));  // rows are counted from the top
    EXPECT_EQ(AverageSquare(dib, 1, 1, 3), (Rgb{11, 100, 200}));
    EXPECT_EQ(AverageSquare(dib, 0, 0, 3), (Rgb{6, 100, 200}));  // (0 + 1 + 10 + 11) / 4, rounded
    EXPECT_EQ(AverageSquare(dib, 4, 0, 1), std::nullopt);
    EXPECT_EQ(AverageSquare(dib, 0, -1, 1), std::nullopt);
    EXPECT_EQ(AverageSquare(std::span(dib).first(30), 0, 0, 1), std::nullopt);
}

TEST(ApplyPickedColourTest, HighlightShadowAndGrayPointThroughNeutralDensityLines) {
    ScanSettings settings;
    ASSERT_TRUE(ApplyPickedColour(settings, PickTarget::kHighlight, Rgb{0, 200, 0}, 6));
    EXPECT_NEAR(settings.iproc[iproc::kHighlight], 200, 1);
    EXPECT_EQ(settings.iproc[iproc::kExposure], 2);  // -0.05772 - log2(200 / 255) = 0.29 stops

    ASSERT_TRUE(ApplyPickedColour(settings, PickTarget::kShadow, Rgb{0, 250, 0}, 6));
    EXPECT_EQ(settings.iproc[iproc::kShadow], 60);  // clamped

    ASSERT_TRUE(ApplyPickedColour(settings, PickTarget::kGrayPoint, Rgb{200, 100, 50}, 6));
    EXPECT_NEAR(settings.channelBalance[0], 1.0f, 1e-5);
    EXPECT_NEAR(settings.channelBalance[1], 0.0f, 1e-5);
    EXPECT_NEAR(settings.channelBalance[2], -1.0f, 1e-5);
    EXPECT_EQ(settings.iproc[iproc::kGrayBalance], 100);  // a strength of 0 would show nothing
    EXPECT_FALSE(ApplyPickedColour(settings, PickTarget::kGrayPoint, Rgb{0, 100, 50}, 6));
}

TEST(ThroughTablesTest, EachChannelGoesThroughItsOwnTable) {
    DisplayTables tables{};
    for (int i = 0; i < 256; ++i) {
        tables[0][i] = static_cast<uint8_t>(255 - i);
        tables[1][i] = static_cast<uint8_t>(i);
        tables[2][i] = 7;
    }
    EXPECT_EQ(ThroughTables(Rgb{10, 20, 30}, tables), (Rgb{245, 20, 7}));
}

}  // namespace
}  // namespace korva
