#include "core/mainwin/document_sizes.h"

#include <gtest/gtest.h>

#include <string>

namespace korva {
namespace {

TEST(DocumentSizeSelectionTest, OffsetsCentreTheSizesOnTheFeedPathInPreviewPixels) {
    // A4 on a 340-pixel preview of an 850-hundredths bed: 40 pixels per inch; 11.7 as a float lies below
    // 11.7, so 467.
    EXPECT_EQ(DocumentSizeSelection(kSizeA4, 340, 850), (Rect{4, 0, 334, 467}));
    // 100 pixels per inch: left = offset × 100, right = left + width × 100, truncated. Sizes whose float
    // lies just below the decimal lose a pixel (3.54 and 10.12); those just above keep it (2.48, 2.17).
    EXPECT_EQ(DocumentSizeSelection(kSizeLetter, 850, 850), (Rect{0, 0, 850, 1100}));
    EXPECT_EQ(DocumentSizeSelection(kSizeCard, 850, 850), (Rect{248, 0, 601, 217}));
    EXPECT_EQ(DocumentSizeSelection(kSizeA5, 850, 850).left, 133);
    EXPECT_EQ(DocumentSizeSelection(kSizeB5, 850, 850).bottom, 1011);
    // "Max", a typed size and an empty bed select nothing.
    EXPECT_TRUE(DocumentSizeSelection(kSizeMax, 340, 850).IsEmpty());
    EXPECT_TRUE(DocumentSizeSelection(kSizeTyped, 340, 850).IsEmpty());
    EXPECT_TRUE(DocumentSizeSelection(kSizeA4, 340, 0).IsEmpty());
    // The size fields show the texts, not the floats.
    ASSERT_TRUE(FindDocumentSize(kSizeB5));
    EXPECT_EQ(std::string(FindDocumentSize(kSizeB5)->height), "10.12");
    EXPECT_FALSE(FindDocumentSize(969));
}

}  // namespace
}  // namespace korva
