// The marquee strip under the mouse and the keyboard, through the real module: zoom and back, the last
// zoom shown again without scanning, the Delete key after a click on the pane, and the focus run.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>

#include "tests/ui/support/main_window_fixture.h"
#include "tests/ui/window_helpers.h"

namespace korva::test {
namespace {

// A white preview 340 pixels wide of an 850 x 1100 bed, kept from the last run with its marquees and
// the selection on the Photo page.
constexpr char kSavedPreviewAndSelection[] =
    "[Settings]\r\nSave values=1\r\nAuto Preview=0\r\nLastPreview=0\r\nSrc Size=1024\r\n"
    "[ImageSetting]\r\nxScan=850\r\nyScan=1100\r\nPhotoSelectRect.left=40\r\nPhotoSelectRect.top=80\r\n"
    "PhotoSelectRect.right=160\r\nPhotoSelectRect.bottom=200\r\n";

// One inch in from the left and two from the top, three inches wide and high: pixels 40, 80 to 160, 200
// of the full preview.
constexpr Rect kMarquee{1000, 2000, 4000, 5000};

// A document position in hundredths of an inch as a full-preview pixel.
int FullPixels(int hundredths, int full, int bed) {
    return (hundredths * full + bed / 2) / bed;
}

// The files a run leaves in the driver folder for the next one.
constexpr const char* kKeptFiles[] = {"\\PREVIB7.BMP", "\\ZOOMINB6.BMP", "\\SETTINGS\\ENV.stt"};

std::map<std::string, std::string> KeepFiles() {
    std::map<std::string, std::string> kept;
    for (const char* name : kKeptFiles) {
        std::ifstream in(DriverFolder() + name, std::ios::binary);
        kept[name] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return kept;
}

void PutBack(const std::map<std::string, std::string>& kept) {
    for (const auto& [name, bytes] : kept) {
        std::ofstream(DriverFolder() + name, std::ios::binary) << bytes;
    }
}

class MarqueeStripTest : public MainWindowTest {
  protected:
    // A first run measures the full preview's box (the pane's client area); the second starts with a
    // kept preview of that size and the marquees.
    void StartWith(std::initializer_list<Rect> marquees) {
        StartAfter([] {});
        RECT client{};
        ::GetClientRect(Pane(), &client);
        full_ = {client.right, client.bottom};
        harness_.reset();
        StartAfter([this, marquees] {
            WritePreviewFile(full_.cx, full_.cy);
            WriteEnvironmentFile(marquees);
        });
    }
    void StartAfter(const std::function<void()>& prepare) {
        ASSERT_EQ(::GetSystemMetrics(SM_CXSCREEN), 1024);  // the stored screen-size class
        ASSERT_NE(Start(kSavedPreviewAndSelection, 2, prepare), nullptr);
        Harness().recording.answerRequestedSize(1);
    }
    HWND Pane() const { return ::FindWindowExA(main_, nullptr, "PREVIEW", nullptr); }
    void Press(int id) {
        Click(main_, id);
        Harness().Pump();
    }

    SIZE full_{};
};

// The zoom scans the marquee grown by about a tenth on every side (the core's zoom view tests pin the
// exact area), and the last zoom can be shown again from the kept picture while its own marquee is current.
TEST_F(MarqueeStripTest, AZoomScansTheGrownMarqueeAndIsShownAgainOnlyForItsOwnMarquee) {
    StartWith({kMarquee});
    EXPECT_EQ(Text(main_, 737), "1");
    EXPECT_FALSE(Enabled(main_, 184));
    EXPECT_FALSE(Enabled(main_, 789));
    ASSERT_TRUE(Enabled(main_, 186));
    Press(186);
    ASSERT_EQ(Harness().recording.snapshotCount(), 1);
    const SourceContext zoom = Snapshot(Harness(), 0);
    EXPECT_EQ(zoom.Get(ctx::isPreview), 1);
    EXPECT_NEAR(zoom.Get(ctx::dsAreaLeft), 70, 3);
    EXPECT_NEAR(zoom.Get(ctx::dsAreaTop), 170, 3);
    EXPECT_NEAR(zoom.Get(ctx::dsAreaWidth), 360, 6);
    EXPECT_NEAR(zoom.Get(ctx::pixelWidth), full_.cx, full_.cx / 10);  // the zoom fills the pane
    EXPECT_TRUE(Enabled(main_, 184));
    EXPECT_FALSE(Enabled(main_, 186));

    Press(184);
    ASSERT_TRUE(Enabled(main_, 789));
    Press(789);
    EXPECT_EQ(Harness().recording.snapshotCount(), 1);  // the picture came from "\ZOOMINB6.BMP"
    EXPECT_TRUE(Enabled(main_, 184));

    // A copy made in the zoom lies 5 full-preview pixels right of and below the marquee; it is current
    // and has no zoom of its own.
    Press(959);
    Press(184);
    EXPECT_EQ(Text(main_, 737), "2");
    EXPECT_FALSE(Enabled(main_, 184));
    EXPECT_FALSE(Enabled(main_, 789));
    Click(main_, 1019);
    EXPECT_NEAR(std::stoi(IniValue("ImageSetting", "SelectRect.left")), FullPixels(100, full_.cx, 850) + 5, 1);
    EXPECT_NEAR(std::stoi(IniValue("ImageSetting", "SelectRect.bottom")), FullPixels(500, full_.cy, 1100) + 5, 1);
}

TEST_F(MarqueeStripTest, ClosingWhileZoomedComesBackZoomed) {
    StartWith({kMarquee});
    Press(186);
    Click(main_, 1019);
    const auto kept = KeepFiles();
    harness_.reset();
    StartAfter([&kept] { PutBack(kept); });
    EXPECT_TRUE(Enabled(main_, 184));
    EXPECT_FALSE(Enabled(main_, 186));
    EXPECT_EQ(Harness().recording.snapshotCount(), 0);  // the zoom's picture, not a scan
}

TEST_F(MarqueeStripTest, TheDeleteKeyActsAfterAClickOnThePane) {
    StartWith({kMarquee});
    HWND pane = Pane();
    ASSERT_NE(pane, nullptr);
    ASSERT_EQ(Text(main_, 737), "1");
    ASSERT_NE(::GetFocus(), pane);
    // The mouse rests inside the marquee, so the click neither draws nor replaces one.
    PlacePointer(Harness(), pane, 100, 140);
    ::SendMessageA(pane, WM_SETCURSOR, reinterpret_cast<WPARAM>(pane), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    ::SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 140));
    ::SendMessageA(pane, WM_LBUTTONUP, 0, MAKELPARAM(100, 140));
    Harness().Pump();
    ASSERT_EQ(::GetFocus(), pane);
    // The key goes where the keyboard goes, through the host's message loop and the dialog manager.
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_DELETE, 0);
    Harness().Pump();
    EXPECT_EQ(Text(main_, 737), "0");
    EXPECT_FALSE(Enabled(main_, 962));
}

TEST_F(MarqueeStripTest, TheFocusRunShowsThePositionFoundOrSaysItFailed) {
    StartWith({kMarquee});
    Press(350);
    HWND focus = ::FindWindowA(nullptr, "Focus");
    ASSERT_NE(focus, nullptr);
    Harness().recording.watchWindow("Focusing");

    Harness().recording.setFocusResult(-100);
    EXPECT_EQ(ClickAnswering(focus, 968, "QXTWAIN32", IDOK), "Focusing failed. Set Marquee where you want to focus.");
    Harness().Pump();
    EXPECT_EQ(Text(focus, 786), "");

    Harness().recording.setFocusResult(35);
    Click(focus, 968);
    Harness().Pump();
    EXPECT_EQ(Text(focus, 786), " 3.5");
    EXPECT_EQ(Text(focus, 776), " 3.5");
    const SourceContext run = Snapshot(Harness(), Harness().recording.snapshotCount() - 1);
    EXPECT_EQ(run.Get(ctx::focusMode), 3);
    EXPECT_EQ(std::string(Harness().recording.windowShownAtCalls()), "11");  // "FOCUSPRG" during each run
    Click(main_, 1019);
    EXPECT_EQ(IniValue("Settings", "Focus Position"), "3.5");
}

}  // namespace
}  // namespace korva::test
