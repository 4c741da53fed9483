// The one user-interface object: every window, buffer and setting of the user interface. Its dialog
// and window procedures are member operations reached through the fixed forwarders.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/boundary/source_context.h"
#include "core/settings/scan_settings.h"
#include "platform/win32/win32_services.h"
#include "ui/boundary/scan_ui_base.h"
#include "ui/mainwin/gdi_objects.h"

namespace korva {

class ScanUI final : public ScanUIBase {
  public:
    explicit ScanUI(HINSTANCE instance);
    ~ScanUI() override;

    void MarkChanged() override { changed_ = 1; }

    // Lifecycle (the exports call these).
    bool Activate(HWND parent);
    BOOL HideMain();
    void DestroyWindows();
    void FreeBuffers();
    bool RouteDialogMessage(MSG* message);

    // Member procedures behind the forwarders.
    INT_PTR MainDialogProc(HWND window, UINT message, WPARAM first, LPARAM second);
    INT_PTR AltMainDialogProc(HWND window, UINT message, WPARAM first, LPARAM second);

    HWND MainWindow() const { return mainWindow_; }

    // Owner-drawn pictures: every dialog procedure of the module passes its WM_DRAWITEM here.
    void DrawItem(HWND dialog, const DRAWITEMSTRUCT* item);
    // Draws a colour swatch with a bevel into the rectangle (0, 0, width + 3, height + 3) of `dc`; with no
    // device context, into control `controlId` of the Tools window (232, 233) or the Color window (433).
    void DrawSwatch(HDC dc, int controlId, COLORREF colour, int width, int height);

  private:
    SourceContext Context() const;
    bool CreateMainDialog(HWND parent);
    void DrawTabCaptions(HWND dialog);
    HFONT CaptionFontHandle();

    HINSTANCE instance_;
    Win32Services services_;

    // Windows and the procedure slots in which their forwarders are installed while they exist.
    HWND mainWindow_ = nullptr;
    DLGPROC mainProc_ = nullptr;
    HWND altWindow_ = nullptr;
    DLGPROC altProc_ = nullptr;
    HWND lastToolWindow_ = nullptr;  // the tool window that IsDialogMsg serves
    HWND toolsWindow_ = nullptr;     // the "Tools" adjustment window while it is open
    HWND colorWindow_ = nullptr;     // the "Color" adjustment window while it is open

    ScanSettings settings_;
    OwnedFont captionFont_;  // the tab captions' font, made on first use

    int32_t useAltProc_ = 0;
    int32_t busy_ = 0;
    int32_t changed_ = 0;
};

}  // namespace korva
