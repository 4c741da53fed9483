// The Scan and Close buttons and the data source's busy message, through the real module and the
// recording data source.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/support/main_window_fixture.h"

namespace korva::test {
namespace {

constexpr char kSaveValuesOn[] = "[Settings]\r\nSave values=1\r\nAuto Preview=0\r\n";
constexpr UINT kMsgBusy = WM_USER + 101;

bool Enabled(HWND main, int id) {
    return ::IsWindowEnabled(::GetDlgItem(main, id)) != FALSE;
}

TEST_F(MainWindowTest, ScanWithAnUncommittedWidthCommitsTheWidthAndDoesNotScan) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    HWND width = ::GetDlgItem(main_, 191);
    ::SetFocus(width);
    ::SetWindowTextA(width, "5");                                     // typed: the field still has the focus
    ::SendMessageA(main_, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), 0);  // Enter presses the default button
    Harness().Pump();
    EXPECT_EQ(std::string(Harness().recording.calls()).find("UIFinalScan"), std::string::npos);
    char text[32] = {};
    ::GetWindowTextA(width, text, sizeof text);
    EXPECT_STREQ(text, "5.00");

    ::SendMessageA(main_, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), 0);
    EXPECT_NE(std::string(Harness().recording.calls()).find("UIFinalScan"), std::string::npos);
}

TEST_F(MainWindowTest, CloseCallsTheDataSourceBeforeTheSettingsAreWritten) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    ASSERT_TRUE(::DeleteFileA(IniPath().c_str()));
    Harness().recording.watchFile(IniPath().c_str());
    Click(main_, 1019);
    EXPECT_STREQ(Harness().recording.calls(), "UICloseScan");
    EXPECT_STREQ(Harness().recording.fileExistedAtCalls(), "0");
    EXPECT_EQ(IniValue("QXTWAINds", "Version"), "1.10E");
}

TEST_F(MainWindowTest, TheBusyMessageHoldsTheScanButtonsAndScanAllNeedsTwoMarquees) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    // The settings and all-marquees buttons belong to dialogs this module does not carry: stand-ins.
    for (int id : {196, 729}) {
        ::CreateWindowA("BUTTON", "", WS_CHILD, 0, 0, 1, 1, main_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        nullptr, nullptr);
    }
    ::SendMessageA(main_, kMsgBusy, 1, 0);
    for (int id : {1, 733, 196, 729}) {
        EXPECT_FALSE(Enabled(main_, id)) << id;
    }
    ::SendMessageA(main_, kMsgBusy, 0, 0);
    for (int id : {1, 733, 196}) {
        EXPECT_TRUE(Enabled(main_, id)) << id;
    }
    EXPECT_FALSE(Enabled(main_, 729));  // no marquee yet
}

}  // namespace
}  // namespace korva::test
