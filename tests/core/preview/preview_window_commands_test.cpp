#include <gtest/gtest.h>

#include <tuple>

#include "core/preview/packed_dib.h"
#include "core/preview/pane_ids.h"
#include "core/preview/preview_window_model.h"
#include "imaging/test_images.h"
#include "pane_model_fixture.h"

namespace korva {
namespace {

using PreviewWindowCommandsTest = test::PaneModelFixture;

uint32_t SizeEdit(int32_t id, uint32_t pixels) {
    return (static_cast<uint32_t>(id) << 16) | pixels;
}

TEST_F(PreviewWindowCommandsTest, AWidthEditLargerThanTheViewIsClippedAndReported) {
    AddMarquee({10, 10, 100, 100});
    const uint32_t argument = SizeEdit(pane::kIdWidth, 500);
    PaneActions edit = model.OnApplySizeEdit(argument);
    EXPECT_EQ(model.View().currentRect, (Rect{10, 10, 298, 100}));  // the view's width - 2
    EXPECT_EQ(model.Marquees().Current()->view, (Rect{10, 10, 298, 100}));
    EXPECT_EQ(Count<MarkChanged>(edit), 1);
    const PostToMainDialog done = One<PostToMainDialog>(edit);  // reports the clipping
    EXPECT_EQ(std::tuple(done.message, done.wParam, done.lParam), std::tuple(pane::kMsgSizeEditDone, 1u, argument));

    edit = model.OnApplySizeEdit(SizeEdit(pane::kIdOutputWidth, 50));
    EXPECT_EQ(model.View().currentRect.right, 60);
    EXPECT_EQ(std::tuple(One<PostToMainDialog>(edit).wParam, Count<MarkChanged>(edit)), std::tuple(0u, 0));
}

TEST_F(PreviewWindowCommandsTest, AHeightEditOnNoRectangleSpansTheViewsWidth) {
    PaneActions edit = model.OnApplySizeEdit(SizeEdit(192, 0));  // 0 counts as 1
    EXPECT_EQ(model.View().currentRect, (Rect{0, 0, 298, 1}));
    EXPECT_EQ(Count<InvertOutline>(edit), 1);  // nothing to erase first
    // Clipped to the view's height, the rectangle lies within a pixel of the whole view: no rectangle.
    edit = model.OnApplySizeEdit(SizeEdit(192, 400));
    EXPECT_TRUE(model.View().currentRect.IsEmpty());
    EXPECT_EQ(model.View().selHeight, 1100);
    EXPECT_EQ(One<PostToMainDialog>(edit).wParam, 1u);
}

TEST_F(PreviewWindowCommandsTest, ASizeEditUnderImageLockSetsTheScale) {
    PaneSettings& s = model.Settings();
    s.imageLocked = s.outWidthLocked = s.outHeightLocked = true;
    s.outWidth = 425;   // 150 view pixels
    s.outHeight = 550;  // 194 view pixels
    AddMarquee({10, 10, 100, 100});
    PaneActions edit = model.OnApplySizeEdit(SizeEdit(pane::kIdWidth, 75));
    EXPECT_EQ(std::tuple(One<SetScale>(edit).percent, s.scalePercent), std::tuple(200, 200));
    EXPECT_EQ(model.View().currentRect, (Rect{10, 10, 85, 107}));
    EXPECT_EQ(One<PostToMainDialog>(edit).wParam, 0u);
}

TEST_F(PreviewWindowCommandsTest, DeletingTheLastMarqueeResetsTheViewAreaAndTheScale) {
    model.View().areaLeft = 100;
    model.View().areaWidth = 200;
    model.Settings().scalePercent = 150;
    AddMarquee({10, 10, 40, 40});
    AddMarquee({50, 50, 90, 90});
    PaneActions first = model.DeleteMarquee();
    EXPECT_EQ(One<SetControlText>(first).text, "1");
    EXPECT_EQ(States(first, {pane::kIdScanAll}), std::vector<int>{0});
    EXPECT_EQ(model.View().currentRect, (Rect{10, 10, 40, 40}));
    EXPECT_EQ(One<ApplySettings>(first).block.imageType, 2);

    PaneActions last = model.DeleteMarquee();
    EXPECT_EQ(One<SetControlText>(last).text, "0");
    EXPECT_EQ(States(last, {pane::kIdDuplicate, pane::kIdDeleteMarquee, pane::kIdZoom, pane::kIdShowZoomAgain,
                            pane::kIdLocate}),
              (std::vector<int>{0, 0, 0, 0, 1}));
    EXPECT_TRUE(model.View().currentRect.IsEmpty());
    EXPECT_EQ(std::tuple(model.View().areaLeft, model.View().areaWidth, model.View().selWidth),
              std::tuple(0, 850, 850));
    EXPECT_EQ(std::tuple(One<SetScale>(last).percent, model.Settings().scalePercent), std::tuple(100, 100));
    EXPECT_EQ(Count<RecomputeDarkDocument>(last), 1);
    EXPECT_TRUE(Posted(last, pane::kMsgMarqueeChanged));

    AddMarquee({10, 10, 40, 40});
    model.Settings().busy = true;
    EXPECT_TRUE(model.DeleteMarquee().empty());
    EXPECT_EQ(model.Marquees().Count(), 1);
}

TEST_F(PreviewWindowCommandsTest, RestoredMarqueesBringTheCurrentOnesSettingsAndEnableTheirCommands) {
    PaneActions none = model.MarqueesRestored();
    EXPECT_EQ(States(none, {pane::kIdDuplicate, pane::kIdDeleteMarquee, pane::kIdZoom, pane::kIdScanAll}),
              (std::vector<int>{0, 0, 0, 0}));

    AddMarquee({10, 10, 40, 40});
    AddMarquee({50, 50, 90, 90});
    model.Marquees().MakeCurrentByIndex(1);
    model.Marquees().Current()->settings.imageType = 7;
    model.View().currentRect = {};
    PaneActions two = model.MarqueesRestored();
    EXPECT_EQ(model.View().currentRect, (Rect{10, 10, 40, 40}));
    EXPECT_EQ(One<ApplySettings>(two).block.imageType, 7);
    EXPECT_EQ(One<SetControlText>(two).text, "2");
    EXPECT_EQ(States(two, {pane::kIdDuplicate, pane::kIdDeleteMarquee, pane::kIdLocate, pane::kIdScanAll}),
              (std::vector<int>{1, 1, 1, 1}));

    model.Settings().docSource = 1;
    model.Settings().optionUnit = 0;  // the feeder: neither zoom nor the scan of all marquees
    EXPECT_EQ(States(model.MarqueesRestored(), {pane::kIdZoom, pane::kIdScanAll}), (std::vector<int>{0, 0}));
}

TEST_F(PreviewWindowCommandsTest, ADuplicateTakesThePresentSettingsAndEnablesTheScanOfAll) {
    EXPECT_TRUE(model.DuplicateMarquee(false, false).empty());
    AddMarquee({250, 10, 299, 50});
    PaneActions dup = model.DuplicateMarquee(false, false);
    EXPECT_EQ(model.Marquees().Count(), 2);
    EXPECT_EQ(One<InvertOutline>(dup).rect, (Rect{5, 5, 54, 45}));  // placed as DuplicatePlacementTest shows
    EXPECT_EQ(model.View().currentRect, (Rect{5, 5, 54, 45}));
    EXPECT_EQ(One<SetControlText>(dup).text, "2");
    EXPECT_EQ(States(dup, {pane::kIdScanAll}), std::vector<int>{1});
    // The original first takes the present settings; the copy gets the same block.
    EXPECT_EQ(std::tuple(model.Marquees().At(0).settings.imageType, model.Marquees().At(1).settings.imageType),
              std::tuple(2, 2));

    model.Settings().docSource = 1;
    model.Settings().optionUnit = 0;
    EXPECT_EQ(States(model.DuplicateMarquee(true, false), {pane::kIdScanAll}), std::vector<int>{0});
}

TEST_F(PreviewWindowCommandsTest, LocateAddsAMarqueeAroundThePictureOrLeavesNoneOnWhite) {
    // A white preview, or one with a black square from (60, 100) to (159, 199), y counted from the top.
    const auto preview = [](bool square) {
        return test::Preview(300, 388, [=](int32_t x, int32_t row) {
            const int32_t y = 387 - row;
            return test::Grey(square && x >= 60 && x <= 159 && y >= 100 && y <= 199 ? 0 : 255);
        });
    };
    PaneActions locate = model.LocatePicture(preview(false));
    EXPECT_EQ(model.Marquees().Count(), 0);
    EXPECT_EQ(Count<MarkChanged>(locate), 0);
    EXPECT_EQ(One<StoreTabSelection>(locate).rect, Rect{});

    const PackedDib square = preview(true);
    locate = model.LocatePicture(square);
    ASSERT_EQ(model.Marquees().Count(), 1);
    EXPECT_EQ(model.View().currentRect, (Rect{60, 99, 160, 199}));
    EXPECT_EQ(One<SetControlText>(locate).text, "1");
    EXPECT_EQ(States(locate, {pane::kIdDuplicate}), std::vector<int>{1});
    EXPECT_TRUE(Posted(locate, pane::kMsgMarqueeChanged));
    EXPECT_EQ(One<SelectSizeChoice>(locate).id, pane::kIdSizeCustom);

    model.Settings().scaleLocked = true;
    EXPECT_TRUE(model.LocatePicture(square).empty());
}

TEST_F(PreviewWindowCommandsTest, ATargetSizeUnderAnOutputLockShapesTheRectangleWhenTheWindowExists) {
    PaneSettings& s = model.Settings();
    s.outWidthLocked = true;
    s.outWidth = 425;  // 150 view pixels at 100 %
    AddMarquee({10, 10, 40, 40});
    EXPECT_EQ(One<SetScale>(model.ApplyTargetSizeLock(false)).percent, 100);
    EXPECT_EQ(model.View().currentRect, (Rect{10, 10, 40, 40}));
    model.ApplyTargetSizeLock(true);
    EXPECT_EQ(model.Marquees().Current()->view, (Rect{10, 10, 160, 40}));
    EXPECT_EQ(model.View().selWidth, 425);
}

TEST_F(PreviewWindowCommandsTest, APaintDrawsEveryOutlineUnlessTheSelectionIsNoneOrTheWholeView) {
    EXPECT_TRUE(model.OutlinesToPaint().empty());
    AddMarquee({10, 10, 40, 40});
    AddMarquee({50, 50, 90, 90});
    EXPECT_EQ(model.OutlinesToPaint().size(), 2u);
    model.View().currentRect = {0, 0, 300, 388};
    EXPECT_TRUE(model.OutlinesToPaint().empty());
    model.View().currentRect = {};
    EXPECT_TRUE(model.OutlinesToPaint().empty());
}

}  // namespace
}  // namespace korva
