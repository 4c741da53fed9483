#include "core/preview/document_selection.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

TEST(SelectionInDocumentTest, TheCornerIsMeasuredFromTheBedOrigin) {
    PreviewView view;
    view.viewWidth = 340;
    view.viewHeight = 440;
    view.areaLeft = 50;
    view.areaTop = 20;
    view.areaWidth = 850;
    view.areaHeight = 1100;
    view.selWidth = 200;
    view.selHeight = 300;
    view.currentRect = Rect{40, 80, 120, 200};
    const DocumentSelection selection = SelectionInDocument(view);
    EXPECT_EQ(selection.width, 200);
    EXPECT_EQ(selection.height, 300);
    EXPECT_EQ(selection.left, 50 + 100);
    EXPECT_EQ(selection.top, 20 + 200);
}

TEST(SelectionInDocumentTest, WithoutAViewTheCornerIsTheAreaOrigin) {
    PreviewView view;
    view.areaLeft = 7;
    view.areaTop = 9;
    view.currentRect = Rect{40, 80, 120, 200};
    const DocumentSelection selection = SelectionInDocument(view);
    EXPECT_EQ(selection.left, 7);
    EXPECT_EQ(selection.top, 9);
}

}  // namespace
}  // namespace korva
