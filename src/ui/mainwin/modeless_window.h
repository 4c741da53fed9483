// What the modeless windows of the module share: opening at the place where they were last closed,
// closing, the status-line hints and the keyboard routing through IsDialogMsg.
#pragma once

#include <windows.h>

#include <optional>

namespace korva {

class ScanUI;
struct DialogPosition;

class ModelessWindow {
  public:
    explicit ModelessWindow(DialogPosition& position) : position_(position) {}
    ModelessWindow(const ModelessWindow&) = delete;
    ModelessWindow& operator=(const ModelessWindow&) = delete;

    // Creates the window from its template, or brings it to the front when it is open.
    void Open(HINSTANCE instance, HWND owner, const char* templateName, DLGPROC forwarder);
    void Close();
    HWND Window() const { return window_; }
    // The window being created, from its WM_INITDIALOG.
    void Attach(ScanUI& ui, HWND window);

    // The messages every modeless window treats alike; none for the others.
    std::optional<INT_PTR> OnMessage(ScanUI& ui, HWND window, UINT message, WPARAM first);

  private:
    DialogPosition& position_;  // 0, 0 until the window was first closed
    HWND window_ = nullptr;
};

}  // namespace korva
