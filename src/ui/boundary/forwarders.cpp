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

INT_PTR CALLBACK OcrPageForwarder(HWND window, UINT message, WPARAM first, LPARAM second) {
    ScanUI* ui = Module().scanUI;
    return ui ? ui->OcrPageProc(window, message, first, second) : FALSE;
}

INT_PTR CALLBACK PhotoPageForwarder(HWND window, UINT message, WPARAM first, LPARAM second) {
    ScanUI* ui = Module().scanUI;
    return ui ? ui->PhotoPageProc(window, message, first, second) : FALSE;
}

INT_PTR CALLBACK ConfigDialogForwarder(HWND window, UINT message, WPARAM first, LPARAM second) {
    ScanUI* ui = Module().scanUI;
    return ui ? ui->ConfigDialogProc(window, message, first, second) : FALSE;
}

INT_PTR CALLBACK SettingsDialogForwarder(HWND window, UINT message, WPARAM first, LPARAM second) {
    ScanUI* ui = Module().scanUI;
    return ui ? ui->SettingsDialogProc(window, message, first, second) : FALSE;
}

INT_PTR CALLBACK FocusDialogForwarder(HWND window, UINT message, WPARAM first, LPARAM second) {
    ScanUI* ui = Module().scanUI;
    return ui ? ui->FocusDialogProc(window, message, first, second) : FALSE;
}

INT_PTR CALLBACK AdvancedWindowForwarder(HWND window, UINT message, WPARAM first, LPARAM second) {
    ScanUI* ui = Module().scanUI;
    return ui ? ui->AdvancedWindowProc(window, message, first, second) : FALSE;
}

INT_PTR CALLBACK ToolsWindowForwarder(HWND window, UINT message, WPARAM first, LPARAM second) {
    ScanUI* ui = Module().scanUI;
    return ui ? ui->ToolsWindowProc(window, message, first, second) : FALSE;
}

INT_PTR CALLBACK ColorWindowForwarder(HWND window, UINT message, WPARAM first, LPARAM second) {
    ScanUI* ui = Module().scanUI;
    return ui ? ui->ColorWindowProc(window, message, first, second) : FALSE;
}

INT_PTR CALLBACK ImageTypeCustomiserForwarder(HWND window, UINT message, WPARAM first, LPARAM second) {
    ScanUI* ui = Module().scanUI;
    return ui ? ui->ImageTypeCustomiserProc(window, message, first, second) : FALSE;
}

INT_PTR CALLBACK DestinationCustomiserForwarder(HWND window, UINT message, WPARAM first, LPARAM second) {
    ScanUI* ui = Module().scanUI;
    return ui ? ui->DestinationCustomiserProc(window, message, first, second) : FALSE;
}

LRESULT CALLBACK PreviewWndForwarder(HWND window, UINT message, WPARAM first, LPARAM second) {
    ScanUI* ui = Module().scanUI;
    return ui ? ui->PreviewWndProc(window, message, first, second) : ::DefWindowProcA(window, message, first, second);
}

INT_PTR CALLBACK ToneDialogForwarder(HWND window, UINT message, WPARAM first, LPARAM second) {
    ScanUI* ui = Module().scanUI;
    return ui ? ui->ToneDialogProc(window, message, first, second) : FALSE;
}

}  // namespace korva
