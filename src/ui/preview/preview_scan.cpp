// The full preview scan: the pane shows the whole bed again, the data source scans it, and the picture
// is kept in the driver folder.
#include "core/boundary/data_source_calls.h"
#include "core/boundary/preview_request.h"
#include "ui/boundary/scan_ui.h"

namespace korva {

bool ScanUI::RunPreviewScan() {
    RestoreMainDialogSize();  // the pane's room is measured on the dialog as its template made it
    ComputePaneGeometry();
    PlacePreviewWindow(false);
    pane_.Zoom().lastZoomMarquee = Marquee{};  // the kept zoom belongs to the previous preview
    HGLOBAL block = nullptr;
    if (main_.previewChoice) {
        SourceContext context = Context();
        const PreviewRequestArea area =
            RequestAreaFor(*main_.previewChoice, pane_.View().areaLeft, pane_.View().areaTop);
        if (WritePreviewRequest(context, settings_, area)) {
            block = reinterpret_cast<HGLOBAL>(
                CallDataSource(services_.libraries, settings_.locations.dataSourcePath, kEntryPreviewScan));
        }
    }
    AdoptPreviewImage(block);
    WritePreviewFile();
    main_.fullPreviewRequested = 0;
    pane_.Zoom().fullPreviewShown = true;
    main_.previewInProgress = 0;
    RepaintPreview();
    RefreshMarqueeStrip();
    return previewImage_.Exists();
}

}  // namespace korva
