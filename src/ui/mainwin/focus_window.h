// The "FOCUS" window: the focus position in tenths (scroll bar 775 with its edit 776), "Set" (965), which
// takes a typed position, and the automatic focus (968), which the main dialog runs and whose result
// shows in 786. Modeless, owned by the main dialog, served by IsDialogMsg while it is the tool window.
#pragma once

#include <windows.h>

#include <cstdint>

namespace korva {

// What the focus window needs of the user-interface object.
class FocusWindowHost {
  public:
    virtual ~FocusWindowHost() = default;
    // The focus position's scroll bar moved: the shared scroll handler of the parameters.
    virtual void ScrollFocusPosition(HWND window, int code, int16_t thumb, HWND scrollBar) = 0;
    // The focus position in tenths, and its new value (clamped to its range by the host).
    virtual int32_t FocusTenths() const = 0;
    virtual void SetFocusTenths(int32_t tenths) = 0;
    // The window IsDialogMsg serves beside the main dialog.
    virtual void SetToolWindow(HWND window) = 0;
    // The picture buttons, drawn like those of every other window of the module.
    virtual void DrawItem(HWND dialog, const DRAWITEMSTRUCT* item) = 0;
};

class FocusWindow {
  public:
    explicit FocusWindow(FocusWindowHost& host) : host_(host) {}
    FocusWindow(const FocusWindow&) = delete;
    FocusWindow& operator=(const FocusWindow&) = delete;

    // Opens the window owned by `owner` at the place it had last in this session, or activates it.
    void Open(HINSTANCE instance, HWND owner, DLGPROC forwarder);
    // The position the focus run found: in 786 and in the position controls.
    void ShowResult(int32_t tenths);

    INT_PTR Proc(HWND window, UINT message, WPARAM first, LPARAM second);

  private:
    void OnInit(HWND window);
    void ShowPosition(int32_t tenths);
    void TakeTypedPosition();
    void OnDestroy();

    FocusWindowHost& host_;
    HWND window_ = nullptr;
    POINT place_{};
    bool placed_ = false;
};

}  // namespace korva
