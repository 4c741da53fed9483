// The main window as it opens and as its tab labels switch the pages, through the real module.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/boundary/main_templates.h"
#include "tests/ui/support/main_window_fixture.h"

namespace korva::test {
namespace {

constexpr char kSaveValuesOn[] = "[Settings]\r\nSave values=1\r\nAuto Preview=0\r\n";

// A click on the main dialog at a screen point, as the mouse sends it.
void ClickAt(HWND main, POINT screen) {
    ::ScreenToClient(main, &screen);
    ::SendMessageA(main, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(screen.x, screen.y));
}

RECT ScreenRectOf(HWND main, int id) {
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(main, id), &rect);
    return rect;
}

// The choice of template is pinned by MainTemplatesTest; here the dialog takes its template's size.
TEST_F(MainWindowTest, TheDialogHasItsTemplatesSizeAndTheStatusLineNamesTheControlUnderTheMouse) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    const std::string name =
        ChooseMainTemplates(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYCAPTION)).main;
    RECT units{0, 0, 382, 263};
    if (name != "SCANQUILLA3") {
        units = name == "SCANQUILLA" ? RECT{0, 0, 481, 351} : RECT{0, 0, 436, 297};
    }
    ::MapDialogRect(main_, &units);
    RECT client{};
    ::GetClientRect(main_, &client);
    EXPECT_EQ(std::make_pair(client.right, client.bottom), std::make_pair(units.right, units.bottom)) << name;

    char text[128] = {};
    ::SendMessageA(main_, WM_SETCURSOR, reinterpret_cast<WPARAM>(::GetDlgItem(main_, 1)), HTCLIENT);
    ::GetDlgItemTextA(main_, 1030, text, sizeof text);
    EXPECT_STREQ(text, "Scan the selected area with the current settings");
    ::SendMessageA(main_, WM_SETCURSOR, reinterpret_cast<WPARAM>(main_), HTCLIENT);
    ::GetDlgItemTextA(main_, 1030, text, sizeof text);
    EXPECT_STREQ(text, "Ready");
}

TEST_F(MainWindowTest, WithoutSaveValuesThePhotoPageOpensInItsFrame) {
    ASSERT_NE(Start("[Settings]\r\nSave values=0\r\n[Tab Setting]\r\nTab Flag=1\r\n"), nullptr);
    HWND photo = VisiblePageWith(main_, 990);
    ASSERT_NE(photo, nullptr);
    EXPECT_EQ(VisiblePageWith(main_, 980), nullptr);
    EXPECT_NE(PageWith(main_, 980), nullptr);

    RECT page{};
    ::GetWindowRect(photo, &page);
    RECT inFrame{};
    const RECT frame = ScreenRectOf(main_, 157);
    ::IntersectRect(&inFrame, &page, &frame);
    EXPECT_TRUE(::EqualRect(&inFrame, &page));  // the page lies inside the tab frame
}

TEST_F(MainWindowTest, TheTabLabelsSwitchPagesAndImageTypes) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    ASSERT_NE(VisiblePageWith(main_, 990), nullptr);
    const RECT ocr = ScreenRectOf(main_, 154);
    const RECT photo = ScreenRectOf(main_, 155);
    const LONG labelMiddle = (photo.top + photo.bottom) / 2;

    // Just right of the Photo label's reach nothing happens.
    ClickAt(main_, POINT{2 * photo.left - ocr.left, labelMiddle});
    EXPECT_NE(VisiblePageWith(main_, 990), nullptr);

    ClickAt(main_, POINT{(ocr.left + photo.left) / 2, labelMiddle});
    EXPECT_NE(VisiblePageWith(main_, 980), nullptr);
    EXPECT_EQ(VisiblePageWith(main_, 990), nullptr);
    Click(main_, 1019);
    EXPECT_EQ(IniValue("Tab Setting", "Tab Flag"), "1");  // OCRON and PHOTOOFF are drawn
    EXPECT_EQ(IniValue("Settings", "SCAN MODE"), "5");

    ClickAt(main_, POINT{photo.left + 2, labelMiddle});
    EXPECT_NE(VisiblePageWith(main_, 990), nullptr);
    Click(main_, 1019);
    EXPECT_EQ(IniValue("Tab Setting", "Tab Flag"), "0");  // OCROFF and PHOTOON are drawn
    EXPECT_EQ(IniValue("Settings", "SCAN MODE"), "1");

    ::SendDlgItemMessageA(VisiblePageWith(main_, 991), 991, BM_CLICK, 0, 0);
    Click(main_, 1019);
    EXPECT_EQ(IniValue("Settings", "SCAN MODE"), "4");
}

// The dialog's place is kept in "Main X"/"Main Y"; the preview window's keys pass through unchanged.
TEST_F(MainWindowTest, TheDialogOpensWhereItWasLeftAndKeepsItsNewPlace) {
    ASSERT_NE(Start("[Settings]\r\nSave values=1\r\nAuto Preview=0\r\n[Dialog Position]\r\nMain X=120\r\n"
                    "Main Y=60\r\nPreview X=7\r\nPreview Y=9\r\n"),
              nullptr);
    RECT rect{};
    ::GetWindowRect(main_, &rect);
    EXPECT_EQ(rect.left, 120);
    EXPECT_EQ(rect.top, 60);
    ::SetWindowPos(main_, nullptr, 200, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageA(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(IniValue("Dialog Position", "Main X"), "200");
    EXPECT_EQ(IniValue("Dialog Position", "Main Y"), "100");
    EXPECT_EQ(IniValue("Dialog Position", "Preview X"), "7");
}

}  // namespace
}  // namespace korva::test
