// The Tone Correction window as one of the module's tool windows: opened by command 944, served by
// IsDialogMsg while it is the last active tool window, its marks drawn like every owner-drawn picture.
#include "ui/boundary/forwarders.h"
#include "ui/boundary/scan_ui.h"

namespace korva {
namespace {

constexpr int kShadowMark = 612;
constexpr int kHighlightMark = 616;

}  // namespace

void ScanUI::OpenToneDialog() {
    if (HWND window = toneDialog_.Open(mainWindow_, ToneDialogForwarder)) {
        lastToolWindow_ = window;
    }
}

// The pane renders the changed tone map at once, so the picture follows a drag.
void ScanUI::RedrawForDialog() {
    RepaintPreview();
    if (main_.previewWindow) {
        ::UpdateWindow(main_.previewWindow);
    }
}

INT_PTR ScanUI::ToneDialogProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(first) != WA_INACTIVE) {
                lastToolWindow_ = window;
            }
            break;
        case WM_DESTROY:
            if (lastToolWindow_ == window) {
                lastToolWindow_ = nullptr;
            }
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(second);
            if (item && (item->CtlID == kShadowMark || item->CtlID == kHighlightMark)) {
                DrawItem(window, item);
                return TRUE;
            }
            break;
        }
        default:
            break;
    }
    return toneDialog_.DialogProc(window, message, first, second);
}

}  // namespace korva
