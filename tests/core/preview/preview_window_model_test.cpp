#include "core/preview/preview_window_model.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/preview/pane_ids.h"
#include "pane_model_fixture.h"

namespace korva {
namespace {

using PreviewWindowModelTest = test::PaneModelFixture;

TEST_F(PreviewWindowModelTest, DrawingABandAddsAMarqueeWithTheCapturedSettings) {
    EXPECT_EQ(One<ChangeCursor>(model.OnSetCursor({50, 50}, true)).zone, HitZone::kDraw);
    PaneActions down = model.OnButtonDown({50, 50}, false);
    EXPECT_EQ(Count<BeginDrag>(down), 1);
    EXPECT_EQ(One<SelectSizeChoice>(down).id, pane::kIdSizeCustom);

    PaneActions move = model.OnMouseMove({120, 150});
    const auto outlines = All<InvertOutline>(move);
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[1].rect, (Rect{50, 50, 120, 150}));
    EXPECT_TRUE(Posted(move, pane::kMsgMarqueeChanged));

    PaneActions up = model.OnButtonUp({120, 150}, false);
    ASSERT_EQ(model.Marquees().Count(), 1);
    EXPECT_EQ(model.Marquees().Current()->view, (Rect{50, 50, 120, 150}));
    EXPECT_EQ(model.Marquees().Current()->settings.imageType, 1);  // the first capture
    EXPECT_EQ(One<SetControlText>(up).text, "1");
    EXPECT_EQ(States(up, {pane::kIdDuplicate, pane::kIdDeleteMarquee, pane::kIdLocate, pane::kIdZoom,
                          pane::kIdShowZoomAgain}),
              (std::vector<int>{1, 1, 1, 1, 0}));
    EXPECT_EQ(One<StoreTabSelection>(up).rect, (Rect{50, 50, 120, 150}));
    // The band's outline stays as the marquee's.
    EXPECT_EQ(std::tuple(Count<EndDrag>(up), Count<InvertOutline>(up), model.Interaction().dragging),
              std::tuple(1, 0, false));

    // A band drawn backwards in empty space replaces the current marquee, its corners put in order.
    Drag({250, 300}, {200, 200});
    EXPECT_EQ(model.Marquees().Count(), 1);
    EXPECT_EQ(model.Marquees().Current()->view, (Rect{200, 200, 250, 300}));
}

TEST_F(PreviewWindowModelTest, AClickWithoutMovementRemovesTheCurrentMarqueeAndCreatesNone) {
    AddMarquee({10, 10, 40, 40});
    AddMarquee({200, 200, 250, 250});
    model.OnSetCursor({100, 300}, true);
    PaneActions down = model.OnButtonDown({100, 300}, false);
    EXPECT_EQ(One<StoreTabSelection>(down).rect, Rect{});
    EXPECT_EQ(All<InvertOutline>(down)[0].rect, (Rect{200, 200, 250, 250}));  // erased
    model.OnButtonUp({100, 300}, false);
    EXPECT_EQ(model.Marquees().Count(), 1);
    EXPECT_EQ(model.View().currentRect, (Rect{10, 10, 40, 40}));  // the remaining marquee

    model.OnSetCursor({100, 300}, true);
    model.OnButtonDown({100, 300}, false);
    PaneActions up = model.OnButtonUp({100, 300}, false);
    EXPECT_EQ(model.Marquees().Count(), 0);
    EXPECT_TRUE(model.View().currentRect.IsEmpty());
    EXPECT_EQ(std::tuple(Count<EndDrag>(up), model.Interaction().dragging), std::tuple(1, false));
}

TEST_F(PreviewWindowModelTest, ABandEndsInsideTheViewAndOneCoveringItBecomesTheWholeView) {
    model.OnSetCursor({250, 300}, true);
    model.OnButtonDown({250, 300}, false);
    model.OnMouseMove({290, 380});
    EXPECT_EQ(Count<InvertOutline>(model.OnMouseMove({320, 395})), 0);  // off the picture
    model.OnButtonUp({320, 395}, false);
    EXPECT_EQ(model.Marquees().Current()->view, (Rect{250, 300, 290, 380}));  // its last position inside

    PaneActions up = Drag({1, 1}, {299, 387});
    EXPECT_EQ(model.Marquees().Current()->view, (Rect{0, 0, 299, 387}));
    EXPECT_EQ(model.View().selWidth, 850);
    EXPECT_TRUE(Posted(up, pane::kMsgMarqueeChanged));
    const auto outlines = All<InvertOutline>(up);  // the band's outline gives way to the whole view's
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[1].rect, (Rect{0, 0, 299, 387}));
}

