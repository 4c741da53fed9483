#include "ui/boundary/scan_ui_base.h"

#include <windows.h>

#include "ui/boundary/module_state.h"

namespace korva {

ScanUIBase::~ScanUIBase() {
    if (previewClassRegistered_) {
        ::UnregisterClassA("PREVIEW", Module().instance);
    }
}

}  // namespace korva
