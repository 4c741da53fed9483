// The preview pane under the mouse and the keyboard, through the real module: drawing a marquee, the
// Delete key, a double click, and the picture drawn with the present settings.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/support/main_window_fixture.h"

namespace korva::test {
namespace {

// A white preview 340 pixels wide of an 850 × 1100 bed, kept from the last run.
constexpr char kSavedPreview[] =
    "[Settings]\r\nSave values=1\r\nAuto Preview=0\r\nLastPreview=0\r\nSrc Size=1024\r\n"
    "[ImageSetting]\r\nxScan=850\r\nyScan=1100\r\n";

std::string PhotoSelectRect() {
    std::string rect;
    for (const char* side : {"left", "top", "right", "bottom"}) {
        rect += (rect.empty() ? "" : ",") + IniValue("ImageSetting", std::string("PhotoSelectRect.") + side);
    }
    return rect;
}

COLORREF PaneColourAt(HWND pane, int x, int y) {
    ::RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = ::GetDC(pane);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(pane, dc);
    return colour;
}

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

class PreviewPaneTest : public MainWindowTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(::GetSystemMetrics(SM_CXSCREEN), 1024);  // the stored screen-size class
        ASSERT_NE(Start(kSavedPreview, 2, [] { WritePreviewFile(340, 440); }), nullptr);
        pane_ = ::FindWindowExA(main_, nullptr, "PREVIEW", nullptr);
        ASSERT_NE(pane_, nullptr);
    }

    void Drag(int x0, int y0, int x1, int y1) {
        ::SendMessageA(pane_, WM_LBUTTONDOWN, MK_LBUTTON, At(x0, y0));
        ::SendMessageA(pane_, WM_MOUSEMOVE, MK_LBUTTON, At((x0 + x1) / 2, (y0 + y1) / 2));
        ::SendMessageA(pane_, WM_MOUSEMOVE, MK_LBUTTON, At(x1, y1));
        ::SendMessageA(pane_, WM_LBUTTONUP, 0, At(x1, y1));
        Harness().Pump();
    }

    std::string Width() {
        char text[32] = {};
        ::GetDlgItemTextA(main_, 191, text, sizeof text);
        return text;
    }

    HWND pane_ = nullptr;
};

TEST_F(PreviewPaneTest, DraggingEitherWayDrawsTheSameMarqueeAndShowsItsSize) {
    const std::string whole = Width();
    Drag(120, 200, 20, 30);
    const std::string dragged = Width();
    EXPECT_NE(dragged, whole);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(VisiblePageWith(main_, 956), 956)));

    Drag(20, 30, 120, 200);  // a new band in empty space replaces the current marquee
    EXPECT_EQ(Width(), dragged);
    Click(main_, 1019);
    EXPECT_EQ(PhotoSelectRect(), "20,30,120,200");
    EXPECT_EQ(EnvironmentMarquees(), 1);
}

TEST_F(PreviewPaneTest, TheDeleteKeyRemovesTheMarqueeAndAClickInEmptySpaceMakesNone) {
    const std::string whole = Width();
    Drag(20, 30, 120, 200);
    ::SendMessageA(pane_, WM_KEYDOWN, VK_DELETE, 0);
    Harness().Pump();
    EXPECT_EQ(Width(), whole);
    Drag(200, 300, 200, 300);  // a click without movement
    EXPECT_EQ(Width(), whole);
    Click(main_, 1019);
    EXPECT_EQ(EnvironmentMarquees(), 0);
}

TEST_F(PreviewPaneTest, ADoubleClickSelectsMaxAndDropsTheMarquee) {
    Drag(20, 30, 120, 200);
    HWND photo = VisiblePageWith(main_, 975);
    ASSERT_NE(photo, nullptr);
    EXPECT_EQ(::IsDlgButtonChecked(photo, 976), BST_CHECKED);  // a drawn marquee is a custom size
    ::SendMessageA(pane_, WM_LBUTTONDBLCLK, MK_LBUTTON, At(60, 60));
    Harness().Pump();
    EXPECT_EQ(::IsDlgButtonChecked(photo, 975), BST_CHECKED);
    Click(main_, 1019);
    EXPECT_EQ(EnvironmentMarquees(), 0);
}

// The pane draws the picture through the image type in force: the white preview stays white as a colour
// picture under "Linear" with neutral values; as line art at threshold 255 it turns black.
TEST_F(PreviewPaneTest, AColourPictureOfWhitePaperStaysWhite) {
    EXPECT_EQ(PaneColourAt(pane_, 170, 220), RGB(255, 255, 255));
}

TEST_F(MainWindowTest, LineArtAtTheHighestThresholdTurnsWhitePaperBlack) {
    ASSERT_NE(Start(std::string(kSavedPreview) + "IprocValue4=255\r\n[Tab Setting]\r\nTab Flag=1\r\n"
                                                 "BlackWhite Option=982\r\n",
                    2, [] { WritePreviewFile(340, 440); }),
              nullptr);
    HWND pane = ::FindWindowExA(main_, nullptr, "PREVIEW", nullptr);
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(PaneColourAt(pane, 170, 220), RGB(0, 0, 0));
}

}  // namespace
}  // namespace korva::test
