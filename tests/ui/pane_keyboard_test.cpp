// The preview pane by keyboard, through the real module and real keystrokes in the input queue: the key
// hint and focus rectangle, Tab making the other marquee current with its settings, and a whole session
// from the preview to the scan of two marquees without the mouse. The key rules and the arithmetic of
// their steps are pinned by the core's pane key tests.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/ui/support/main_window_fixture.h"
#include "tests/ui/window_helpers.h"

namespace korva::test {
namespace {

constexpr char kKeysHint[] = "Ins new area, arrows move, Shift+arrows size, Tab next";
constexpr int kStatusLine = 1030;
constexpr int kPhotoColour = 990;
constexpr int kPhotoBlackWhite = 991;

class PaneKeyboardTest : public MainWindowTest {
  protected:
    HWND Pane() const { return ::FindWindowExA(main_, nullptr, "PREVIEW", nullptr); }

    // Plays a chord and lets the host's message loop deliver it.
    void Keys(std::initializer_list<WORD> chord) {
        std::vector<INPUT> inputs = ChordInputs(chord);
        ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        for (int i = 0; i < 5; ++i) {
            ::Sleep(10);
            Harness().Pump();
        }
    }
    void Repeat(int times, std::initializer_list<WORD> chord) {
        for (int i = 0; i < times; ++i) {
            Keys(chord);
        }
    }
    // Tabs through the dialog until the control has the focus; false when a full round never reaches it.
    bool TabTo(HWND control) {
        for (int i = 0; i < 60 && ::GetFocus() != control; ++i) {
            Keys({VK_TAB});
        }
        return ::GetFocus() == control;
    }
    // Pixels of the pane's top row, left part, that are not white.
    int MarkedTopPixels() {
        ::RedrawWindow(Pane(), nullptr, nullptr, RDW_UPDATENOW);
        HDC dc = ::GetDC(Pane());
        int marked = 0;
        for (int x = 0; x < 40; ++x) {
            marked += ::GetPixel(dc, x, 0) != RGB(255, 255, 255) ? 1 : 0;
        }
        ::ReleaseDC(Pane(), dc);
        return marked;
    }
};

// The key hint and the focus rectangle on the white preview come and go with the focus.
TEST_F(PaneKeyboardTest, TheKeyHintAndTheFocusRectangleShowWhileThePaneHasTheFocus) {
    ASSERT_NE(Start(kSavedPreview, 2, [] { WritePreviewFile(340, 440); }), nullptr);
    ASSERT_NE(Pane(), nullptr);
    BringToFront(Harness(), main_);
    ::SetFocus(Pane());
    Harness().Pump();
    EXPECT_EQ(Text(main_, kStatusLine), kKeysHint);
    EXPECT_GT(MarkedTopPixels(), 0);
    ::SetFocus(::GetDlgItem(main_, 191));
    Harness().Pump();
    EXPECT_EQ(MarkedTopPixels(), 0);
    EXPECT_NE(Text(main_, kStatusLine), kKeysHint);
}

// Two marquees made by keys, a colour one and a black-and-white one: Tab and Shift+Tab in the pane make
// the other one current and bring its settings into the dialogs (which the scan takes, as the marquee
// settings tests see); before the first marquee the focus leaves the pane.
TEST_F(PaneKeyboardTest, TabCyclesBetweenTwoMarqueesAndTheirSettingsFollow) {
    ASSERT_NE(Start(kSavedPreview, 2, [] { WritePreviewFile(340, 440); }), nullptr);
    HWND pane = Pane();
    HWND photo = VisiblePageWith(main_, kPhotoColour);
    ASSERT_NE(photo, nullptr);
    BringToFront(Harness(), main_);
    ::SetFocus(pane);
    Keys({VK_INSERT});
    Repeat(3, {VK_CONTROL, VK_LEFT});
    Click(photo, kPhotoColour);
    Keys({VK_INSERT});
    Click(photo, kPhotoBlackWhite);
    ASSERT_EQ(Text(main_, 737), "2");

    Keys({VK_TAB});
    EXPECT_EQ(::GetFocus(), pane);
    EXPECT_EQ(::IsDlgButtonChecked(photo, kPhotoColour), BST_CHECKED);
    Keys({VK_SHIFT, VK_TAB});
    EXPECT_EQ(::GetFocus(), pane);
    EXPECT_EQ(::IsDlgButtonChecked(photo, kPhotoBlackWhite), BST_CHECKED);
    Keys({VK_SHIFT, VK_TAB});
    EXPECT_NE(::GetFocus(), pane);
    EXPECT_EQ(::IsDlgButtonChecked(photo, kPhotoBlackWhite), BST_CHECKED);
}

// From activation to the scan of two marquees with the keyboard alone: Alt+P previews, Tab reaches the
// pane, Insert and Ctrl+arrows make two marquees, Tab leaves the pane for the scan-all button and Space
// presses it.
TEST_F(PaneKeyboardTest, AKeyboardOnlySessionScansTwoMarquees) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    Harness().recording.answerRequestedSize(1);
    Harness().recording.sendNextMarqueeTo(main_);
    BringToFront(Harness(), main_);
    Harness().Pump();
    Keys({VK_MENU, 'P'});
    ASSERT_EQ(Harness().recording.snapshotCount(), 1);  // the preview
    HWND pane = Pane();
    ASSERT_TRUE(TabTo(pane));

    Keys({VK_INSERT});
    Repeat(5, {VK_CONTROL, VK_UP});
    Keys({VK_INSERT});
    Repeat(5, {VK_CONTROL, VK_DOWN});
    ASSERT_EQ(Text(main_, 737), "2");

    ASSERT_TRUE(TabTo(::GetDlgItem(main_, 729)));
    Keys({VK_SPACE});
    ASSERT_EQ(Harness().recording.snapshotCount(), 3);
    const SourceContext lower = Snapshot(Harness(), 1);  // the newer marquee, at the head of the list
    const SourceContext upper = Snapshot(Harness(), 2);
    RECT view{};
    ::GetClientRect(pane, &view);
    const int hundredths = 100 * 1100 / view.bottom;  // the hundred view pixels between them
    EXPECT_NEAR(lower.Get(ctx::dsAreaTop) - upper.Get(ctx::dsAreaTop), hundredths, 1);
    EXPECT_EQ(lower.Get(ctx::dsAreaLeft), upper.Get(ctx::dsAreaLeft));
    EXPECT_EQ(lower.Get(ctx::dsAreaWidth), upper.Get(ctx::dsAreaWidth));
    EXPECT_EQ(lower.Get(ctx::batchActive), 1);
}

}  // namespace
}  // namespace korva::test
