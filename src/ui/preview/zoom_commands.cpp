// Zoom into the current marquee (186), show the last zoom again (789) and back to the whole scanning area
// (184): the pane takes the new view's size, the main dialog grows to enclose it, and the zoom picture is
// kept in the driver folder so that the same zoom can be shown again without scanning.
#include <algorithm>

#include "core/boundary/data_source_calls.h"
#include "core/boundary/preview_request.h"
#include "core/preview/image_files.h"
#include "core/preview/pane_geometry.h"
#include "core/preview/zoom_view.h"
#include "core/settings/settings_file.h"
#include "core/settings/settings_paths.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr int kPlaceholder = 190;
constexpr int kAdvancedButton = 354;
constexpr int kTabFrame = 157;
constexpr char kZoomEnvironmentName[] = "Zoom";

Rect ToRect(const RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

void ScanUI::RefreshMarqueeStrip() {
    SyncPaneSettings();
    RunPaneActions(pane_.RefreshStrip(previewImage_.Exists()));
}

// The pane is made again at the size of the view now shown (its box turns for a landscape view).
void ScanUI::RecreatePreviewWindow() {
    if (main_.previewWindow) {
        ::DestroyWindow(main_.previewWindow);
    }
    FitMainDialogToPane();
    CreatePreviewWindow();
}

// The main dialog follows the pane: it ends half the gap between the left-hand controls and the pane to the
// right of it, and a gap below it. It keeps at least its template's height, so that the size fields and
// the status line under the pane stay in view when the pane is short.
void ScanUI::FitMainDialogToPane() {
    RECT dialog{};
    if (!mainWindow_ || !::GetWindowRect(mainWindow_, &dialog)) {
        return;
    }
    if (dialogTemplateSize_.cx == 0) {
        dialogTemplateSize_ = {dialog.right - dialog.left, dialog.bottom - dialog.top};
    }
    const int frameId = ::GetDlgItem(mainWindow_, kAdvancedButton) ? kAdvancedButton : kTabFrame;
    const DialogSize size =
        MainDialogSizeForPane(pane_.View(), ToRect(dialog), ToRect(ItemScreenRect(mainWindow_, kPlaceholder)),
                              ToRect(ItemScreenRect(mainWindow_, frameId)));
    ::SetWindowPos(mainWindow_, nullptr, 0, 0, size.width, std::max<LONG>(size.height, dialogTemplateSize_.cy),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ScanUI::RestoreMainDialogSize() {
    if (mainWindow_ && dialogTemplateSize_.cx != 0) {
        ::SetWindowPos(mainWindow_, nullptr, 0, 0, dialogTemplateSize_.cx, dialogTemplateSize_.cy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void ScanUI::ZoomIntoMarquee(ZoomRequest request) {
    MarqueeList& list = pane_.Marquees();
    SyncPaneSettings();
    if (busy_ || !previewImage_.Exists() || !pane_.Zoom().fullPreviewShown || list.Current() == nullptr) {
        return;
    }
    if (request == ZoomRequest::kScan) {
        list.RecordZoom({}, {});  // a new zoom is always scanned
    }
    const std::optional<ZoomView> zoom = ComputeZoomView(pane_.View(), *list.Current(), pane_.Settings());
    if (!zoom) {
        return;
    }
    const bool cacheHolds =
        request != ZoomRequest::kScan && list.Current()->fullTenths == pane_.Zoom().lastZoomMarquee.fullTenths;
    if (request == ZoomRequest::kRestore && !cacheHolds) {
        return;
    }
    fullView_ = pane_.View();
    shownZoom_ = zoom->record;
    EnterZoomView(pane_.View(), list, *zoom);
    pane_.Zoom().fullPreviewShown = false;
    main_.previewInProgress = 1;
    RecreatePreviewWindow();

    if (!cacheHolds || !ReadImageIntoPreview(kZoomImageFile)) {
        HGLOBAL block = nullptr;
        SourceContext context = Context();
        context.Set(ctx::previewStarted, 1);
        context.Set(ctx::focusMode, 0);
        const ZoomRecord& z = zoom->record;
        const PreviewRequestArea area{z.resolution, z.scale, z.areaLeft, z.areaTop, z.scannedWidth, z.scannedHeight};
        if (request != ZoomRequest::kRestore && WritePreviewRequest(context, settings_, area)) {
            block = reinterpret_cast<HGLOBAL>(
                CallDataSource(services_.libraries, settings_.locations.dataSourcePath, kEntryPreviewScan));
        }
        AdoptPreviewImage(block);
        if (const Marquee* source = list.ZoomSource(); source && block) {
            pane_.Zoom().lastZoomMarquee = *source;
            WritePreviewImageTo(kZoomImageFile);
        }
    }
    main_.previewInProgress = 0;
    if (!previewImage_.Exists()) {
        BackToFullPreview();  // no zoom picture: the full preview comes back
        return;
    }
    RepaintPreview();
    RefreshMarqueeStrip();
}

void ScanUI::BackToFullPreview() {
    if (busy_ || pane_.Zoom().fullPreviewShown) {
        return;
    }
    SyncPaneSettings();
    const BedSize bed = BedForSource(Context(), settings_.docSource, main_.optionUnit);
    pane_.Zoom().fullPreviewShown = true;
    main_.previewChoice = LeaveZoomView(pane_.View(), pane_.Marquees(), bed, pane_.Settings());
    RecreatePreviewWindow();
    ReadPreviewFile();
    RepaintPreview();
    RefreshMarqueeStrip();
}

// A run that closed while zoomed shows the same zoom again from its picture, without scanning.
void ScanUI::RestoreZoomEnvironment() {
    const Marquee* current = pane_.Marquees().Current();
    if (settings_.saveValues != 1 || current == nullptr || !previewImage_.Exists()) {
        return;
    }
    const std::optional<std::string> name =
        ReadSettingsName(services_.files, EnvironmentPath(settings_, services_.system));
    if (name && *name == kZoomEnvironmentName && IsUsableZoomRecord(current->zoom)) {
        pane_.Zoom().lastZoomMarquee = *current;
        ZoomIntoMarquee(ZoomRequest::kRestore);
    }
}

}  // namespace korva
