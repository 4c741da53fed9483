// The status line of the main dialog (1030): what the control under the mouse does.
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr int kStatusLine = 1030;

}  // namespace

void ScanUI::ShowHint(int hintString) {
    if (hintString == main_.hint || !mainWindow_) {
        return;
    }
    main_.hint = hintString;
    SetItemText(mainWindow_, kStatusLine, ModuleString(instance_, hintString));
}

}  // namespace korva
