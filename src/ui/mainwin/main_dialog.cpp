// Activation of the main dialog and its procedure.
#include "core/boundary/main_templates.h"
#include "ui/boundary/forwarders.h"
#include "ui/boundary/module_state.h"
#include "ui/boundary/scan_ui.h"
#include "ui/mainwin/about_box.h"

namespace korva {
namespace {

// The About item of the system menu, and the command that opens the larger About box.
constexpr WPARAM kAboutCommand = 10;

}  // namespace

bool ScanUI::CreateMainDialog(HWND parent) {
    useAltProc_ = 0;
    while (!mainProc_) {
        mainProc_ = useAltProc_ ? AltMainDialogForwarder : MainDialogForwarder;
        const char* name =
            useAltProc_ ? "ScanMain0"
                        : ChooseMainTemplates(services_.system.ScreenWidth(), services_.system.CaptionHeight()).main;
        mainWindow_ = ::CreateDialogParamA(instance_, name, parent, mainProc_, 0);
        if (mainWindow_) {
            break;
        }
        mainProc_ = nullptr;
        if (useAltProc_) {
            return false;
        }
        useAltProc_ = 1;
    }
    return true;
}

bool ScanUI::Activate(HWND parent) {
    if (!CreateMainDialog(parent)) {
        return false;
    }
    Module().mainWindow = mainWindow_;
    ::ShowWindow(mainWindow_, SW_SHOW);
    ::UpdateWindow(mainWindow_);
    return true;
}

INT_PTR ScanUI::MainDialogProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_INITDIALOG:
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(first) == kAboutCommand) {
                OpenAboutBox(window, "About");
                return TRUE;
            }
            return LOWORD(first) == IDCANCEL ? TRUE : FALSE;
        case WM_SYSCOMMAND:
            if (first == kAboutCommand) {
                OpenAboutBox(window, "Splash");
                return TRUE;
            }
            return FALSE;
        case WM_DRAWITEM:
            DrawItem(window, reinterpret_cast<const DRAWITEMSTRUCT*>(second));
            return TRUE;
        case WM_CLOSE:
            ::DestroyWindow(window);
            return TRUE;
        case WM_DESTROY:
            if (window == mainWindow_) {
                mainWindow_ = nullptr;
                mainProc_ = nullptr;
            }
            return TRUE;
        default:
            return FALSE;
    }
}

// The alternative main dialog's templates are not among the resources, so it never opens; should a
// data source carry them, the dialog closes like the main one.
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
