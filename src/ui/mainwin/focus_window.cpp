#include "ui/mainwin/focus_window.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "core/mainwin/scroll_position.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr int kPositionBar = 775;
constexpr int kPositionField = 776;
constexpr int kResultField = 786;
constexpr int kSetButton = 965;
constexpr int kAutoFocusButton = 968;
constexpr int kMinimumTenths = -20;
constexpr int kMaximumTenths = 60;
constexpr int kFieldCharacters = 11;

}  // namespace

void FocusWindow::Open(HINSTANCE instance, HWND owner, DLGPROC forwarder) {
    if (!window_) {
        window_ = ::CreateDialogParamA(instance, "FOCUS", owner, forwarder, 0);
        if (!window_) {
            return;
        }
    }
    ::ShowWindow(window_, SW_SHOW);
    ::SetActiveWindow(window_);
    host_.SetToolWindow(window_);
}

void FocusWindow::ShowResult(int32_t tenths) {
    if (window_) {
        SetItemText(window_, kResultField, ParameterValueText(kPositionField, tenths));
        ShowPosition(tenths);
    }
}

void FocusWindow::ShowPosition(int32_t tenths) {
    ::SetScrollPos(::GetDlgItem(window_, kPositionBar), SB_CTL, tenths, TRUE);
    SetItemText(window_, kPositionField, ParameterValueText(kPositionField, tenths));
}

void FocusWindow::OnInit(HWND window) {
    window_ = window;
    ::SetScrollRange(::GetDlgItem(window, kPositionBar), SB_CTL, kMinimumTenths, kMaximumTenths, FALSE);
    ShowPosition(host_.FocusTenths());
    if (placed_) {
        ::SetWindowPos(window, nullptr, place_.x, place_.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// A typed position in the units shown (a decimal number); anything else puts the present one back.
void FocusWindow::TakeTypedPosition() {
    const std::string text = ItemText(window_, kPositionField, kFieldCharacters + 1);
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() && std::isfinite(value)) {
        host_.SetFocusTenths(static_cast<int32_t>(std::lround(value * 10.0)));
    }
    ShowPosition(host_.FocusTenths());
}

void FocusWindow::OnDestroy() {
    RECT rect{};
    if (::GetWindowRect(window_, &rect)) {
        place_ = {rect.left, rect.top};
        placed_ = true;
    }
    host_.SetToolWindow(nullptr);
    window_ = nullptr;
}

INT_PTR FocusWindow::Proc(HWND window, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_INITDIALOG:
            OnInit(window);
            return TRUE;
        case WM_HSCROLL:
            host_.ScrollFocusPosition(window, LOWORD(first), static_cast<int16_t>(HIWORD(first)),
                                      reinterpret_cast<HWND>(second));
            return TRUE;
        case WM_ACTIVATE:
            if (LOWORD(first) != WA_INACTIVE) {
                host_.SetToolWindow(window);
            }
            return FALSE;
        case WM_COMMAND:
            switch (LOWORD(first)) {
                case kSetButton:
                    TakeTypedPosition();
                    return TRUE;
                case IDOK:
                    TakeTypedPosition();
                    ::DestroyWindow(window);
                    return TRUE;
                case kAutoFocusButton:
                    ::SendMessageA(::GetWindow(window, GW_OWNER), WM_COMMAND, MAKEWPARAM(kAutoFocusButton, BN_CLICKED),
                                   0);
                    return TRUE;
                case IDCANCEL:
                    ::DestroyWindow(window);
                    return TRUE;
                default:
                    return FALSE;
            }
        case WM_DRAWITEM:
            host_.DrawItem(window, reinterpret_cast<const DRAWITEMSTRUCT*>(second));
            return TRUE;
        case WM_CLOSE:
            ::DestroyWindow(window);
            return TRUE;
        case WM_DESTROY:
            OnDestroy();
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace korva
