// Each marquee carries its own settings: restored from the environment file, brought into the dialogs
// when it becomes current, kept at Close, and used for its own scan when all marquees are scanned.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/ui/support/main_window_fixture.h"
#include "tests/ui/window_helpers.h"

namespace korva::test {
namespace {

constexpr int kPhotoColour = 990;
constexpr int kPhotoBlackWhite = 991;
constexpr int kUnitCombo = 138;
constexpr int kDeleteMarquee = 962;

Marquee Record(const Rect& document, int32_t imageType, int32_t resolution, uint32_t unit) {
    Marquee marquee;
    marquee.document = document;
    marquee.settings.imageType = imageType;
    marquee.settings.scanResolution = resolution;
    marquee.settings.unit = unit;
    marquee.settings.scalePercent = 100;
    return marquee;
}

// The environment file holds a grey marquee at 150 dpi in centimetres, then a colour one at 300 dpi in
// inches. The list holds them in reverse: the colour one first; "Current Marquee" 0 makes the grey one
// current.
void WriteTwoMarquees() {
    WriteEnvironmentFile({Record({1000, 1000, 3000, 3000}, 4, 150, 2), Record({4000, 4000, 6000, 7000}, 1, 300, 0)});
}

class MarqueeSettingsTest : public MainWindowTest {
  protected:
    void SetUp() override { ASSERT_NE(Start(kSaveValuesOn, 2, WriteTwoMarquees), nullptr); }

    HWND Photo() { return VisiblePageWith(main_, kPhotoColour); }
};

// Activation brings the current marquee's settings into the dialogs; when the other one becomes current
// its settings come in and the preview is drawn again.
TEST_F(MarqueeSettingsTest, TheCurrentMarqueesSettingsAreShownAndFollowTheCurrentMarquee) {
    HWND photo = Photo();
    ASSERT_NE(photo, nullptr);
    EXPECT_EQ(::IsDlgButtonChecked(photo, kPhotoBlackWhite), BST_CHECKED);
    EXPECT_EQ(Text(photo, 372), "150");
    EXPECT_EQ(::SendDlgItemMessageA(main_, kUnitCombo, CB_GETCURSEL, 0, 0), 2);  // kept, not read back
    EXPECT_EQ(Text(main_, 191), "5.08");                                         // 2 inches in centimetres

    HWND pane = ::FindWindowExA(main_, nullptr, "PREVIEW", nullptr);
    ASSERT_NE(pane, nullptr);
    ::UpdateWindow(pane);
    ::SendMessageA(main_, WM_COMMAND, MAKEWPARAM(kDeleteMarquee, BN_CLICKED), 0);  // the grey one goes
    EXPECT_TRUE(::GetUpdateRect(pane, nullptr, FALSE));
    Harness().Pump();
    EXPECT_EQ(::IsDlgButtonChecked(photo, kPhotoColour), BST_CHECKED);
    EXPECT_EQ(Text(photo, 372), "300");
    EXPECT_EQ(::SendDlgItemMessageA(main_, kUnitCombo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Text(main_, 192), "3.00");
}

TEST_F(MarqueeSettingsTest, CloseKeepsWhatTheDialogsShowInTheCurrentMarquee) {
    Click(Photo(), kPhotoColour);
    Click(main_, 1019);
    const std::vector<Marquee> records = EnvironmentRecords();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].settings.imageType, 1);
    EXPECT_EQ(records[1].settings.imageType, 1);  // the grey marquee was made colour before Close
}

// Scanning all marquees hands the data source each marquee's own area and pixel type; the data source
// asks for the next marquee with command 213, and past the last one the batch ends.
TEST_F(MarqueeSettingsTest, ScanningAllMarqueesScansEachWithItsOwnSettings) {
    ::SendMessageA(main_, WM_COMMAND, MAKEWPARAM(729, BN_CLICKED), 0);
    ::SendMessageA(main_, WM_COMMAND, MAKEWPARAM(213, 0), 0);
    ASSERT_STREQ(Harness().recording.calls(), "UIFinalScan UIFinalScan");
    const SourceContext colour = Snapshot(Harness(), 0);
    const SourceContext grey = Snapshot(Harness(), 1);
    const auto fields = [](const SourceContext& scan) {
        return std::vector<int64_t>{scan.Get(ctx::batchActive), scan.Get(ctx::batchIndex), scan.Get(ctx::pixelType),
                                    scan.Get(ctx::dsAreaLeft), scan.Get(ctx::dsAreaHeight)};
    };
    EXPECT_EQ(fields(colour), (std::vector<int64_t>{1, 0, 2, 400, 300}));
    EXPECT_EQ(fields(grey), (std::vector<int64_t>{1, 1, 1, 100, 200}));
    ::SendMessageA(main_, WM_COMMAND, MAKEWPARAM(213, 0), 0);  // past the last marquee: the batch ends
    EXPECT_STREQ(Harness().recording.calls(), "UIFinalScan UIFinalScan");
    EXPECT_EQ(SourceContext(Harness().Context()).Get(ctx::batchActive), 0);
    EXPECT_TRUE(Enabled(main_, 729));  // no longer busy
}

// While all marquees are scanned the marquees stay as they are; the data source's "done" (1125 with code
// 2) ends the wait.
TEST_F(MarqueeSettingsTest, TheBusyMessageWithCodeTwoEndsTheWaitOfABatch) {
    ::SendMessageA(main_, WM_COMMAND, MAKEWPARAM(729, BN_CLICKED), 0);
    ::SendMessageA(main_, WM_COMMAND, MAKEWPARAM(kDeleteMarquee, BN_CLICKED), 0);
    Harness().Pump();
    EXPECT_EQ(::IsDlgButtonChecked(Photo(), kPhotoColour), BST_CHECKED);  // the first marquee stays
    ::SendMessageA(main_, WM_USER + 101, 0, 2);
    ::SendMessageA(main_, WM_COMMAND, MAKEWPARAM(kDeleteMarquee, BN_CLICKED), 0);
    Harness().Pump();
    EXPECT_EQ(::IsDlgButtonChecked(Photo(), kPhotoBlackWhite), BST_CHECKED);
}

}  // namespace
}  // namespace korva::test
