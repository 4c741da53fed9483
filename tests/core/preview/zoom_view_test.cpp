#include "core/preview/zoom_view.h"

#include <gtest/gtest.h>

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
    const ZoomRecord& z = zoom->record;
    // The marquee covers 85, 110, 170 x 220 hundredths; a tenth more on each side.
    EXPECT_EQ(z.areaLeft, 68);
    EXPECT_EQ(z.areaTop, 88);
    EXPECT_EQ(z.areaWidth, 204);
    EXPECT_EQ(z.areaHeight, 264);
    EXPECT_EQ(z.resolution, 200);  // 166 dpi wanted: 200 dpi at 83 %
    EXPECT_EQ(z.scale, 83);
    EXPECT_EQ(z.viewWidth, 338);
    EXPECT_EQ(z.viewHeight, 438);
    EXPECT_EQ(z.scannedWidth, 203);
    EXPECT_EQ(z.scannedHeight, 263);
    EXPECT_EQ(z.fullWidth, 340);
    EXPECT_EQ(z.fullHeight, 440);
    EXPECT_EQ(zoom->rect, (Rect{28, 37, 306, 397}));  // 17 hundredths of margin = 28 pixels
}

TEST_F(ZoomViewTest, TheAreaStaysWithinTheBed) {
    const auto atOrigin = ComputeZoomView(view, AddMarquee({0, 0, 33, 43}), settings);
    EXPECT_EQ(atOrigin->record.areaLeft, 0);
    EXPECT_EQ(atOrigin->record.areaWidth, 93);  // 85 + 8 on the right only
    const auto atRight = ComputeZoomView(view, AddMarquee({300, 0, 339, 43}), settings);
    EXPECT_EQ(atRight->record.areaLeft, 740);
    EXPECT_EQ(atRight->record.areaWidth, 110);  // cut at the bed
    settings.resolutions.clear();
    EXPECT_FALSE(ComputeZoomView(view, AddMarquee({10, 10, 50, 50}), settings));
}

TEST_F(ZoomViewTest, AMarqueeWithAZoomRecordIsZoomedAsBefore) {
    Marquee& m = AddMarquee({34, 44, 101, 131});
    m.zoom.areaWidth = 1;
    m.zoom.areaHeight = 2;
    m.zoom.viewWidth = 3;
    m.zoom.viewHeight = 4;
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
    EXPECT_EQ(view.areaLeft, 68);
    EXPECT_EQ(view.viewWidth, 338);
    EXPECT_EQ(view.fullWidth, 340);
    EXPECT_EQ(view.currentRect, zoom->rect);
    EXPECT_TRUE(marquees.Zoomed());
    EXPECT_EQ(marquees.Current()->zoom, zoom->record);

    marquees.UpdateCurrent({30, 40, 300, 390});  // edited while zoomed
    const BedSize bed{850, 1100};
    settings.resolutions = {50};
    LeaveZoomView(view, marquees, bed, settings);
    EXPECT_FALSE(marquees.Zoomed());
    EXPECT_TRUE(marquees.Current()->zoom.IsEmpty());
    EXPECT_EQ(view.areaLeft, 0);
    EXPECT_EQ(view.areaWidth, 850);
    EXPECT_EQ(view.currentRect, marquees.Current()->view);
    EXPECT_EQ(view.currentRect.left, 35);  // 68 + 30 x 204 / 338 hundredths, in the full preview
}

}  // namespace
}  // namespace korva
