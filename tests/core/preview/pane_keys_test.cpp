#include <gtest/gtest.h>

#include <tuple>

#include "core/preview/pane_ids.h"
#include "core/preview/preview_window_model.h"
#include "pane_model_fixture.h"

namespace korva {
namespace {

class PaneKeysTest : public test::PaneModelFixture {
  protected:
    PaneActions Key(uint32_t key, bool ctrl = false, bool shift = false) {
        return model.OnKeyDown(key, KeyModifiers{ctrl, shift});
    }
    const Rect& Current() { return model.View().currentRect; }
};

TEST_F(PaneKeysTest, InsertAddsTheMiddleHalfOfTheViewOrTheSelectionAsADrawnMarqueeWould) {
    PaneActions insert = Key(pane::kVirtualKeyInsert);
    const Rect middle{75, 97, 225, 291};  // half of 300 x 388, centred
    EXPECT_EQ(model.Marquees().Current()->view, middle);
    EXPECT_EQ(One<InvertOutline>(insert).rect, middle);
    EXPECT_EQ(One<StoreTabSelection>(insert).rect, middle);
    EXPECT_TRUE(Posted(insert, pane::kMsgMarqueeChanged));
    EXPECT_EQ(States(insert, {pane::kIdDuplicate, pane::kIdDeleteMarquee}), (std::vector<int>{1, 1}));

    // A second Insert adds another marquee, placed beside the first as a duplicate is; the first keeps the
    // settings of the dialogs at that moment.
    Key(pane::kVirtualKeyInsert);
    EXPECT_EQ(model.Marquees().Count(), 2);
    EXPECT_EQ(Current(), (Rect{80, 102, 230, 296}));
    EXPECT_EQ(model.Marquees().At(1).settings.imageType, 2);

    // A typed size without a marquee is a selection whose outline is shown: it becomes the marquee.
    model.Marquees().Clear();
    model.View().currentRect = {10, 20, 60, 80};
    EXPECT_EQ(Count<InvertOutline>(Key(pane::kVirtualKeyInsert)), 0);
    EXPECT_EQ(model.Marquees().Current()->view, (Rect{10, 20, 60, 80}));
    // The whole view, as the pane shows it before anything is drawn, is no selection of its own.
    model.Marquees().Clear();
    model.View().currentRect = {0, 0, 299, 387};
    Key(pane::kVirtualKeyInsert);
    EXPECT_EQ(model.Marquees().Current()->view, middle);

    model.Marquees().Clear();
    model.View().currentRect = {};
    model.Settings().imageLocked = true;  // no new marquees while both output sizes are locked
    EXPECT_TRUE(Key(pane::kVirtualKeyInsert).empty());
    model.Settings().imageLocked = false;
    model.Settings().busy = true;
    EXPECT_TRUE(Key(pane::kVirtualKeyInsert).empty());
}

TEST_F(PaneKeysTest, ArrowsMoveAndShiftArrowsSizeTheMarqueeWithinTheView) {
    AddMarquee({100, 100, 200, 150});
    PaneActions move = Key(pane::kVirtualKeyRight);
    EXPECT_EQ(Current(), (Rect{101, 100, 201, 150}));
    EXPECT_EQ(model.Marquees().Current()->view, Current());
    EXPECT_FALSE(Posted(move, pane::kMsgMarqueeChanged));  // a move keeps the size, as a drag does
    EXPECT_EQ(One<StoreTabSelection>(move).rect, Current());
    Key(pane::kVirtualKeyUp, true);
    EXPECT_EQ(Current(), (Rect{101, 90, 201, 140}));

    PaneActions grow = Key(pane::kVirtualKeyRight, false, true);
    EXPECT_EQ(Current(), (Rect{101, 90, 202, 140}));
    EXPECT_TRUE(Posted(grow, pane::kMsgMarqueeChanged));
    Key(pane::kVirtualKeyUp, true, true);  // the bottom edge up by ten
    EXPECT_EQ(Current(), (Rect{101, 90, 202, 130}));

    // The view's edge stops a step as it stops a drag: ten to the right from 295 would leave the view.
    AddMarquee({250, 10, 295, 30});
    EXPECT_TRUE(Key(pane::kVirtualKeyRight, true).empty());
    Key(pane::kVirtualKeyRight);
    EXPECT_EQ(Current(), (Rect{251, 10, 296, 30}));
    // A key never flattens the marquee.
    AddMarquee({10, 10, 11, 30});
    EXPECT_TRUE(Key(pane::kVirtualKeyLeft, false, true).empty());
}

TEST_F(PaneKeysTest, TheLocksApplyToKeysAsToADrag) {
    PaneSettings& s = model.Settings();
    s.scaleLocked = s.outWidthLocked = true;
    AddMarquee({100, 100, 200, 150});
    EXPECT_TRUE(Key(pane::kVirtualKeyRight, false, true).empty());  // the width is fixed
    Key(pane::kVirtualKeyDown, false, true);
    EXPECT_EQ(Current(), (Rect{100, 100, 200, 151}));

    // With the output width locked and the scale free, the scale follows the marquee's width.
    s.scaleLocked = false;
    s.outWidth = 425;  // 150 view pixels
    PaneActions grow = Key(pane::kVirtualKeyRight, true, true);
    EXPECT_EQ(Current(), (Rect{100, 100, 210, 151}));
    EXPECT_EQ(std::tuple(One<SetScale>(grow).percent, s.scalePercent), std::tuple(136, 136));  // 150 * 100 / 110
}

TEST_F(PaneKeysTest, TabSelectsTheNextMarqueeAsAClickDoesAndLeavesAfterTheLast) {
    EXPECT_FALSE(One<LeavePane>(Key(pane::kVirtualKeyTab)).backwards);
    AddMarquee({10, 10, 50, 50});
    AddMarquee({100, 10, 150, 50});  // both hold settings 2; this one is current, at the head
    PaneActions next = Key(pane::kVirtualKeyTab);
    EXPECT_EQ(Current(), (Rect{10, 10, 50, 50}));
    EXPECT_EQ(One<ApplySettings>(next).block.imageType, 2);
    EXPECT_TRUE(Posted(next, pane::kMsgMarqueeChanged));
    EXPECT_EQ(model.Marquees().At(0).settings.imageType, 3);  // the dialogs' settings stay with the one left
    EXPECT_FALSE(One<LeavePane>(Key(pane::kVirtualKeyTab)).backwards);
    EXPECT_EQ(Current(), (Rect{10, 10, 50, 50}));

    PaneActions previous = Key(pane::kVirtualKeyTab, false, true);
    EXPECT_EQ(Current(), (Rect{100, 10, 150, 50}));
    EXPECT_EQ(One<ApplySettings>(previous).block.imageType, 3);
    EXPECT_TRUE(One<LeavePane>(Key(pane::kVirtualKeyTab, false, true)).backwards);
}

TEST_F(PaneKeysTest, CtrlDDuplicatesAndDeleteDeletesThroughTheMainDialogWithAMarqueeAndNotWhileBusy) {
    EXPECT_TRUE(Key(pane::kVirtualKeyD, true).empty());
    EXPECT_TRUE(Key(pane::kVirtualKeyDelete).empty());
    AddMarquee({10, 10, 50, 50});
    EXPECT_TRUE(Key(pane::kVirtualKeyD).empty());
    EXPECT_EQ(One<SendCommandToMainDialog>(Key(pane::kVirtualKeyD, true)).id, pane::kIdDuplicate);
    EXPECT_EQ(One<SendCommandToMainDialog>(Key(pane::kVirtualKeyDelete)).id, pane::kIdDeleteMarquee);
    model.Settings().busy = true;
    EXPECT_TRUE(Key(pane::kVirtualKeyDelete).empty());
    EXPECT_TRUE(Key(pane::kVirtualKeyD, true).empty());
}

}  // namespace
}  // namespace korva
