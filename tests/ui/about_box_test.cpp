// The About box, opened through the main dialog of the real DLL. It is modal, so the checks run from a
// timer while its message loop runs.
#include <gtest/gtest.h>

#include "tests/ui/support/module_harness.h"

namespace korva::test {
namespace {

// What the timer saw of the box, and how it closes it.
struct Observation {
    HWND main = nullptr;
    UINT closeMessage = WM_LBUTTONDOWN;
    WPARAM closeFirst = 0;
    HWND box = nullptr;
    RECT boxRect{};
    RECT pictureRect{};
    int darkTextPixels = 0;
    int textFieldPixels = 0;
    COLORREF pictureCorner = 0;
    int ticks = 0;
};

Observation* observation = nullptr;

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    if (::GetWindow(window, GW_OWNER) == observation->main && ::IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

int Luminance(COLORREF c) {
    return (GetRValue(c) * 3 + GetGValue(c) * 6 + GetBValue(c)) / 10;
}

// Reads the box once it shows, then closes it; gives up after five seconds.
void CALLBACK Inspect(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box) {
        if (++observation->ticks > 100) {
            ::KillTimer(nullptr, timer);
        }
        return;
    }
    ::KillTimer(nullptr, timer);
    observation->box = box;
    ::GetWindowRect(box, &observation->boxRect);
    ::GetWindowRect(::GetDlgItem(box, 449), &observation->pictureRect);
    ::UpdateWindow(box);

    // The version line starts 200 pixels from the picture's right edge (245 with captions over 20
    // pixels) and 115 pixels above its bottom, in a white field.
    HWND picture = ::GetDlgItem(box, 449);
    HDC dc = ::GetDC(picture);
    const int x0 = 486 - (::GetSystemMetrics(SM_CYCAPTION) > 20 ? 245 : 200);
    const int y0 = 206 - 115;
    for (int y = y0; y < y0 + 12; ++y) {
        for (int x = x0; x < x0 + 140; ++x) {
            const int level = Luminance(::GetPixel(dc, x, y));
            observation->darkTextPixels += level < 100;
            observation->textFieldPixels += level > 250;
        }
    }
    observation->pictureCorner = ::GetPixel(dc, 4, 4);
    ::ReleaseDC(picture, dc);
    ::PostMessageA(box, observation->closeMessage, observation->closeFirst, MAKELPARAM(30, 30));
}

class AboutBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(harness.Loaded());
        seen.main = harness.activate(harness.Parent(), harness.Context());
        ASSERT_NE(seen.main, nullptr);
        observation = &seen;
    }
    void TearDown() override { observation = nullptr; }

    // Posts `message` with `first` to the main dialog and runs until the box it opens has closed.
    void OpenAndClose(UINT message, WPARAM first) {
        ::SetTimer(nullptr, 0, 50, Inspect);
        ::PostMessageA(seen.main, message, first, 0);
        harness.Pump();
    }

    void ExpectGrownAndCentred() const {
        RECT desktop{};
        ::GetWindowRect(::GetDesktopWindow(), &desktop);
        ASSERT_NE(seen.box, nullptr);
        const LONG left = (desktop.right - desktop.left - 486) / 2;
        const LONG top = (desktop.bottom - desktop.top - 206) / 2;
        const RECT expected{left, top, left + 486, top + 206};
        EXPECT_TRUE(::EqualRect(&seen.boxRect, &expected));
        // The picture control is as large as the box.
        EXPECT_EQ(seen.pictureRect.right - seen.pictureRect.left, 486);
        EXPECT_EQ(seen.pictureRect.bottom - seen.pictureRect.top, 206);
    }

    ModuleHarness harness;
    Observation seen;
};

// The About command opens the small box and a click ends it; the system menu item opens the splash box
// with the version, and Cancel ends it. Both grow to the picture.
TEST_F(AboutBoxTest, TheAboutCommandAndTheSystemMenuItemOpenTheBoxGrownToThePicture) {
    OpenAndClose(WM_COMMAND, 10);
    ExpectGrownAndCentred();
    EXPECT_FALSE(::IsWindow(seen.box));
    EXPECT_TRUE(::IsWindow(seen.main));

    seen = Observation{seen.main, WM_COMMAND, IDCANCEL};
    OpenAndClose(WM_SYSCOMMAND, 10);
    ExpectGrownAndCentred();
    EXPECT_FALSE(::IsWindow(seen.box));
    // Dark letters on the white field, and the picture's dark blue rather than the dialog face around them.
    EXPECT_GT(seen.darkTextPixels, 40);
    EXPECT_GT(seen.textFieldPixels, 600);
    EXPECT_LT(Luminance(seen.pictureCorner), 80);
}

}  // namespace
}  // namespace korva::test