TEST_F(PreviewWindowModelTest, ImageLockedRefusesNewMarqueesAndShiftDrawsFromTheOldCorner) {
    model.Settings().imageLocked = true;
    model.OnSetCursor({50, 50}, true);
    EXPECT_EQ(Count<BeginDrag>(model.OnButtonDown({50, 50}, false)), 0);
    EXPECT_EQ(Count<SelectSizeChoice>(model.OnDoubleClick()), 0);
    model.Settings().imageLocked = false;

    model.View().currentRect = {30, 40, 0, 0};  // only its left and top matter
    EXPECT_EQ(One<InvertOutline>(model.OnButtonDown({100, 120}, true)).rect, (Rect{30, 40, 100, 120}));
    model.OnButtonUp({100, 120}, false);
    EXPECT_EQ(model.Marquees().Current()->view, (Rect{30, 40, 100, 120}));
}

TEST_F(PreviewWindowModelTest, TheStartOfABandIsKeptOnThePictureForTheFeeder) {
    model.Settings().docSource = 1;
    model.Settings().optionUnit = 0;
    model.OnSetCursor({300, 388}, true);
    model.OnButtonDown({300, 388}, false);
    EXPECT_EQ(model.View().currentRect, (Rect{299, 387, 299, 387}));
    EXPECT_EQ(States(model.OnButtonUp({200, 200}, false), {pane::kIdZoom}), std::vector<int>{0});
}

TEST_F(PreviewWindowModelTest, MovingTheCurrentMarqueeDoesNotAnnounceASizeChange) {
    Drag({50, 50}, {120, 150});
    EXPECT_EQ(One<ChangeCursor>(model.OnSetCursor({80, 80}, true)).zone, HitZone::kMove);
    model.OnButtonDown({80, 80}, false);
    PaneActions move = model.OnMouseMove({90, 85});
    EXPECT_EQ(model.Marquees().Current()->view, (Rect{60, 55, 130, 155}));
    EXPECT_EQ(All<InvertOutline>(move)[1].rect, (Rect{60, 55, 130, 155}));
    EXPECT_FALSE(Posted(move, pane::kMsgMarqueeChanged));
    // A step that would push the marquee out of the view is refused; the next step starts from its point.
    EXPECT_EQ(Count<InvertOutline>(model.OnMouseMove({90, 400})), 0);
    model.OnMouseMove({95, 85});
    EXPECT_EQ(model.Marquees().Current()->view, (Rect{60, 55, 130, 155}));
    model.OnMouseMove({100, 90});
    EXPECT_EQ(model.Marquees().Current()->view, (Rect{65, 60, 135, 160}));
}

TEST_F(PreviewWindowModelTest, AResizeTurnedInsideOutIsPutInOrderAndOneLeavingNoWidthIsUndone) {
    const auto dragRightEdge = [&](Point to) {
        EXPECT_EQ(One<ChangeCursor>(model.OnSetCursor({120, 100}, true)).zone, HitZone::kRight);
        model.OnButtonDown({120, 100}, false);
        model.OnMouseMove(to);
        model.OnButtonUp(to, false);
    };
    Drag({50, 50}, {120, 150});
    dragRightEdge({50, 100});
    EXPECT_EQ(model.Marquees().Current()->view, (Rect{50, 50, 120, 150}));
    EXPECT_EQ(model.View().currentRect, (Rect{50, 50, 120, 150}));

    dragRightEdge({30, 100});
    EXPECT_EQ(model.Marquees().Count(), 1);
    EXPECT_EQ(model.Marquees().Current()->view, (Rect{30, 50, 50, 150}));
    EXPECT_EQ(model.View().currentRect, (Rect{30, 50, 50, 150}));
    EXPECT_EQ(model.Marquees().Current()->settings.imageType, 2);  // captured again
}

