// The preview and focus-run requests written into the module's block.
#include <gtest/gtest.h>

#include "boundary/scan_request_fixture.h"
#include "core/boundary/focus_run.h"
#include "core/boundary/preview_request.h"

namespace korva::test {
namespace {

class PreviewRequestTest : public ScanRequestTest {
  protected:
    bool Write() { return WritePreviewRequest(context, settings, area); }
    void Restart(int64_t level) {
        FillBlock();
        context.Set(ctx::level, level);
    }

    // 75 dpi at 133 % is 99.75 dpi.
    PreviewRequestArea area{.resolution = 75, .scale = 133, .left = 33, .top = 0, .width = 850, .height = 1100};
};

TEST_F(PreviewRequestTest, AsksForARawRgbPictureAtPixelsOfTheFractionalResolutionOrOfTheFocusArea) {
    settings.photo.feedOption = 2;
    ASSERT_TRUE(Write());
    ExpectFields({{ctx::pixelType, 2}, {ctx::bitsPerSample, 8}, {ctx::isPreview, 1}, {ctx::isFinal, 0}});
    ExpectFields({{ctx::tablesValid, 1}, {ctx::matrixValid, 1}, {ctx::docSource, 2}, {ctx::dsScale, 133}});
    ExpectFields({{ctx::typeFlagA, 1}, {ctx::typeFlagB, 0}, {ctx::typeFlagC, 0}, {ctx::typeFlagD, 0}});
    ExpectFields({{ctx::pixelWidth, 848}, {ctx::pixelHeight, 1097}, {ctx::pixelLeft, 33}, {ctx::pixelTop, 0}});
    EXPECT_EQ(settings.docSource, 2);
    EXPECT_TRUE(IsIdentity(ctx::tableRed) && IsIdentity(ctx::tableGreen) && IsIdentity(ctx::tableBlue));
    for (uint32_t i = 0; i < 9; ++i) {
        EXPECT_EQ(context.Get(ctx::colorMatrix, i), i % 4 == 0 ? 32 : 0) << i;
    }

    WriteFocusRequest(context, settings, area, FocusPixels{136, 17, 400, 1200});
    ExpectFields({{ctx::pixelWidth, 136}, {ctx::pixelHeight, 17}, {ctx::pixelLeft, 400}, {ctx::pixelTop, 1200}});

    area.height = 1;  // a quarter pixel at 50 dpi and 50 %
    area.resolution = 50;
    area.scale = 50;
    EXPECT_FALSE(Write());
}

TEST_F(PreviewRequestTest, LevelAndSourceDecideOnTablesAndMatrix) {
    Restart(1);
    ASSERT_TRUE(Write());
    ExpectFields({{ctx::tableRed, kNotWritten}, {ctx::tablesValid, kNotWritten}, {ctx::matrixValid, kNotWritten}});

    settings.tabFlag = 1;
    settings.ocr.feedOption = 3;
    Restart(6);
    Write();
    ExpectFields({{ctx::tablesValid, 1}, {ctx::matrixValid, 0}, {ctx::colorMatrix, kNotWritten}});
    ExpectFields({{ctx::destinationCode, 2}, {ctx::negativeFilm, 0}});
    Restart(5);
    Write();
    ExpectFields({{ctx::matrixValid, 1}, {ctx::destinationCode, kNotWritten}, {ctx::negativeFilm, kNotWritten}});
}

class FocusRunTest : public ScanRequestTest {
  protected:
    FocusRunTest() {
        view.bedWidth = view.areaWidth = 850;
        view.bedHeight = view.areaHeight = 1100;
        view.viewWidth = view.fullWidth = 340;
        view.viewHeight = view.fullHeight = 440;
        pane.resolutions = {50, 100, 200, 300, 600};
    }
    bool Prepare() { return PrepareFocusRun(context, settings, view, nullptr, pane, true, false); }

    PreviewView view;
    PaneSettings pane;
};

TEST_F(FocusRunTest, TheRunFocusesOnTheCentreOfThePreviewOrAsksNothing) {
    // A quarter of 340 pixels (213 hundredths) around 425, 550 at 600 dpi and 133 %: 798 dpi.
    ASSERT_TRUE(Prepare());
    ExpectFields({{ctx::focusMode, kFocusModeRun}, {ctx::isPreview, 1}, {ctx::dsResolution, 600}, {ctx::dsScale, 133}});
    ExpectFields({{ctx::dsAreaLeft, 319}, {ctx::dsAreaTop, 444}});
    ExpectFields({{ctx::pixelWidth, 1704}, {ctx::pixelHeight, 1699}, {ctx::pixelLeft, 2545}, {ctx::pixelTop, 3543}});

    FillBlock();
    view.fullWidth = 0;  // no full preview geometry yet
    EXPECT_FALSE(Prepare());
    ExpectFields({{ctx::focusMode, kNotWritten}, {ctx::pixelWidth, kNotWritten}});
}

}  // namespace
}  // namespace korva::test
