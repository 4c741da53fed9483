// The alternative main dialog. Its templates are not among the resources, so it never opens; should a
// data source carry them, the dialog closes like the main one.
#include "ui/boundary/scan_ui.h"

namespace korva {

INT_PTR ScanUI::AltMainDialogProc(HWND window, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            altWindow_ = window;
            return TRUE;
        case WM_CLOSE:
            ::DestroyWindow(window);
            return TRUE;
        case WM_DESTROY:
            altWindow_ = nullptr;
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace korva
