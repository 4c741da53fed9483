// Fixed forwarders: the platform calls dialog and window procedures as plain functions; each passes its
// arguments to the matching member operation of the current ScanUI and returns its result.
#pragma once

#include <windows.h>

namespace korva {

INT_PTR CALLBACK MainDialogForwarder(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR CALLBACK AltMainDialogForwarder(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR CALLBACK OcrPageForwarder(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR CALLBACK PhotoPageForwarder(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR CALLBACK ConfigDialogForwarder(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR CALLBACK SettingsDialogForwarder(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR CALLBACK FocusDialogForwarder(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR CALLBACK AdvancedWindowForwarder(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR CALLBACK ToolsWindowForwarder(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR CALLBACK ColorWindowForwarder(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR CALLBACK ImageTypeCustomiserForwarder(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR CALLBACK DestinationCustomiserForwarder(HWND window, UINT message, WPARAM first, LPARAM second);
LRESULT CALLBACK PreviewWndForwarder(HWND window, UINT message, WPARAM first, LPARAM second);
INT_PTR CALLBACK ToneDialogForwarder(HWND window, UINT message, WPARAM first, LPARAM second);

}  // namespace korva
