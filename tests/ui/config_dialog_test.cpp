// The configuration dialog, opened from the main window and driven while it runs modally.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/ui/support/main_window_fixture.h"

namespace korva::test {
namespace {

constexpr char kPhotoColour[] =
    "[Settings]\r\nSave values=1\r\nAuto Preview=0\r\nWindows 95 ICM=0\r\n[Tab Setting]\r\nColor Selection=990\r\n";

// What the timer does to the open dialog; the test waits inside the dialog's modal loop meanwhile.
enum class Finish { kCancel, kCloseBox, kOk };  // kOk: OK without touching the boxes
Finish g_finish = Finish::kCancel;
bool g_icmWasEnabled = false;
std::pair<LRESULT, LRESULT> g_listsShown;  // the "Preview size" and "Eyedrop" selections as the dialog opened

void CALLBACK DriveConfiguration(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = ::FindWindowA(nullptr, "Configuration");
    if (!dialog) {
        return;
    }
    ::KillTimer(nullptr, timer);
    g_icmWasEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, 349)) != FALSE;
    g_listsShown = {::SendDlgItemMessageA(dialog, 741, CB_GETCURSEL, 0, 0),
                    ::SendDlgItemMessageA(dialog, 744, CB_GETCURSEL, 0, 0)};
    if (g_finish == Finish::kOk) {
        ::SendDlgItemMessageA(dialog, IDOK, BM_CLICK, 0, 0);
        return;
    }
    for (int id : {346, 998, 349}) {
        ::SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
    }
    for (int id : {741, 744}) {  // "Large", "5 x 5 pixel"
        ::SendDlgItemMessageA(dialog, id, CB_SETCURSEL, 2, 0);
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), 0);
    }
    if (g_finish == Finish::kCancel) {
        ::SendDlgItemMessageA(dialog, IDCANCEL, BM_CLICK, 0, 0);
    } else {
        ::SendMessageA(dialog, WM_CLOSE, 0, 0);
    }
}

void RunConfiguration(HWND main, Finish finish) {
    g_finish = finish;
    ::SetTimer(nullptr, 0, 50, DriveConfiguration);
    ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(180, BN_CLICKED), 0);
}

// Both runs click the same boxes: had Cancel kept the first run's changes, the second would undo them;
// the lists show at the second opening what they showed at the first.
TEST_F(MainWindowTest, ConfigurationCancelRestoresTheBoxesAndListsAndTheCloseBoxKeepsThemLikeOk) {
    ASSERT_NE(Start(kPhotoColour), nullptr);
    RunConfiguration(main_, Finish::kCancel);
    EXPECT_TRUE(g_icmWasEnabled);  // 24-bit colour can be colour-matched
    const auto lists = g_listsShown;
    RunConfiguration(main_, Finish::kCloseBox);
    EXPECT_EQ(g_listsShown, lists);
    Click(main_, 1019);
    EXPECT_EQ(IniValue("Settings", "Save values"), "0");
    EXPECT_EQ(IniValue("Settings", "Auto Preview"), "1");
    EXPECT_EQ(IniValue("Settings", "Windows 95 ICM"), "1");
    EXPECT_EQ(IniValue("Settings", "Eyedrop"), "5");
    EXPECT_EQ(IniValue("Settings", "Preview size"), "2");
}

// With "Auto Exposure" on, OK exposes the stored preview once: the highlight of white paper comes from
// the picture, and the switch goes off.
TEST_F(MainWindowTest, ConfigurationOkWithAutoExposureExposesThePreviewOnce) {
    ASSERT_NE(Start("[Settings]\r\nSave values=1\r\nAuto Preview=0\r\nWindows 95 ICM=0\r\nAuto Exposure=1\r\n"
                    "LastPreview=0\r\nSrc Size=1024\r\n[Tab Setting]\r\nColor Selection=990\r\n"
                    "[ImageSetting]\r\nxScan=850\r\nyScan=1100\r\nIprocValue2=200\r\n",
                    2, [] { WritePreviewFile(340, 440); }),
              nullptr);
    RunConfiguration(main_, Finish::kOk);
    Click(main_, 1019);
    EXPECT_EQ(IniValue("Settings", "Auto Exposure"), "0");
    EXPECT_NE(IniValue("ImageSetting", "IprocValue2"), "200");
}

}  // namespace
}  // namespace korva::test
