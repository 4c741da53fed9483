#include "ui/boundary/scan_ui.h"

#include "ui/boundary/module_state.h"

namespace korva {

ScanUI::ScanUI(HINSTANCE instance) : instance_(instance), services_(instance) {}

ScanUI::~ScanUI() = default;

SourceContext ScanUI::Context() const {
    return SourceContext(Module().context);
}

BOOL ScanUI::HideMain() {
    return mainWindow_ ? ::ShowWindow(mainWindow_, SW_HIDE) : FALSE;
}

void ScanUI::DestroyWindows() {
    if (altWindow_) {
        ::SetDlgItemTextA(altWindow_, 737, "0");
        ::DestroyWindow(altWindow_);
        altWindow_ = nullptr;
        altProc_ = nullptr;
    }
    FreeBuffers();
    if (mainWindow_) {
        ::DestroyWindow(mainWindow_);
    }
    mainProc_ = nullptr;
    mainWindow_ = nullptr;
}

void ScanUI::FreeBuffers() {}

bool ScanUI::RouteDialogMessage(MSG* message) {
    if (HandleModuleKey(*message)) {
        return true;
    }
    bool handled = false;
    for (HWND window : {mainWindow_, altWindow_, lastToolWindow_}) {
        if (window && ::IsWindow(window) && ::IsDialogMessageA(window, message)) {
            handled = true;
        }
    }
    return handled;
}

}  // namespace korva
