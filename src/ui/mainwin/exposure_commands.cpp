// Automatic exposure over the selection on the preview, and the Photo page's button for it.
#include "core/settings/image_settings.h"
#include "core/tone/selection_exposure.h"
#include "ui/boundary/scan_ui.h"

namespace korva {

void ScanUI::AutoExposeSelection() {
    if (!previewImage_.Exists()) {
        return;
    }
    LockedDib image(previewImage_);
    SelectionExposure request;
    request.preview = image.Bytes();
    request.selection = pane_.View().currentRect;
    request.docSource = settings_.docSource;
    request.optionUnit = main_.optionUnit;
    if (ExposeSelection(settings_, request)) {
        RepaintPreview();
    }
}

void ScanUI::OnAutoExposure() {
    AutoExposeSelection();
    main_.exposurePending = 0;
    if (!(settings_.tabFlag == 1 && settings_.colorMatchActive)) {
        Services services = ServicesNow();
        WriteExposureValues(settings_, services);
    }
}

}  // namespace korva
