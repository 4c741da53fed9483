// The focus window (command 350) and the focus run (command 968): "FOCUSPRG" is shown while the data
// source focuses; the position it finds becomes the focus position.
#include <algorithm>

#include "core/boundary/data_source_calls.h"
#include "core/boundary/focus_run.h"
#include "core/preview/image_files.h"
#include "core/settings/image_processing.h"
#include "core/settings/locations.h"
#include "ui/boundary/forwarders.h"
#include "ui/boundary/scan_ui.h"

namespace korva {
namespace {

// "FOCUSPRG" only shows a text; it has nothing to handle.
INT_PTR CALLBACK FocusProgressProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

INT_PTR ScanUI::FocusDialogProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    return focusWindow_.Proc(window, message, first, second);
}

void ScanUI::OpenFocusWindow() {
    settings_.iproc[iproc::kFocus] = FocusTenths();
    focusWindow_.Open(instance_, mainWindow_, FocusDialogForwarder);
}

void ScanUI::ScrollFocusPosition(HWND window, int code, int16_t thumb, HWND scrollBar) {
    OnParameterScroll(window, code, thumb, scrollBar);
}

int32_t ScanUI::FocusTenths() const {
    return ParameterDefault(iproc::kFocus, settings_.focusPosition);
}

void ScanUI::SetFocusTenths(int32_t tenths) {
    const ParameterRange range = ImageProcessingParameter(iproc::kFocus, DeviceLevel(), settings_.focusPosition);
    settings_.iproc[iproc::kFocus] = std::clamp(tenths, range.minimum, range.maximum);
    settings_.focusPosition = static_cast<float>(settings_.iproc[iproc::kFocus]) / 10.0f;
}

void ScanUI::SetToolWindow(HWND window) {
    lastToolWindow_ = window;
}

void ScanUI::RunFocus() {
    if (busy_) {
        return;
    }
    busy_ = 1;
    SourceContext context = Context();
    const Rect selection = pane_.View().currentRect;
    const ScanAreaFields area = SaveScanArea(context);
    main_.previewInProgress = 1;
    SyncPaneSettings();
    if (PrepareFocusRun(context, settings_, pane_.View(), pane_.Marquees().Current(), pane_.Settings(),
                        pane_.Zoom().fullPreviewShown, main_.fullPreviewRequested != 0)) {
        HWND progress = ::CreateDialogParamA(instance_, "FOCUSPRG", mainWindow_, FocusProgressProc, 0);
        if (progress) {
            ::ShowWindow(progress, SW_SHOW);
            ::UpdateWindow(progress);
        }
        if (focusImage_.Exists()) {
            LockedDib image(focusImage_);
            WriteFocusImageFile(services_.files,
                                ImageFilePath(services_.profile, WindowsDirectory(services_.system),
                                              settings_.locations.iniPath, kFocusImageFile),
                                image.Bytes());
        }
        focusImage_.Adopt(reinterpret_cast<HGLOBAL>(
            CallDataSource(services_.libraries, settings_.locations.dataSourcePath, kEntryPreviewScan)));
        if (progress) {
            ::DestroyWindow(progress);
        }
        Services services = ServicesNow();
        if (const std::optional<int32_t> tenths =
                TakeFocusRunResult(context, settings_, services, reinterpret_cast<WindowRef>(mainWindow_))) {
            focusWindow_.ShowResult(*tenths);
        }
    }
    main_.previewInProgress = 0;
    RestoreScanArea(context, area);
    pane_.View().currentRect = selection;
    busy_ = 0;
}

}  // namespace korva
