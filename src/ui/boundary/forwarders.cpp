#include "ui/boundary/forwarders.h"

#include "ui/boundary/module_state.h"
#include "ui/boundary/scan_ui.h"

namespace korva {

INT_PTR CALLBACK MainDialogForwarder(HWND window, UINT message, WPARAM first, LPARAM second) {
    ScanUI* ui = Module().scanUI;
    return ui ? ui->MainDialogProc(window, message, first, second) : FALSE;
}

INT_PTR CALLBACK AltMainDialogForwarder(HWND window, UINT message, WPARAM first, LPARAM second) {
    ScanUI* ui = Module().scanUI;
    return ui ? ui->AltMainDialogProc(window, message, first, second) : FALSE;
}

}  // namespace korva
