// The main window from the keyboard, with keystrokes injected into the input queue as a keyboard
// makes them: the page keys (whose rules the core's page key tests pin) and the picture buttons.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/ui/support/main_window_fixture.h"
#include "tests/ui/window_helpers.h"

namespace korva::test {
namespace {

class KeyboardTest : public MainWindowTest {
  protected:
    // Plays a chord and lets the host's loop deliver it.
    void Keys(std::initializer_list<WORD> keys) {
        std::vector<INPUT> inputs = ChordInputs(keys);
        ASSERT_EQ(::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
        for (int i = 0; i < 10; ++i) {
            ::Sleep(20);
            Harness().Pump();
        }
    }
    void Focus(HWND control) {
        HWND window = ::GetAncestor(control, GA_ROOT);
        BringToFront(Harness(), window);
        ::SetFocus(control);
        Harness().Pump();
        ASSERT_EQ(::GetFocus(), control);
    }
    // The page and image type the module keeps, as Close writes them.
    void ExpectPage(const char* tabFlag, const char* scanMode) {
        Click(main_, 1019);
        EXPECT_EQ(IniValue("Tab Setting", "Tab Flag"), tabFlag);
        EXPECT_EQ(IniValue("Settings", "SCAN MODE"), scanMode);
    }
};

TEST_F(KeyboardTest, PageKeysSwitchPagesAsAClickOnTheLabelsDoes) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    HWND photo = VisiblePageWith(main_, 990);
    ASSERT_NE(photo, nullptr);

    // From a control of the page: the key reaches the main dialog.
    Focus(::GetDlgItem(photo, 425));
    Keys({VK_CONTROL, VK_TAB});
    EXPECT_NE(VisiblePageWith(main_, 980), nullptr);
    EXPECT_EQ(VisiblePageWith(main_, 990), nullptr);
    ExpectPage("1", "5");

    Keys({VK_CONTROL, VK_SHIFT, VK_TAB});
    EXPECT_NE(VisiblePageWith(main_, 990), nullptr);
    ExpectPage("0", "1");

    // The active page's label takes the focus; Left and Right switch from there and the focus follows.
    HWND ocrLabel = ::GetDlgItem(main_, 154);
    HWND photoLabel = ::GetDlgItem(main_, 155);
    EXPECT_FALSE(::IsWindowEnabled(ocrLabel));  // a click on it reaches the dialog
    Focus(photoLabel);
    Keys({VK_RIGHT});
    EXPECT_NE(VisiblePageWith(main_, 990), nullptr);
    EXPECT_EQ(::GetFocus(), photoLabel);
    Keys({VK_LEFT});
    EXPECT_NE(VisiblePageWith(main_, 980), nullptr);
    EXPECT_EQ(::GetFocus(), ocrLabel);
    EXPECT_FALSE(::IsWindowEnabled(photoLabel));
    ExpectPage("1", "5");
}

// Space and Enter press a focused picture button as a click does; Enter does not reach the default
// button (Scan).
TEST_F(KeyboardTest, SpaceAndEnterPressAFocusedPictureButton) {
    ASSERT_NE(Start(kSavedPreview, 2, [] { WritePreviewFile(340, 440); }), nullptr);
    HWND photo = VisiblePageWith(main_, 956);
    ASSERT_NE(photo, nullptr);
    for (WORD key : {VK_SPACE, VK_RETURN}) {
        ::SendDlgItemMessageA(photo, 975, BM_CLICK, 0, 0);
        ASSERT_EQ(::IsDlgButtonChecked(photo, 975), BST_CHECKED);
        Focus(::GetDlgItem(photo, 956));
        Keys({key});
        // The located document has a size of its own.
        EXPECT_EQ(::IsDlgButtonChecked(photo, 975), BST_UNCHECKED) << key;
        EXPECT_EQ(::IsDlgButtonChecked(photo, 976), BST_CHECKED) << key;
    }
    EXPECT_EQ(std::string(Harness().recording.calls()).find("UIFinalScan"), std::string::npos);
}

// Enter in a field of the advanced panel applies what was typed, through the panel's default button.
TEST_F(KeyboardTest, EnterAppliesTheOutputSizeBeingTyped) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    Click(main_, 354);
    HWND advanced = ::FindWindowA("#32770", "Advanced");
    ASSERT_NE(advanced, nullptr);
    ASSERT_EQ(Text(advanced, 710).find("4.25"), std::string::npos) << Text(advanced, 710);

    Focus(::GetDlgItem(advanced, 131));
    ::SetDlgItemTextA(advanced, 131, "4.25");
    Keys({VK_RETURN});
    EXPECT_NE(::GetFocus(), ::GetDlgItem(advanced, 131));
    EXPECT_EQ(Text(advanced, 710).rfind("4.25", 0), 0u) << Text(advanced, 710);
    EXPECT_TRUE(::IsWindow(advanced));  // Enter applies; it does not close the panel
}

}  // namespace
}  // namespace korva::test
