#include "core/mainwin/tab_layout.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

// Screen rectangles as a main dialog at (100, 50) lays its labels out: OCR at x 110, Photo at x 200,
// both from y 80, the frame from y 100.
const Rect kOcrLabel{110, 80, 200, 100};
const Rect kPhotoLabel{200, 80, 290, 100};
const Rect kFrame{108, 100, 400, 400};

TEST(HitTabLabelTest, EachLabelAnswersStrictlyInsideItsSpanBordersAndTheFrameSelectNothing) {
    EXPECT_EQ(HitTabLabel(kOcrLabel, kPhotoLabel, kFrame, {111, 81}), TabHit::kOcr);
    EXPECT_EQ(HitTabLabel(kOcrLabel, kPhotoLabel, kFrame, {199, 99}), TabHit::kOcr);
    EXPECT_EQ(HitTabLabel(kOcrLabel, kPhotoLabel, kFrame, {201, 90}), TabHit::kPhoto);
    EXPECT_EQ(HitTabLabel(kOcrLabel, kPhotoLabel, kFrame, {289, 90}), TabHit::kPhoto);
    // The Photo label reaches as far right of its left edge as the OCR label lies left of it: x = 290
    // is just outside.
    EXPECT_EQ(HitTabLabel(kOcrLabel, kPhotoLabel, kFrame, {2 * 200 - 110, 90}), TabHit::kNone);
    EXPECT_EQ(HitTabLabel(kOcrLabel, kPhotoLabel, kFrame, {200, 90}), TabHit::kNone);
    EXPECT_EQ(HitTabLabel(kOcrLabel, kPhotoLabel, kFrame, {110, 90}), TabHit::kNone);
    EXPECT_EQ(HitTabLabel(kOcrLabel, kPhotoLabel, kFrame, {150, 80}), TabHit::kNone);
    EXPECT_EQ(HitTabLabel(kOcrLabel, kPhotoLabel, kFrame, {150, 100}), TabHit::kNone);  // the frame's top
    EXPECT_EQ(HitTabLabel(kOcrLabel, kPhotoLabel, kFrame, {150, 200}), TabHit::kNone);
}

TEST(CentrePageInFrameTest, CentresInClientCoordinatesWithIntegerHalves) {
    // Dialog client origin at screen (103, 72); frame 292 × 300 at (108, 100); page 250 × 201.
    const PagePlacement placement = CentrePageInFrame(kFrame, Rect{103, 72, 104, 73}, 250, 201);
    EXPECT_EQ(placement.x, 5 + 21);
    EXPECT_EQ(placement.y, 28 + 49);
}

}  // namespace
}  // namespace korva
