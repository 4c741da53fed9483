#include "core/mainwin/tab_layout.h"

#include <gtest/gtest.h>

#include <utility>

namespace korva {
namespace {

// Screen rectangles as a main dialog at (100, 50) lays its labels out: OCR at x 110, Photo at x 200,
// both from y 80, the frame from y 100.
const Rect kOcrLabel{110, 80, 200, 100};
const Rect kPhotoLabel{200, 80, 290, 100};
const Rect kFrame{108, 100, 400, 400};

TEST(HitTabLabelTest, EachLabelAnswersStrictlyInsideItsSpanBordersAndTheFrameSelectNothing) {
    // The Photo label reaches as far right of its left edge as the OCR label lies left of it: x = 290 is
    // just outside. y = 100 is the frame's top.
    const std::pair<Point, TabHit> hits[] = {
        {{111, 81}, TabHit::kOcr},   {{199, 99}, TabHit::kOcr},  {{201, 90}, TabHit::kPhoto},
        {{289, 90}, TabHit::kPhoto}, {{290, 90}, TabHit::kNone}, {{200, 90}, TabHit::kNone},
        {{110, 90}, TabHit::kNone},  {{150, 80}, TabHit::kNone}, {{150, 100}, TabHit::kNone},
        {{150, 200}, TabHit::kNone},
    };
    for (const auto& [point, hit] : hits) {
        EXPECT_EQ(HitTabLabel(kOcrLabel, kPhotoLabel, kFrame, point), hit) << point.x << "," << point.y;
    }
}

TEST(CentrePageInFrameTest, CentresInClientCoordinatesWithIntegerHalves) {
    // Dialog client origin at screen (103, 72); frame 292 × 300 at (108, 100); page 250 × 201.
    const PagePlacement placement = CentrePageInFrame(kFrame, Rect{103, 72, 104, 73}, 250, 201);
    EXPECT_EQ(placement.x, 5 + 21);
    EXPECT_EQ(placement.y, 28 + 49);
}

}  // namespace
}  // namespace korva