TEST_F(PreviewWindowModelTest, ClickingAnotherMarqueesBorderSelectsIt) {
    AddMarquee({10, 10, 40, 40});
    AddMarquee({200, 200, 250, 250});
    PaneActions cursor = model.OnSetCursor({10, 25}, true);
    EXPECT_EQ(One<ChangeCursor>(cursor).zone, HitZone::kNone);
    EXPECT_FALSE(One<SetHover>(cursor).hovering);
    EXPECT_EQ(Count<BeginDrag>(model.OnButtonDown({10, 25}, false)), 0);
    PaneActions up = model.OnButtonUp({10, 25}, false);
    EXPECT_EQ(model.View().currentRect, (Rect{10, 10, 40, 40}));
    EXPECT_EQ(model.Marquees().At(0).settings.imageType, 3);  // the settings left behind
    EXPECT_EQ(One<ApplySettings>(up).block.imageType, 2);     // stored into it when it was left
    EXPECT_TRUE(Posted(up, pane::kMsgMarqueeChanged));
    EXPECT_FALSE(model.Interaction().pendingSelect);
}

TEST_F(PreviewWindowModelTest, ShowZoomAgainFollowsTheMarqueeOfTheCachedZoom) {
    Drag({50, 50}, {120, 150});
    model.Zoom().lastZoomMarquee = *model.Marquees().Current();
    model.OnSetCursor({80, 80}, true);
    model.OnButtonDown({80, 80}, false);
    EXPECT_EQ(States(model.OnMouseMove({80, 80}), {pane::kIdShowZoomAgain}), std::vector<int>{1});
    EXPECT_EQ(States(model.OnMouseMove({81, 80}), {pane::kIdShowZoomAgain}), std::vector<int>{0});
    model.Zoom().fullPreviewShown = false;
    EXPECT_EQ(Count<EnableControl>(model.OnMouseMove({80, 80})), 0);
}

TEST_F(PreviewWindowModelTest, ThePickerTakesTheClickAndReleasesTheMouse) {
    model.Interaction().pickerMode = 1030;
    EXPECT_EQ(One<ChangeCursor>(model.OnSetCursor({80, 80}, true)).zone, HitZone::kPicker);
    EXPECT_EQ(Count<BeginDrag>(model.OnButtonDown({80, 80}, false)), 0);
    PaneActions up = model.OnButtonUp({81, 82}, false);
    EXPECT_EQ(std::tuple(One<PickColour>(up).point, One<PickColour>(up).tool), std::tuple(Point{81, 82}, 1030));
    EXPECT_EQ(std::tuple(Count<EndDrag>(up), model.Interaction().pickerMode), std::tuple(1, 0));
    model.Interaction().repaintPending = true;
    EXPECT_EQ(One<ChangeCursor>(model.OnSetCursor({80, 80}, true)).zone, HitZone::kNone);
}

TEST_F(PreviewWindowModelTest, DoubleClickSelectsMaxAndRemovesTheCurrentMarquee) {
    Drag({50, 50}, {120, 150});
    PaneActions dbl = model.OnDoubleClick();
    EXPECT_EQ(One<SelectSizeChoice>(dbl).id, pane::kIdSizeMax);
    EXPECT_EQ(model.Marquees().Count(), 0);
    EXPECT_TRUE(model.View().currentRect.IsEmpty());
    EXPECT_TRUE(Posted(dbl, pane::kMsgMarqueeChanged));
}

TEST_F(PreviewWindowModelTest, ASyntheticButtonUpAppliesTheEditRuleAtItsPoint) {
    Drag({50, 50}, {120, 150});
    model.OnSetCursor({120, 150}, true);  // bottom-right corner
    model.OnButtonDown({120, 150}, false);
    model.OnButtonUp({120, 150}, false);
    PaneActions up = model.OnButtonUp({130, 170}, true);
    EXPECT_EQ(model.Marquees().Current()->view, (Rect{50, 50, 130, 170}));
    EXPECT_EQ(One<StoreTabSelection>(up).rect, (Rect{50, 50, 130, 170}));
}

}  // namespace
}  // namespace korva
