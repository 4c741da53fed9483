#include "ui/mainwin/modeless_window.h"

#include "core/mainwin/hint_table.h"
#include "ui/boundary/scan_ui.h"

namespace korva {

void ModelessWindow::Open(HINSTANCE instance, HWND owner, const char* templateName, DLGPROC forwarder) {
    if (window_) {
        ::ShowWindow(window_, SW_SHOW);
        ::SetActiveWindow(window_);
        return;
    }
    ::CreateDialogParamA(instance, templateName, owner, forwarder, 0);
    if (!window_) {
        return;
    }
    if (position_.x != 0 || position_.y != 0) {
        ::SetWindowPos(window_, nullptr, position_.x, position_.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    ::ShowWindow(window_, SW_SHOW);
}

void ModelessWindow::Close() {
    if (!window_) {
        return;
    }
    RECT rect{};
    if (::GetWindowRect(window_, &rect)) {
        position_.x = rect.left;
        position_.y = rect.top;
    }
    HWND window = window_;
    window_ = nullptr;  // the controls' last notifications find the window gone
    ::DestroyWindow(window);
}

void ModelessWindow::Attach(ScanUI& ui, HWND window) {
    window_ = window;
    ui.lastToolWindow_ = window;
}

std::optional<INT_PTR> ModelessWindow::OnMessage(ScanUI& ui, HWND window, UINT message, WPARAM first) {
    switch (message) {
        case WM_SETCURSOR:
            ui.ShowHint(HintStringFor(::GetDlgCtrlID(reinterpret_cast<HWND>(first))));
            return FALSE;
        case WM_ACTIVATE:
            if (LOWORD(first) != WA_INACTIVE) {
                ui.lastToolWindow_ = window;
            }
            return FALSE;
        case WM_CLOSE:
            Close();
            return TRUE;
        case WM_DESTROY:
            if (ui.lastToolWindow_ == window) {
                ui.lastToolWindow_ = nullptr;
            }
            window_ = nullptr;
            return TRUE;
        default:
            return std::nullopt;
    }
}

}  // namespace korva
