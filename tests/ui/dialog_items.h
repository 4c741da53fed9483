// Reading the controls of the module's windows, and pressing keys as a keyboard does, for the window tests.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace korva::test {

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

}  // namespace korva::test
