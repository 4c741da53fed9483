#include "core/preview/zoom_view.h"

#include <gtest/gtest.h>

#include <tuple>

namespace korva {
namespace {

class ZoomViewTest : public ::testing::Test {
  protected:
    ZoomViewTest() {
        view.bedWidth = view.areaWidth = 850;
        view.bedHeight = view.areaHeight = 1100;
        view.viewWidth = view.fullWidth = view.paneMaxWidth = 340;
        view.viewHeight = view.fullHeight = view.paneMaxHeight = 440;
        settings.resolutions = {50, 100, 200, 300, 600};
        marquees.SetGeometry(view);
    }
    Marquee& AddMarquee(const Rect& r) {
        marquees.Add(r, SettingsBlock{});
        view.currentRect = r;
        return *marquees.Current();
    }

    PreviewView view;
    PaneSettings settings;
    MarqueeList marquees;
};

TEST_F(ZoomViewTest, TheMarqueeGrowsByATenthOnEverySideAndFillsThePane) {
    const auto zoom = ComputeZoomView(view, AddMarquee({34, 44, 101, 131}), settings);
    ASSERT_TRUE(zoom);
    // The marquee covers 85, 110, 170 x 220 hundredths; a tenth more on each side. 166 dpi wanted: 200 at 83 %.
    // Area left, top, width, height; view width, height; full width, height; resolution, scale; scanned size.
    EXPECT_EQ(zoom->record, (ZoomRecord{68, 88, 204, 264, 338, 438, 340, 440, 200, 83, 203, 263}));
    EXPECT_EQ(zoom->rect, (Rect{28, 37, 306, 397}));  // 17 hundredths of margin = 28 pixels
}

TEST_F(ZoomViewTest, TheAreaStaysWithinTheBed) {
    const auto atOrigin = ComputeZoomView(view, AddMarquee({0, 0, 33, 43}), settings);
    EXPECT_EQ(std::tuple(atOrigin->record.areaLeft, atOrigin->record.areaWidth), std::tuple(0, 93));  // 85 + 8
    const auto atRight = ComputeZoomView(view, AddMarquee({300, 0, 339, 43}), settings);
    EXPECT_EQ(std::tuple(atRight->record.areaLeft, atRight->record.areaWidth), std::tuple(740, 110));  // cut at the bed
    settings.resolutions.clear();
    EXPECT_FALSE(ComputeZoomView(view, AddMarquee({10, 10, 50, 50}), settings));
}

TEST_F(ZoomViewTest, AMarqueeWithAZoomRecordIsZoomedAsBefore) {
    Marquee& m = AddMarquee({34, 44, 101, 131});
    m.zoom = {.areaWidth = 1, .areaHeight = 2, .viewWidth = 3, .viewHeight = 4};
    m.zoomRect = {1, 1, 2, 2};
    const auto zoom = ComputeZoomView(view, m, settings);
    EXPECT_EQ(zoom->record, m.zoom);
    EXPECT_EQ(zoom->rect, m.zoomRect);
    m.zoom.viewHeight = 0;  // a record that cannot describe a view is computed anew
    EXPECT_EQ(ComputeZoomView(view, m, settings)->record.areaWidth, 204);
}

TEST_F(ZoomViewTest, EnteringAndLeavingTheZoomMovesViewAndMarquees) {
    const auto zoom = ComputeZoomView(view, AddMarquee({34, 44, 101, 131}), settings);
    EnterZoomView(view, marquees, *zoom);
    EXPECT_EQ(std::tuple(view.areaLeft, view.viewWidth, view.fullWidth), std::tuple(68, 338, 340));
    EXPECT_EQ(view.currentRect, zoom->rect);
    EXPECT_TRUE(marquees.Zoomed());
    EXPECT_EQ(marquees.Current()->zoom, zoom->record);

    marquees.UpdateCurrent({30, 40, 300, 390});  // edited while zoomed
    const BedSize bed{850, 1100};
    settings.resolutions = {50};
    LeaveZoomView(view, marquees, bed, settings);
    EXPECT_FALSE(marquees.Zoomed());
    EXPECT_TRUE(marquees.Current()->zoom.IsEmpty());
    EXPECT_EQ(std::tuple(view.areaLeft, view.areaWidth), std::tuple(0, 850));
    EXPECT_EQ(view.currentRect, marquees.Current()->view);
    EXPECT_EQ(view.currentRect.left, 35);  // 68 + 30 x 204 / 338 hundredths, in the full preview
}

}  // namespace
}  // namespace korva
