// The About box: the product picture with the version written into its lower right corner. It closes on
// any click and on OK or Cancel.
#pragma once

#include <windows.h>

namespace korva {

// The dialog procedure of the "Splash" and "About" templates.
INT_PTR CALLBACK AboutProc(HWND box, UINT message, WPARAM first, LPARAM second);

// Shows the About box from template `templateName` ("Splash" or "About") as a modal dialog over `owner`.
void OpenAboutBox(HWND owner, const char* templateName);

}  // namespace korva
