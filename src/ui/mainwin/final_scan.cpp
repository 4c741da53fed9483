// The final scan of the current marquee.
#include "core/boundary/final_scan.h"

#include "core/preview/pane_geometry.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr int kResolutionField = 372;
constexpr int kResolutionCharacters = 60;

}  // namespace

void ScanUI::RunFinalScan() {
    FinalScanInputs inputs;
    inputs.bed = BedForSource(Context(), settings_.docSource, main_.optionUnit);
    inputs.invert = main_.invert != 0;
    inputs.blackWhite = settings_.darkDocument != 0;
    inputs.resolutionText = ItemText(ActivePage(), kResolutionField, kResolutionCharacters + 1);
    inputs.owner = reinterpret_cast<WindowRef>(mainWindow_);
    SourceContext context = Context();
    Services services = ServicesNow();
    if (korva::RunFinalScan(context, settings_, pane_.Marquees(), inputs, services).cancelled) {
        busy_ = 0;
    }
}

}  // namespace korva
