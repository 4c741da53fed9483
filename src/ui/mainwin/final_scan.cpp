// The final scan of the current marquee.
#include "core/boundary/data_source_calls.h"
#include "ui/boundary/scan_ui.h"

namespace korva {

void ScanUI::RunFinalScan() {
    CallDataSource(services_.libraries, settings_.locations.dataSourcePath, kEntryFinalScan);
}

}  // namespace korva
