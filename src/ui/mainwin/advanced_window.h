// The modeless "Advanced" window: document source and film, image type, destination, output size and
// its lock, scale, invert, the launchers of the adjustment windows and the summary of the next scan.
#pragma once

#include <windows.h>

#include "core/settings/scan_settings.h"
#include "ui/mainwin/modeless_window.h"

namespace korva {

class ScanUI;

class AdvancedWindow {
  public:
    explicit AdvancedWindow(ScanUI& ui) : ui_(ui), frame_(position_) {}
    AdvancedWindow(const AdvancedWindow&) = delete;
    AdvancedWindow& operator=(const AdvancedWindow&) = delete;

    // Opens the window, or brings it to the front when it is open.
    void Open(HINSTANCE instance, HWND owner);
    void Close() { frame_.Close(); }
    HWND Window() const { return frame_.Window(); }

    // Shows the settings again after they changed elsewhere.
    void Refresh();
    // The summary of what the next scan uses.
    void ShowSummary();

    INT_PTR Proc(HWND window, UINT message, WPARAM first, LPARAM second);

  private:
    void OnInit(HWND window);
    void OnCommand(int id, int code);
    void OnSourceChosen();
    void OnFilmSetUp();
    void OnImageTypeChosen();
    void OnDestinationChosen();
    void OnOutputSizeField(int id, int code);
    void OnLock();
    void OnInvert();
    void OnDrawItem(HWND window, const DRAWITEMSTRUCT* item);
    void EnableFilmSetUp();

    ScanUI& ui_;
    DialogPosition position_;  // where the window was last closed, for this session
    ModelessWindow frame_;
};

}  // namespace korva
