// The full preview: the request to the data source and the preview image file in the driver folder.
#include "core/boundary/data_source_calls.h"
#include "core/preview/image_files.h"
#include "core/preview/packed_dib.h"
#include "core/settings/locations.h"
#include "ui/boundary/scan_ui.h"

namespace korva {

namespace {

std::string DriverImagePath(Win32Services& services, const ScanSettings& settings, const char* file) {
    return ImageFilePath(services.profile, WindowsDirectory(services.system), settings.locations.iniPath, file);
}

}  // namespace

void ScanUI::AdoptPreviewImage(HGLOBAL block) {
    previewImage_.Adopt(block);
    std::optional<DibLayout> layout;
    if (block) {
        LockedDib image(previewImage_);
        layout = ParsePreviewDib(image.Bytes());
    }
    if (!layout) {
        // A block that holds no picture the module can show counts as no preview: nothing is drawn
        // from it and the preview file is not replaced by it.
        previewImage_.Reset();
        block = nullptr;
    }
    Context().Set(ctx::previewFileState, static_cast<int32_t>(reinterpret_cast<intptr_t>(block)));
    if (layout) {
        pane_.View().viewWidth = static_cast<uint16_t>(layout->width);
        pane_.View().viewHeight = static_cast<uint16_t>(layout->height);
    }
}

// The last preview, when the file is there and was made on a screen of the present size class.
bool ScanUI::ReadPreviewFile() {
    if (!ReadImageIntoPreview(kPreviewImageFile)) {
        return false;
    }
    FitPaneToPicture();
    return true;
}

bool ScanUI::ReadImageIntoPreview(const char* file) {
    PackedDib slot;
    const ImageReadContext context{services_.profile, settings_.locations.iniPath, services_.system.ScreenWidth()};
    if (!ReadImageFile(services_.files, context, DriverImagePath(services_, settings_, file), slot)) {
        return false;
    }
    GlobalDib copy;
    if (!copy.CopyFrom(slot)) {
        return false;
    }
    HGLOBAL block = copy.Release();
    AdoptPreviewImage(block);
    return true;
}

void ScanUI::WritePreviewFile() {
    WritePreviewImageTo(kPreviewImageFile);
}

void ScanUI::WritePreviewImageTo(const char* file) {
    if (!previewImage_.Exists()) {
        return;
    }
    LockedDib image(previewImage_);
    WriteImageFile(services_.files, DriverImagePath(services_, settings_, file), image.Bytes());
}

}  // namespace korva
