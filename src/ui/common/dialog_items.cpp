#include "ui/common/dialog_items.h"

#include <vector>

namespace korva {

std::string ItemText(HWND dialog, int id, int capacity) {
    std::vector<char> buffer(static_cast<size_t>(capacity) + 1, '\0');
    const UINT length = ::GetDlgItemTextA(dialog, id, buffer.data(), capacity);
    return std::string(buffer.data(), length);
}

void SetItemText(HWND dialog, int id, const std::string& text) {
    ::SetDlgItemTextA(dialog, id, text.c_str());
}

void SetItemTextIfChanged(HWND dialog, int id, const std::string& text) {
    constexpr int kCompared = 20;
    if (ItemText(dialog, id, kCompared) != text.substr(0, kCompared - 1)) {
        SetItemText(dialog, id, text);
    }
}

void EnableItem(HWND dialog, int id, bool enable) {
    if (HWND item = ::GetDlgItem(dialog, id)) {
        ::EnableWindow(item, enable ? TRUE : FALSE);
    }
}

bool IsItemChecked(HWND dialog, int id) {
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void CheckItem(HWND dialog, int id, bool check) {
    ::CheckDlgButton(dialog, id, check ? BST_CHECKED : BST_UNCHECKED);
}

RECT ItemScreenRect(HWND dialog, int id) {
    RECT rect{};
    if (HWND item = ::GetDlgItem(dialog, id)) {
        ::GetWindowRect(item, &rect);
    }
    return rect;
}

std::string ModuleString(HINSTANCE instance, int id) {
    char buffer[256] = {};
    const int length = ::LoadStringA(instance, static_cast<UINT>(id), buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace korva
