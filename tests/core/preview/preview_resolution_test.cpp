#include "core/preview/preview_resolution.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

#include "core/preview/pane_geometry.h"

namespace korva {
namespace {

using Chosen = std::tuple<int32_t, int32_t, int32_t, int32_t, int32_t, int32_t>;

TEST(PreviewResolutionTest, ChoosesTheResolutionAndScaleClosestToWhatThePaneCanShow) {
    struct Row {
        int32_t maxWidth, maxHeight;
        bool full;
        int32_t scanResolution, areaWidth;
        std::vector<uint16_t> list;
        std::optional<Chosen> expected;  // resolution, scale, view width and height, scanned width and height
    };
    const Row rows[] = {
        // 40 dpi wanted: 50 dpi at 80 %.
        {340, 440, true, 0, 850, {50, 75, 100, 150, 200, 300, 600}, Chosen{50, 80, 340, 440, 850, 1100}},
        // 100 dpi wanted: equal errors prefer the scale nearest to 100 %.
        {850, 1100, true, 0, 850, {50, 100, 200}, Chosen{100, 100, 850, 1100, 850, 1100}},
        // 150 dpi wanted: the scale reaches 200 % only for the full preview.
        {1275, 1650, true, 0, 850, {50, 100}, Chosen{100, 150, 1275, 1650, 850, 1100}},
        {1275, 1650, false, 0, 850, {50, 100}, Chosen{100, 100, 850, 1100, 850, 1100}},
        // 150 dpi effective is too much for the pane: the area is cut.
        {340, 440, true, 0, 850, {300}, Chosen{300, 50, 339, 439, 226, 292}},
        // A scan resolution above twice the largest entry replaces the view size.
        {340, 440, true, 601, 850, {300}, Chosen{300, 50, 2550, 3300, 226, 292}},
        {340, 440, true, 0, 850, {}, std::nullopt},
        {340, 440, true, 0, 850, {0}, std::nullopt},
        {340, 440, true, 0, 0, {100}, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.maxWidth << " x " << row.maxHeight << " full " << row.full);
        PreviewResolutionRequest q;
        q.areaWidth = row.areaWidth;
        q.areaHeight = 1100;
        q.maxWidth = row.maxWidth;
        q.maxHeight = row.maxHeight;
        q.fullPreviewShown = row.full;
        q.scanResolution = row.scanResolution;
        const auto c = ChoosePreviewResolution(q, row.list);
        ASSERT_EQ(c.has_value(), row.expected.has_value());
        if (c) {
            EXPECT_EQ(Chosen(c->resolution, c->scale, c->viewWidth, c->viewHeight, c->scannedWidth, c->scannedHeight),
                      *row.expected);
        }
    }
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
    EXPECT_EQ(std::tuple(chosen->resolution, chosen->scale), std::tuple(50, 96));  // 48 dpi wanted
    EXPECT_EQ(std::tuple(view.paintWidth, view.paintHeight, view.viewWidth, view.viewHeight, view.fullWidth),
              std::tuple(416, 538, 408, 528, 408));
    EXPECT_EQ(std::tuple(view.areaWidth, view.selHeight, marquees.Factors().bedPxW), std::tuple(850, 1100, 408));
    EXPECT_TRUE(view.currentRect.IsEmpty());

    SetPaneMaxFromDialog(view, 800, 380, 30, 600);
    EXPECT_EQ(std::tuple(view.paneMaxWidth, view.paneMaxHeight), std::tuple(419, 560));
    EXPECT_FALSE(ComputePaneGeometry(view, marquees, BedSize{}, settings, true));
    EXPECT_EQ(view.viewHeight, 0);
}

TEST(PaneGeometryTest, TheWindowSitsOnThePlaceholderAndTheDialogEnclosesIt) {
    PreviewView view;
    view.fullWidth = view.viewWidth = 300;
    view.fullHeight = view.viewHeight = 388;
    const Rect dialog{100, 50, 700, 600};
    const Rect placeholder{380, 90, 381, 91};
    const auto frame = [](const PaneWindowFrame& f) { return std::tuple(f.x, f.y, f.width, f.height); };
    EXPECT_EQ(frame(PlacePaneWindow(view, dialog, placeholder, 18, true)), std::tuple(279, 21, 300, 388));
    view.viewWidth = 400;  // a landscape view turns the box
    const PaneWindowFrame turned = PlacePaneWindow(view, dialog, placeholder, 18, false);
    EXPECT_EQ(std::tuple(turned.width, turned.height), std::tuple(390, 302));

    const DialogSize size = MainDialogSizeForPane(view, dialog, placeholder, Rect{110, 80, 360, 560});
    EXPECT_EQ(size.width, 280 + 388 + 10);  // gap 20
    EXPECT_EQ(size.height, 530);            // the frame reaches further down than the pane
    view.viewWidth = 300;
    EXPECT_EQ(MainDialogSizeForPane(view, dialog, placeholder, Rect{110, 80, 360, 300}).height, 40 + 388 + 20);
}

}  // namespace
}  // namespace korva
