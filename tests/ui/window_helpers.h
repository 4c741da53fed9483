// What the window tests share: the INI files they start with, reading the module's controls and INI
// values, pressing keys as a keyboard does and answering message boxes.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/ui/support/main_window_fixture.h"

namespace korva::test {

// "Save values" on and no preview at activation.
inline constexpr char kSaveValuesOn[] = "[Settings]\r\nSave values=1\r\nAuto Preview=0\r\n";
// The same, and a preview of the 850 x 1100 bed kept from the last run at the screen-size class of a
// 1024-pixel-wide screen; WritePreviewFile(340, 440) puts back a white picture 340 pixels wide.
inline constexpr char kSavedPreview[] =
    "[Settings]\r\nSave values=1\r\nAuto Preview=0\r\nLastPreview=0\r\nSrc Size=1024\r\n"
    "[ImageSetting]\r\nxScan=850\r\nyScan=1100\r\n";

// The INI file's rectangle `name` ("PhotoSelectRect"...) as "left,top,right,bottom".
inline std::string IniRect(const std::string& name) {
    std::string rect;
    for (const char* side : {"left", "top", "right", "bottom"}) {
        rect += (rect.empty() ? "" : ",") + IniValue("ImageSetting", name + "." + side);
    }
    return rect;
}

inline std::string Text(HWND dialog, int id) {
    char text[128] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

inline bool Enabled(HWND dialog, int id) {
    return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE;
}

// The keys of a chord pressed in order and let go in reverse, as a person plays it; the arrows, Insert
// and Delete are extended keys.
inline std::vector<INPUT> ChordInputs(std::initializer_list<WORD> chord) {
    std::vector<INPUT> inputs;
    const auto add = [&inputs](WORD key, DWORD up) {
        const bool extended = key == VK_INSERT || key == VK_DELETE || (key >= VK_LEFT && key <= VK_DOWN);
        INPUT& input = inputs.emplace_back();
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = up | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    };
    for (const WORD key : chord) {
        add(key, 0);
    }
    for (auto key = std::rbegin(chord); key != std::rend(chord); ++key) {
        add(*key, KEYEVENTF_KEYUP);
    }
    return inputs;
}

// The message box that the next ClickAnswering waits for, and what it showed.
struct AwaitedBox {
    const char* caption = "";
    int answer = IDOK;
    std::string text;
};

inline AwaitedBox& Awaited() {
    static AwaitedBox box;
    return box;
}

inline void CALLBACK AnswerAwaitedBox(HWND, UINT, UINT_PTR timer, DWORD) {
    AwaitedBox& awaited = Awaited();
    HWND box = ::FindWindowA("#32770", awaited.caption);
    if (!box) {
        return;
    }
    ::KillTimer(nullptr, timer);
    char text[256] = {};
    ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    awaited.text = text;
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(awaited.answer, BN_CLICKED), 0);
}

// Clicks button `id` of `dialog` and gives the message box with `caption` that it opens `answer` from inside
// the box's modal loop; returns the box's text, empty when no box came.
inline std::string ClickAnswering(HWND dialog, int id, const char* caption, int answer) {
    Awaited() = {caption, answer, {}};
    ::SetTimer(nullptr, 0, 50, AnswerAwaitedBox);
    Click(dialog, id);
    return Awaited().text;
}

}  // namespace korva::test
