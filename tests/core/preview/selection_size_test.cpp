#include "core/preview/selection_size.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/preview/document_selection.h"

namespace korva {
namespace {

// A view of 300 x 388 pixels on an area of 850 x 1100 hundredths.
PreviewView View(const Rect& current) {
    PreviewView v;
    v.areaWidth = 850;
    v.areaHeight = 1100;
    v.viewWidth = 300;
    v.viewHeight = 388;
    v.currentRect = current;
    return v;
}

TEST(SelectionSizeTest, TheRectangleIsMeasuredInHundredthsAndTheWholeViewCountsAsNone) {
    constexpr Rect kNoMarquee{-1, -1, -1, -1};
    struct Row {
        Rect rect;
        Rect marqueeTenths;  // the current marquee in the full preview, or kNoMarquee
        int32_t usable, selWidth, selHeight;
        bool cleared;  // the rectangle is replaced by none
    };
    const Row rows[] = {
        {{0, 0, 150, 194}, kNoMarquee, 1, 425, 550, false},
        {{150, 194, 1, 1}, kNoMarquee, 1, 422, 547, false},  // inverted corners: 149 x 850 / 300, truncated
        {{0, 0, 0, 10}, kNoMarquee, 0, 0, 28, false},        // no width
        {{}, kNoMarquee, 1, 850, 1100, false},
        {{0, 0, 299, 387}, kNoMarquee, 1, 850, 1100, false},
        {{0, 0, 300, 388}, kNoMarquee, 1, 850, 1100, false},
        {{1, 0, 300, 387}, kNoMarquee, 1, 847, 1100, false},  // the height is the area's, the width measured
        // Within one pixel of the whole view: no rectangle.
        {{0, 0, 298, 386}, kNoMarquee, 1, 850, 1100, true},
        {{1, 1, 299, 387}, kNoMarquee, 1, 850, 1100, true},
        {{0, 0, 299, 386}, kNoMarquee, 1, 850, 1100, true},
        {{0, 0, 297, 385}, kNoMarquee, 1, 841, 1091, false},  // two pixels short
        {{0, 0, 298, 385}, kNoMarquee, 1, 844, 1091, false},  // two pixels short in height only
        // A point is measured by the current marquee and kept, even within a pixel of the whole view.
        {{5, 5, 5, 5}, {0, 0, 1500, 1940}, 1, 425, 550, false},
        {{5, 5, 5, 5}, {0, 0, 2990, 3860}, 1, 847, 1094, false},
        {{5, 5, 5, 5}, kNoMarquee, 1, 850, 1100, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.rect.left << ", " << row.rect.top << ", " << row.rect.right << ", "
                                        << row.rect.bottom);
        PreviewView v = View(row.rect);
        Marquee current;
        current.fullTenths = row.marqueeTenths;
        const int32_t usable = ComputeSelectionSize(v, row.marqueeTenths == kNoMarquee ? nullptr : &current);
        EXPECT_EQ(std::tuple(usable, v.selWidth, v.selHeight), std::tuple(row.usable, row.selWidth, row.selHeight));
        EXPECT_EQ(v.currentRect, row.cleared ? Rect{} : row.rect);
    }
}

TEST(SelectionInDocumentTest, TheCornerIsMeasuredFromTheAreaOrigin) {
    PreviewView view = View({40, 80, 120, 200});
    view.viewWidth = 340;
    view.viewHeight = 440;
    view.areaLeft = 50;
    view.areaTop = 20;
    view.selWidth = 200;
    view.selHeight = 300;
    const DocumentSelection selection = SelectionInDocument(view);
    EXPECT_EQ(std::tuple(selection.left, selection.top, selection.width, selection.height),
              std::tuple(50 + 100, 20 + 200, 200, 300));
    view.viewWidth = 0;  // without a view the corner is the area origin
    const DocumentSelection noView = SelectionInDocument(view);
    EXPECT_EQ(std::tuple(noView.left, noView.top), std::tuple(50, 20));
}

}  // namespace
}  // namespace korva
