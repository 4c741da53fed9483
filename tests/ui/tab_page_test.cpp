// The controls of the OCR and Photo pages, through the real module.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tests/ui/support/main_window_fixture.h"
#include "tests/ui/window_helpers.h"

namespace korva::test {
namespace {

TEST_F(MainWindowTest, DocumentSizesSelectTheirAreaAndMaxSelectsNothing) {
    ASSERT_EQ(::GetSystemMetrics(SM_CXSCREEN), 1024);  // the stored screen-size class
    ASSERT_NE(Start(kSavedPreview, 2, [] { WritePreviewFile(340, 440); }), nullptr);
    HWND photo = VisiblePageWith(main_, 972);
    ASSERT_NE(photo, nullptr);
    ASSERT_TRUE(Enabled(photo, 956));  // the saved preview was loaded

    ::SendDlgItemMessageA(photo, 972, BM_CLICK, 0, 0);
    Click(main_, 1019);
    EXPECT_EQ(IniRect("PhotoSelectRect"), "4,0,334,467");
    EXPECT_EQ(EnvironmentMarquees(), 1);

    ::SendDlgItemMessageA(photo, 975, BM_CLICK, 0, 0);
    Click(main_, 1019);
    EXPECT_EQ(IniRect("PhotoSelectRect"), "0,0,0,0");
    EXPECT_EQ(EnvironmentMarquees(), 0);
}

// The clamping rule itself is pinned by the core's resolution entry tests.
TEST_F(MainWindowTest, ATypedResolutionIsClampedToTheDevice) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    HWND photo = VisiblePageWith(main_, 372);
    ASSERT_NE(photo, nullptr);
    ::SetDlgItemTextA(photo, 372, "5000");
    ::SendMessageA(photo, WM_COMMAND, MAKEWPARAM(372, CBN_KILLFOCUS), 0);
    EXPECT_EQ(Text(photo, 372), "600");
}

TEST_F(MainWindowTest, AThresholdThatIsNoNumberShowsZeroAndKeepsTheThreshold) {
    ASSERT_NE(Start("[Settings]\r\nSave values=1\r\nAuto Preview=0\r\n[Tab Setting]\r\nTab Flag=1\r\n"
                    "BlackWhite Option=982\r\n"),
              nullptr);
    HWND ocr = VisiblePageWith(main_, 251);
    ASSERT_NE(ocr, nullptr);
    HWND bar = ::GetDlgItem(ocr, 250);
    ASSERT_EQ(::GetScrollPos(bar, SB_CTL), 128);

    for (const auto& [typed, shown, position] : {std::tuple("abc", "0", 128), std::tuple("300", "255", 255)}) {
        ::SetDlgItemTextA(ocr, 251, typed);
        ::SendMessageA(ocr, WM_COMMAND, MAKEWPARAM(251, EN_KILLFOCUS), 0);
        EXPECT_EQ(Text(ocr, 251), shown) << typed;
        EXPECT_EQ(::GetScrollPos(bar, SB_CTL), position) << typed;
    }
}

TEST_F(MainWindowTest, CardNeedsTheFlatbed) {
    ASSERT_NE(Start("[Settings]\r\nSave values=1\r\nAuto Preview=0\r\n[Tab Setting]\r\nPhoto FeedOption=1\r\n", 0),
              nullptr);
    HWND photo = PageWith(main_, 990);
    HWND ocr = PageWith(main_, 980);
    ASSERT_NE(photo, nullptr);
    ASSERT_NE(ocr, nullptr);
    EXPECT_FALSE(Enabled(photo, 973));
    EXPECT_TRUE(Enabled(ocr, 973));
    EXPECT_FALSE(Enabled(photo, 182));  // the one-press scan uses the flatbed
}

}  // namespace
}  // namespace korva::test
