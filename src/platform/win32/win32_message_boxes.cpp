#include "platform/win32/win32_services.h"

namespace korva {

int Win32MessageBoxes::Show(WindowRef owner, const std::string& text, const std::string& caption, unsigned style) {
    return ::MessageBoxA(reinterpret_cast<HWND>(owner), text.c_str(), caption.empty() ? nullptr : caption.c_str(),
                         style);
}

void Win32MessageBoxes::Beep() {
    ::MessageBeep(MB_OK);
}

}  // namespace korva
