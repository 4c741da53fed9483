// The Tone Correction window through the real module: opened by command 944, edited by typing and by a
// real mouse drag, committed into the scan's output tables and into the INI file's tone-map list.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/tone/spline.h"
#include "core/tone/tone_map.h"
#include "tests/ui/support/main_window_fixture.h"
#include "tests/ui/window_helpers.h"

namespace korva::test {
namespace {

constexpr int kArea = 414;
constexpr int kCombo = 530;

class ToneDialogTest : public MainWindowTest {
  protected:
    HWND OpenTone() {
        ::SendMessageA(main_, WM_COMMAND, MAKEWPARAM(944, 0), 0);
        Harness().Pump();
        return ::FindWindowA(nullptr, "Tone Correction");
    }
    // Types into a field as a user does: focus, text, focus elsewhere.
    void Type(HWND dialog, int id, const char* text) {
        ::SetFocus(::GetDlgItem(dialog, id));
        ::SetWindowTextA(::GetDlgItem(dialog, id), text);
        ::SetFocus(::GetDlgItem(dialog, IDOK));
        Harness().Pump();
    }
    void Settle() {
        for (int i = 0; i < 10; ++i) {
            Harness().Pump();
            ::Sleep(20);
        }
    }
};

int Level(HWND dialog, int point) {
    return std::stoi(Text(dialog, 444 + point));
}

void SendMouse(DWORD flags, POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof input);
}

TEST_F(ToneDialogTest, TypedAndDraggedPointsReachTheScanTables) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    Click(main_, 1);
    HWND dialog = OpenTone();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(OpenTone(), dialog);  // a second 944 activates the open window
    EXPECT_EQ(Text(dialog, kCombo), "Linear");
    EXPECT_FALSE(Enabled(dialog, 500));
    EXPECT_EQ(Level(dialog, 2), 128);

    Type(dialog, 446, "170");  // ToneCurveAreaTest pins the clamping and refusal of typed levels
    EXPECT_EQ(Level(dialog, 2), 170);
    EXPECT_EQ(Text(dialog, kCombo), "User Defined");
    EXPECT_TRUE(Enabled(dialog, 500));

    // Drag the 1/4 Tone point down to a quarter of the area's height from the bottom.
    RECT area{};
    ::GetWindowRect(::GetDlgItem(dialog, kArea), &area);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const POINT start{area.left + 192 * width / 255, area.top + (255 - Level(dialog, 3)) * height / 255};
    const POINT target{start.x, area.top + 3 * height / 4};
    BringToFront(Harness(), dialog);
    SendMouse(0, start);
    Settle();
    SendMouse(MOUSEEVENTF_LEFTDOWN, start);
    Settle();
    SendMouse(0, {target.x, (start.y + target.y) / 2});
    SendMouse(0, target);
    Settle();
    SendMouse(MOUSEEVENTF_LEFTUP, target);
    Settle();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    EXPECT_EQ(Level(dialog, 3), 255 - (cursor.y - area.top) * 255 / height);
    EXPECT_LT(Level(dialog, 3), 100);

    std::array<SplinePoint, 5> points{};
    for (int p = 0; p < 5; ++p) {
        points[p] = {kPointLevels[p], static_cast<int16_t>(Level(dialog, p)), 1};
    }
    ToneCurve master{};
    BuildSplineCurve(points, master);

    Click(dialog, IDOK);
    EXPECT_FALSE(::IsWindow(dialog));
    Click(main_, 1);
    ASSERT_STREQ(Harness().recording.calls(), "UIFinalScan UIFinalScan");
    const SourceContext before = Snapshot(Harness(), 0);
    const SourceContext after = Snapshot(Harness(), 1);
    for (ContextField channel : {ctx::tableRed, ctx::tableGreen, ctx::tableBlue}) {
        const uint8_t* linear = before.Bytes(channel);
        const uint8_t* bent = after.Bytes(channel);
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(bent[i], master[linear[i]]) << i;
        }
    }
}

// Cancel after a save is ToneCorrectionTest.CancelAfterSaveLeavesTheStoredListAndRestoresTheMap.
TEST_F(ToneDialogTest, ASavedMapIsInTheListAfterReactivation) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    HWND dialog = OpenTone();
    ASSERT_NE(dialog, nullptr);
    Type(dialog, 445, "20");
    ::SetDlgItemTextA(dialog, kCombo, "Evening");
    Click(dialog, 500);
    EXPECT_EQ(::SendDlgItemMessageA(dialog, kCombo, CB_GETCOUNT, 0, 0), 7);
    EXPECT_TRUE(Enabled(dialog, 510));
    Click(dialog, IDOK);

    Click(main_, 1019);
    EXPECT_EQ(IniValue("GAMMA CORR", "NUMBER OF GAMMA MAPS"), "7");
    EXPECT_EQ(IniValue("GAMMA CORR", "GAMMA MAPS6 NAME"), "Evening");
    Harness().deleteDialog();
    main_ = Harness().Activate();
    ASSERT_NE(main_, nullptr);
    Harness().Pump();

    dialog = OpenTone();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(::SendDlgItemMessageA(dialog, kCombo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>("Evening")),
              6);
    ::SendDlgItemMessageA(dialog, kCombo, CB_SETCURSEL, 6, 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kCombo, CBN_SELCHANGE), 0);
    EXPECT_EQ(Level(dialog, 1), 20);
    EXPECT_TRUE(Enabled(dialog, 510));
}

TEST_F(ToneDialogTest, LineArtAllowsOnlyMasterAndMainCommandsCloseTheWindow) {
    ASSERT_NE(Start("[Settings]\r\nSave values=1\r\nAuto Preview=0\r\n[Tab Setting]\r\nTab Flag=1\r\n"), nullptr);
    HWND dialog = OpenTone();
    ASSERT_NE(dialog, nullptr);
    for (int id : {440, 441, 442}) {
        EXPECT_FALSE(Enabled(dialog, id)) << id;
    }
    EXPECT_EQ(::IsDlgButtonChecked(dialog, 443), UINT{BST_CHECKED});

    MSG key{dialog, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(Harness().isDialogMsg(&key));  // served as the tool window

    ::SendMessageA(main_, WM_COMMAND, MAKEWPARAM(354, BN_CLICKED), 0);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_NE(OpenTone(), nullptr);
}

}  // namespace
}  // namespace korva::test
