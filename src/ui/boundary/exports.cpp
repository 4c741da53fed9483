// The module's exports. Everything else happens inside the one ScanUI object.
#include <new>

#include "korva/scanui.h"
#include "ui/boundary/module_state.h"
#include "ui/boundary/scan_ui.h"

using korva::Module;
using korva::ScanUI;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        Module().instance = instance;
    }
    return TRUE;
}

extern "C" HWND WINAPI ActivateDialog(HWND parent, void* context) {
    auto& module = Module();
    if (!module.scanUI || parent != module.rememberedParent) {
        // An earlier object for another parent is not destroyed here; its windows stay.
        auto* ui = new (std::nothrow) ScanUI(module.instance);
        if (!ui) {
            return nullptr;
        }
        module.rememberedParent = parent;
        module.scanUI = ui;
    }
    module.context = static_cast<uint8_t*>(context);
    module.active = 1;
    if (!module.scanUI->Activate(parent)) {
        return nullptr;
    }
    return module.mainWindow;
}

extern "C" BOOL WINAPI IsDialogMsg(MSG* message) {
    auto& module = Module();
    if (module.active == 0 || !module.scanUI || !message) {
        return FALSE;
    }
    return module.scanUI->RouteDialogMessage(message) ? TRUE : FALSE;
}

extern "C" BOOL WINAPI HideDialog(void) {
    auto& module = Module();
    return module.scanUI ? module.scanUI->HideMain() : FALSE;
}

extern "C" void WINAPI DeleteDialog(void) {
    auto& module = Module();
    if (!module.scanUI) {
        module.active = 0;
        return;
    }
    module.scanUI->DestroyWindows();
    if (module.active == 1) {
        delete module.scanUI;
        module.scanUI = nullptr;
        module.rememberedParent = nullptr;
        module.mainWindow = nullptr;
    }
    module.active = 0;
}

extern "C" void WINAPI PostProcess(DWORD, DWORD) {}
