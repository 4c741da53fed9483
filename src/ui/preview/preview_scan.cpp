// The full preview scan: the pane shows the whole bed again, the data source scans it, and the picture
// is kept in the driver folder.
#include "core/boundary/data_source_calls.h"
#include "ui/boundary/scan_ui.h"

namespace korva {

bool ScanUI::RunPreviewScan() {
    ComputePaneGeometry();
    PlacePreviewWindow(false);
    const intptr_t block = CallDataSource(services_.libraries, settings_.locations.dataSourcePath, kEntryPreviewScan);
    AdoptPreviewImage(reinterpret_cast<HGLOBAL>(block));
    WritePreviewFile();
    main_.fullPreviewRequested = 0;
    pane_.Zoom().fullPreviewShown = true;
    main_.previewInProgress = 0;
    RepaintPreview();
    return previewImage_.Exists();
}

}  // namespace korva
