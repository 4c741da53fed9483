#include "core/preview/preview_resolution.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/preview/pane_geometry.h"

namespace korva {
namespace {

PreviewResolutionRequest Request(int32_t maxWidth, int32_t maxHeight, bool full = true) {
    PreviewResolutionRequest q;
    q.areaWidth = 850;
    q.areaHeight = 1100;
    q.maxWidth = maxWidth;
    q.maxHeight = maxHeight;
    q.fullPreviewShown = full;
    return q;
}

TEST(PreviewResolutionTest, ChoosesThePairClosestToTheWantedResolution) {
    const std::vector<uint16_t> list{50, 75, 100, 150, 200, 300, 600};
    const auto chosen = ChoosePreviewResolution(Request(340, 440), list);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->resolution, 50);  // 40 dpi wanted: 50 dpi at 80 %
    EXPECT_EQ(chosen->scale, 80);
    EXPECT_EQ(chosen->viewWidth, 340);
    EXPECT_EQ(chosen->viewHeight, 440);
    EXPECT_EQ(chosen->scannedWidth, 850);
    EXPECT_EQ(chosen->scannedHeight, 1100);
}

TEST(PreviewResolutionTest, EqualErrorsPreferTheScaleNearestToHundred) {
    PreviewResolutionRequest q = Request(850, 1100);  // 100 dpi wanted
    const auto chosen = ChoosePreviewResolution(q, std::vector<uint16_t>{50, 100, 200});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->resolution, 100);
    EXPECT_EQ(chosen->scale, 100);
}

TEST(PreviewResolutionTest, TheScaleReachesTwoHundredOnlyForTheFullPreview) {
    const std::vector<uint16_t> list{50, 100};
    const auto full = ChoosePreviewResolution(Request(1275, 1650, true), list);  // 150 dpi wanted
    EXPECT_EQ(full->resolution, 100);
    EXPECT_EQ(full->scale, 150);
    const auto zoom = ChoosePreviewResolution(Request(1275, 1650, false), list);
    EXPECT_EQ(zoom->resolution, 100);
    EXPECT_EQ(zoom->scale, 100);
}

TEST(PreviewResolutionTest, AnAreaTooLargeForThePaneIsCut) {
    const auto chosen = ChoosePreviewResolution(Request(340, 440), std::vector<uint16_t>{300});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->scale, 50);  // 150 dpi effective
    EXPECT_EQ(chosen->viewWidth, 339);
    EXPECT_EQ(chosen->viewHeight, 439);
    EXPECT_EQ(chosen->scannedWidth, 226);
    EXPECT_EQ(chosen->scannedHeight, 292);
    PreviewResolutionRequest high = Request(340, 440);
    high.scanResolution = 601;  // above twice the largest entry
    const auto replaced = ChoosePreviewResolution(high, std::vector<uint16_t>{300});
    EXPECT_EQ(replaced->viewWidth, 2550);
    EXPECT_EQ(replaced->viewHeight, 3300);
}

TEST(PreviewResolutionTest, NoChoiceWithoutAnAreaOrAResolution) {
    EXPECT_FALSE(ChoosePreviewResolution(Request(340, 440), std::vector<uint16_t>{}));
    EXPECT_FALSE(ChoosePreviewResolution(Request(340, 440), std::vector<uint16_t>{0}));
    PreviewResolutionRequest q = Request(340, 440);
    q.areaWidth = 0;
    EXPECT_FALSE(ChoosePreviewResolution(q, std::vector<uint16_t>{100}));
}

TEST(PaneGeometryTest, TheWholeBedIsFittedIntoThePaneAndItsPreviewResolutionChosen) {
    std::vector<uint8_t> block(kSourceContextSize, 0);
    SourceContext context(block.data());
    context.Set(ctx::bedWidth0, 850);
    context.Set(ctx::bedHeight0, 1100);
    context.Set(ctx::bedWidth1, 850);
    context.Set(ctx::bedHeight1, 1400);
    context.Set(ctx::resolutionCount, 40);  // more than the list holds
    for (uint32_t i = 0; i < 32; ++i) {
        context.Set(ctx::resolutionList, 50 * (i + 1), i);
    }
    EXPECT_EQ(BedForSource(context, 1, 0).height, 1400);
    EXPECT_EQ(BedForSource(context, 1, 2).height, 1100);
    EXPECT_EQ(BedForSource(context, 0, 1).height, 1100);
    PaneSettings settings;
    settings.resolutions = DeviceResolutions(context);
    EXPECT_EQ(settings.resolutions.size(), 32u);
    EXPECT_EQ(settings.resolutions.back(), 1600);

    PreviewView view;
    view.paneMaxWidth = kPaneMaxWidthAlone;
    view.paneMaxHeight = kPaneMaxHeightAlone;
    view.currentRect = {1, 2, 3, 4};
    MarqueeList marquees;
    const auto chosen = ComputePaneGeometry(view, marquees, BedForSource(context, 0, 2), settings, true);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->resolution, 50);  // 48 dpi wanted: 50 dpi at 96 %
    EXPECT_EQ(chosen->scale, 96);
    EXPECT_EQ(view.paintWidth, 416);
    EXPECT_EQ(view.paintHeight, 538);
    EXPECT_EQ(view.viewWidth, 408);
    EXPECT_EQ(view.viewHeight, 528);
    EXPECT_EQ(view.fullWidth, 408);
    EXPECT_EQ(view.areaWidth, 850);
    EXPECT_EQ(view.selHeight, 1100);
    EXPECT_TRUE(view.currentRect.IsEmpty());
    EXPECT_EQ(marquees.Factors().bedPxW, 408);

    SetPaneMaxFromDialog(view, 800, 380, 30, 600);
    EXPECT_EQ(view.paneMaxWidth, 419);
    EXPECT_EQ(view.paneMaxHeight, 560);
    EXPECT_FALSE(ComputePaneGeometry(view, marquees, BedSize{}, settings, true));
    EXPECT_EQ(view.viewHeight, 0);
}

TEST(PaneGeometryTest, TheWindowSitsOnThePlaceholderAndTheDialogEnclosesIt) {
    PreviewView view;
    view.fullWidth = view.viewWidth = 300;
    view.fullHeight = view.viewHeight = 388;
    const Rect dialog{100, 50, 700, 600};
    const Rect placeholder{380, 90, 381, 91};
    const PaneWindowFrame exact = PlacePaneWindow(view, dialog, placeholder, 18, true);
    EXPECT_EQ(exact.x, 279);
    EXPECT_EQ(exact.y, 21);
    EXPECT_EQ(exact.width, 300);
    EXPECT_EQ(exact.height, 388);
    view.viewWidth = 400;  // a landscape view turns the box
    const PaneWindowFrame turned = PlacePaneWindow(view, dialog, placeholder, 18, false);
    EXPECT_EQ(turned.width, 390);
    EXPECT_EQ(turned.height, 302);

    const DialogSize size = MainDialogSizeForPane(view, dialog, placeholder, Rect{110, 80, 360, 560});
    EXPECT_EQ(size.width, 280 + 388 + 10);  // gap 20
    EXPECT_EQ(size.height, 530);            // the frame reaches further down than the pane
    view.viewWidth = 300;
    EXPECT_EQ(MainDialogSizeForPane(view, dialog, placeholder, Rect{110, 80, 360, 300}).height, 40 + 388 + 20);
}

}  // namespace
}  // namespace korva
