#include "core/imaging/thumbnail_fit.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

TEST(ThumbnailFitTest, ThePartKeepsItsProportionsInsideTheBox) {
    // Wider than the box: 120 / (300 / 100) = 40.
    EXPECT_EQ(FitThumbnail(300, 100, 120, 90), (ThumbnailSize{120, 40}));
    // Taller: 90 * 0.5 = 45; 90 * (33 / 70) = 42.43 rounds to 42, 90 * (35 / 61) = 51.6 to 52.
    EXPECT_EQ(FitThumbnail(100, 200, 120, 90), (ThumbnailSize{45, 90}));
    EXPECT_EQ(FitThumbnail(33, 70, 120, 90), (ThumbnailSize{42, 90}));
    EXPECT_EQ(FitThumbnail(35, 61, 120, 90), (ThumbnailSize{52, 90}));
    // Same proportions, or nothing to fit: the box.
    EXPECT_EQ(FitThumbnail(40, 30, 120, 90), (ThumbnailSize{120, 90}));
    EXPECT_EQ(FitThumbnail(0, 30, 120, 90), (ThumbnailSize{120, 90}));
}

}  // namespace
}  // namespace korva
