#include "core/tone/selection_exposure.h"

#include <gtest/gtest.h>

#include "core/preview/packed_dib.h"
#include "imaging/test_images.h"

namespace korva {
namespace {

// A 64 x 32 preview whose left half has grey level `left` and right half `right`.
PackedDib TwoHalves(uint8_t left, uint8_t right) {
    return test::Preview(64, 32, [&](int32_t x, int32_t) { return test::Grey(x < 32 ? left : right); });
}

int32_t HighlightAfter(const PackedDib& image, const Rect& selection) {
    ScanSettings settings;
    settings.iproc[iproc::kHighlight] = 245;
    EXPECT_TRUE(ExposeSelection(settings, SelectionExposure{image, selection, 0, 2, false}));
    return settings.iproc[iproc::kHighlight];
}

TEST(ExposeSelectionTest, TheHighlightFollowsTheBrightestPartOfTheSelectionOrOfAUsablePreview) {
    const PackedDib image = TwoHalves(60, 200);
    const int32_t dark = HighlightAfter(image, Rect{0, 0, 31, 31});
    const int32_t bright = HighlightAfter(image, Rect{32, 0, 63, 31});
    EXPECT_LT(dark, bright);
    EXPECT_EQ(HighlightAfter(image, Rect{}), bright);  // no selection: the whole preview

    // Without a usable preview nothing changes.
    ScanSettings settings;
    settings.iproc[iproc::kHighlight] = 245;
    EXPECT_FALSE(ExposeSelection(settings, SelectionExposure{}));
    EXPECT_EQ(settings.iproc[iproc::kHighlight], 245);
}

TEST(ExposeSelectionTest, TheSourceDecidesTheKindOfDocument) {
    EXPECT_EQ(ExposureModeFor(1, 1), ExposureMode::NegativeFilm);
    EXPECT_EQ(ExposureModeFor(2, 1), ExposureMode::PositiveFilm);
    EXPECT_EQ(ExposureModeFor(1, 0), ExposureMode::Reflective);  // the feeder
    EXPECT_EQ(ExposureModeFor(0, 1), ExposureMode::Reflective);  // the flatbed
}

}  // namespace
}  // namespace korva
