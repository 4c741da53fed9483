#include "core/boundary/focus_run.h"

#include <gtest/gtest.h>

#include "boundary/scan_request_fixture.h"

namespace korva::test {
namespace {

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
