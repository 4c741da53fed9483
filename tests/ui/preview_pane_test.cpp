// The preview pane under the mouse and the keyboard, through the real module: drawing a marquee, the
// Delete key, a double click, and the picture drawn with the present settings.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/ui/support/main_window_fixture.h"
#include "tests/ui/window_helpers.h"

namespace korva::test {
namespace {

// The colour on the screen at a pane point, after the pane is drawn anew if `redraw`.
COLORREF PaneColourAt(HWND pane, int x, int y, bool redraw = true) {
    if (redraw) {
        ::RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
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
        BringToFront(Harness(), main_);  // the pane follows the mouse only while the main dialog is active
    }

    void Drag(int x0, int y0, int x1, int y1) {
        HoverAt(x0, y0);  // the pane learns what lies under the mouse before the button goes down
        ::SendMessageA(pane_, WM_LBUTTONDOWN, MK_LBUTTON, At(x0, y0));
        ::SendMessageA(pane_, WM_MOUSEMOVE, MK_LBUTTON, At((x0 + x1) / 2, (y0 + y1) / 2));
        ::SendMessageA(pane_, WM_MOUSEMOVE, MK_LBUTTON, At(x1, y1));
        ::SendMessageA(pane_, WM_LBUTTONUP, 0, At(x1, y1));
        Harness().Pump();
    }

    // Puts the mouse over a pane point and lets the pane choose its cursor, as the system does before
    // every mouse message; returns the cursor shown.
    HCURSOR HoverAt(int x, int y) {
        PlacePointer(Harness(), pane_, x, y);
        ::SendMessageA(pane_, WM_SETCURSOR, reinterpret_cast<WPARAM>(pane_), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor();
    }

    COLORREF OnScreen(int x, int y) { return PaneColourAt(pane_, x, y, false); }

    std::string Width() { return Text(main_, 191); }

    HWND pane_ = nullptr;
};

// The stored preview decides the pane's size and the dialog encloses the pane. A drawn marquee shows its
// size and is a custom size; Delete takes it away, and a double click selects Max and drops it. Which way
// a band is dragged and a click without movement are pinned by the core's preview window model tests.
TEST_F(PreviewPaneTest, ADrawnMarqueeShowsItsSizeAndDeleteOrADoubleClickRemovesIt) {
    RECT client{};
    ::GetClientRect(pane_, &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(340L, 440L));
    RECT pane{};
    ::GetWindowRect(pane_, &pane);
    ::GetClientRect(main_, &client);
    ::MapWindowPoints(main_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_LE(pane.right, client.right);
    EXPECT_LE(pane.bottom, client.bottom);

    const std::string whole = Width();
    Drag(120, 200, 20, 30);
    EXPECT_NE(Width(), whole);
    EXPECT_TRUE(Enabled(VisiblePageWith(main_, 956), 956));
    ::SendMessageA(pane_, WM_KEYDOWN, VK_DELETE, 0);
    Harness().Pump();
    EXPECT_EQ(Width(), whole);

    Drag(20, 30, 120, 200);
    HWND photo = VisiblePageWith(main_, 975);
    ASSERT_NE(photo, nullptr);
    EXPECT_EQ(::IsDlgButtonChecked(photo, 976), BST_CHECKED);
    ::SendMessageA(pane_, WM_LBUTTONDBLCLK, MK_LBUTTON, At(60, 60));
    Harness().Pump();
    EXPECT_EQ(::IsDlgButtonChecked(photo, 975), BST_CHECKED);
    Click(main_, 1019);
    EXPECT_EQ(EnvironmentMarquees(), 0);
}

TEST_F(PreviewPaneTest, TheMouseResizesAndMovesAMarqueeThroughItsBorderAndInside) {
    HoverAt(20, 30);
    Drag(20, 30, 120, 200);
    EXPECT_EQ(HoverAt(120, 100), ::LoadCursorA(nullptr, IDC_SIZEWE));
    Drag(120, 100, 150, 100);
    const HCURSOR inside = HoverAt(70, 100);
    EXPECT_NE(inside, nullptr);
    for (LPCSTR system : {IDC_ARROW, IDC_SIZEWE, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZENESW}) {
        EXPECT_NE(inside, ::LoadCursorA(nullptr, system));
    }
    Drag(70, 100, 80, 110);
    Click(main_, 1019);
    EXPECT_EQ(IniRect("PhotoSelectRect"), "30,40,160,210");
    EXPECT_EQ(EnvironmentMarquees(), 1);
}

TEST_F(PreviewPaneTest, TypingAWidthErasesTheRubberBandBeingDrawn) {
    ::SendMessageA(pane_, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 30));
    ::SendMessageA(pane_, WM_MOUSEMOVE, MK_LBUTTON, At(120, 200));
    ASSERT_EQ(OnScreen(70, 30), RGB(0, 0, 0));  // the band's top edge, inverted on white paper
    HWND width = ::GetDlgItem(main_, 191);
    ::SetFocus(width);
    ::SetWindowTextA(width, "2");
    EXPECT_EQ(OnScreen(70, 30), RGB(255, 255, 255));
    ::SendMessageA(pane_, WM_LBUTTONUP, 0, At(120, 200));
    EXPECT_EQ(::GetCapture(), nullptr);
}

// The pane draws the picture through the image type in force: as line art at threshold 255 white paper
// turns black (as a colour picture it stays white, which the rubber band test sees).
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
