// The module-wide variables: one set per loaded module, touched only from the user-interface thread.
#pragma once

#include <windows.h>

#include <cstdint>

namespace korva {

class ScanUI;

struct ModuleState {
    HINSTANCE instance = nullptr;     // recorded at process attach; every resource is loaded with it
    HWND rememberedParent = nullptr;  // parent of the ActivateDialog call that built the current ScanUI
    uint8_t* context = nullptr;       // the SourceContext of the latest ActivateDialog call
    int32_t active = 0;               // 1 from ActivateDialog until DeleteDialog
    ScanUI* scanUI = nullptr;
    HWND mainWindow = nullptr;
};

ModuleState& Module();

}  // namespace korva
