#include "core/preview/marquee_list.h"

#include <gtest/gtest.h>

#include <limits>

namespace korva {
namespace {

// A bed of 850 x 1100 hundredths shown whole in a full preview of 300 x 388 pixels.
PreviewView FullPreview() {
    PreviewView v;
    v.bedWidth = v.areaWidth = 850;
    v.bedHeight = v.areaHeight = 1100;
    v.viewWidth = v.fullWidth = 300;
    v.viewHeight = v.fullHeight = 388;
    return v;
}

SettingsBlock Block(int32_t imageType) {
    SettingsBlock b;
    b.imageType = imageType;
    return b;
}

class MarqueeListTest : public ::testing::Test {
  protected:
    MarqueeListTest() { list.SetGeometry(FullPreview()); }
    // Zooms the current marquee into the area 200, 300, 200 x 300 hundredths, shown at 300 x 450 pixels.
    void EnterZoom() {
        PreviewView v = FullPreview();
        v.areaLeft = v.areaWidth = 200;
        v.areaTop = v.areaHeight = 300;
        v.viewHeight = 450;
        list.SetGeometry(v);
        list.EnterZoom({5, 5, 290, 440});
    }
    MarqueeList list;
};

TEST_F(MarqueeListTest, AddConvertsViewPixelsToTenthsAndRoundedThousandths) {
    ASSERT_TRUE(list.Add({2, 3, 150, 200}, Block(1)));
    const Marquee& m = *list.Current();
    EXPECT_EQ(m.viewTenths, (Rect{20, 30, 1500, 2000}));
    EXPECT_EQ(m.fullTenths, m.viewTenths);
    // 20 x 850 / 300 = 56.67 rounds to 57; 30 x 1100 / 388 = 85.05 rounds to 85.
    EXPECT_EQ(m.document, (Rect{57, 85, 4250, 5670}));
}

TEST_F(MarqueeListTest, ZoomConversionsRoundTripThroughTheDocumentRectangle) {
    list.Add({10, 10, 100, 100}, Block(1));  // the zoom source
    EnterZoom();
    EXPECT_EQ(list.ZoomSource(), list.Current());
    EXPECT_EQ(list.Current()->view, (Rect{5, 5, 290, 440}));

    // bedPx = (100 + 300 x 850) / 200 = 1275, origin (100 + 200 x 300 x 10) / 200 = 3000 tenths.
    ASSERT_TRUE(list.Add({30, 45, 60, 90}, Block(2)));
    EXPECT_EQ(list.Current()->document, (Rect{2200, 3300, 2400, 3600}));  // 200 + 30 pixels of 2/3 hundredth
    EXPECT_EQ(list.Current()->fullTenths.left, 776);                      // 3300 x 300 / 1275 = 776.47, rounded

    list.LeaveZoom();
    EXPECT_EQ(list.ZoomSource(), nullptr);
    EXPECT_EQ(list.Factors().bedPxW, 300);
    EXPECT_EQ(list.Current()->view.left, 78);  // (776 + 5) / 10
    EXPECT_EQ(list.At(1).view, (Rect{10, 10, 100, 100}));

    // Entering the zoom again puts the other marquee back where it was drawn.
    list.MakeCurrentByIndex(1);
    EnterZoom();
    EXPECT_EQ(list.At(0).view, (Rect{30, 45, 60, 90}));
}

TEST_F(MarqueeListTest, StoredRecordsArePlacedFromTheirDocumentRectangleWithinTheBed) {
    Marquee record;
    record.view = {9999, 9999, -5, -5};  // ignored
    record.document = {2200, 3300, 4400, 6600};
    record.zoom.areaWidth = 100;
    record.zoom.fullWidth = 300;
    ASSERT_TRUE(list.AddStored(record, true));
    EXPECT_EQ(list.Current()->fullTenths.left, 776);  // 2200 x 300 / 850, rounded
    EXPECT_EQ(list.Current()->view.left, 78);
    EXPECT_EQ(list.Current()->zoom.areaWidth, 100);  // made for this full-preview width: kept

    record.zoom.fullWidth = 301;
    record.document = {std::numeric_limits<int32_t>::min(), 0, std::numeric_limits<int32_t>::max(), 20000};
    ASSERT_TRUE(list.AddStored(record, false));
    EXPECT_EQ(list.At(0).document, (Rect{0, 0, 8500, 11000}));
    EXPECT_EQ(list.At(0).view, (Rect{0, 0, 300, 388}));
    EXPECT_TRUE(list.At(0).zoom.IsEmpty());
    EXPECT_EQ(list.IndexOfCurrent(), 1);  // not made current

    PreviewView zeroBed = FullPreview();
    zeroBed.bedWidth = 0;
    list.Clear();
    list.SetGeometry(zeroBed);
    EXPECT_FALSE(list.AddStored(record, true));
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(MarqueeListTest, LandscapeFullPreviewKeepsAZoomRecordOnlyForTheSameBox) {
    PreviewView landscape = FullPreview();
    landscape.fullWidth = landscape.viewWidth = 388;
    landscape.fullHeight = landscape.viewHeight = 300;
    list.SetGeometry(landscape);
    Marquee record;
    record.zoom.areaWidth = 50;
    record.zoom.fullWidth = 388;
    record.zoom.fullHeight = 300;
    list.AddStored(record, true);
    record.zoom.fullHeight = 299;
    list.AddStored(record, true);
    EXPECT_TRUE(list.At(0).zoom.IsEmpty());
    EXPECT_FALSE(list.At(1).zoom.IsEmpty());
}

TEST_F(MarqueeListTest, RemovingMovesCurrentToTheNextOrBackToTheHead) {
    list.Add({1, 1, 10, 10}, Block(1));  // A
    list.Add({2, 2, 20, 20}, Block(2));  // B
    list.Add({3, 3, 30, 30}, Block(3));  // C, the head; list order C, B, A
    EXPECT_EQ(list.IndexOfCurrent(), 0);
    // Adding stored each block into the marquee being left.
    EXPECT_EQ(list.At(1).settings.imageType, 3);
    EXPECT_EQ(list.At(2).settings.imageType, 2);

    list.RemoveCurrent();
    EXPECT_EQ(list.Current()->view.left, 2);
    list.MakeCurrentByIndex(1);
    EXPECT_EQ(list.Current()->view.left, 1);
    list.MakeCurrentByIndex(5);
    list.MakeCurrentByIndex(-1);
    EXPECT_EQ(list.Current()->view.left, 1);
    list.RemoveCurrent();  // the last one: back to the head
    EXPECT_EQ(list.Current()->view.left, 2);
    list.RemoveCurrent();
    EXPECT_EQ(list.Current(), nullptr);
    EXPECT_EQ(list.IndexOfCurrent(), 0);
    list.RemoveCurrent();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(MarqueeListTest, SelectingABorderHitStoresTheSettingsIntoTheMarqueeLeft) {
    list.Add({10, 10, 50, 50}, Block(1));
    list.Add({100, 100, 150, 150}, Block(2));
    EXPECT_EQ(list.FindBorderAt({30, 30}), nullptr);  // inside, away from the border
    list.Select(Block(7));
    EXPECT_EQ(list.IndexOfCurrent(), 0);  // no hit: nothing happens

    EXPECT_EQ(list.FindBorderAt({9, 9}), &list.At(1));  // corner of the grown rectangle
    EXPECT_EQ(list.FindBorderAt({51, 30}), &list.At(1));
    EXPECT_EQ(list.FindBorderAt({52, 30}), nullptr);
    list.FindBorderAt({11, 30});
    list.Select(Block(9));
    EXPECT_EQ(list.Current(), &list.At(1));
    EXPECT_EQ(list.At(0).settings.imageType, 9);
    EXPECT_EQ(list.Hit(), nullptr);
}

TEST_F(MarqueeListTest, AZoomIsRecordedIntoTheEditedZoomSourceWhichRemovingForgets) {
    list.Add({10, 10, 100, 100}, Block(1));
    EnterZoom();
    Marquee* source = list.Current();
    list.UpdateCurrent({6, 6, 280, 430});
    EXPECT_TRUE(list.ZoomSourceEdited());
    list.Add({1, 1, 20, 20}, Block(2));

    ZoomRecord record;
    record.areaWidth = 200;
    list.RecordZoom(record, {1, 2, 3, 4});
    EXPECT_EQ(source->zoom.areaWidth, 200);
    EXPECT_EQ(source->zoomRect, (Rect{1, 2, 3, 4}));
    EXPECT_TRUE(list.Current()->zoom.IsEmpty());
    EXPECT_FALSE(list.ZoomSourceEdited());

    list.RecordZoom({}, {});  // not edited: the current marquee's record is cleared
    EXPECT_EQ(source->zoom.areaWidth, 200);
    list.MakeCurrentByIndex(1);
    list.RecordZoom({}, {});
    EXPECT_TRUE(source->zoom.IsEmpty());

    list.RemoveCurrent();
    EXPECT_EQ(list.ZoomSource(), nullptr);
    list.Clear();
    EXPECT_FALSE(list.Zoomed());
}

TEST_F(MarqueeListTest, AbsurdGeometryGivesZerosInsteadOfOverflowing) {
    PreviewView absurd = FullPreview();
    absurd.areaLeft = 2000000000;
    absurd.areaWidth = 1;
    list.SetGeometry(absurd);
    EXPECT_EQ(list.Factors().bedPxW, 0);
    ASSERT_TRUE(list.Add({-2147483647, 0, 2147483647, 5}, Block(1)));
    EXPECT_EQ(list.Current()->document, Rect{});
    EXPECT_FALSE(list.AddStored(*list.Current(), true));
}

}  // namespace
}  // namespace korva
