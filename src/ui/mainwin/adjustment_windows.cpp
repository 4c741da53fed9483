// The advanced panel and the "Tools" and "Color" windows as the main dialog sees them: opening and
// closing, invert, the scale scroll bar, and keeping every open window in step with the settings.
#include "core/mainwin/scroll_position.h"
#include "core/preview/output_scale.h"
#include "ui/boundary/forwarders.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {

INT_PTR ScanUI::AdvancedWindowProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    return advanced_.Proc(window, message, first, second);
}

INT_PTR ScanUI::ToolsWindowProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    return tools_.Proc(window, message, first, second);
}

INT_PTR ScanUI::ColorWindowProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    return color_.Proc(window, message, first, second);
}

INT_PTR ScanUI::ImageTypeCustomiserProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    return imageTypeCustomiser_.Proc(window, message, first, second);
}

INT_PTR ScanUI::DestinationCustomiserProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    return destinationCustomiser_.Proc(window, message, first, second);
}

bool ScanUI::CustomiseCatalogue(CatalogueKind kind) {
    HWND owner = advanced_.Window() ? advanced_.Window() : mainWindow_;
    return kind == CatalogueKind::kImageTypes
               ? imageTypeCustomiser_.Run(instance_, owner, ImageTypeCustomiserForwarder)
               : destinationCustomiser_.Run(instance_, owner, DestinationCustomiserForwarder);
}

void ScanUI::ToggleAdvancedWindow() {
    if (advanced_.Window() && ::IsWindowVisible(advanced_.Window())) {
        advanced_.Close();
    } else {
        advanced_.Open(instance_, mainWindow_);
    }
}

void ScanUI::CloseToolWindows() {
    tools_.Close();
    color_.Close();
    toneDialog_.Close();
    settingsDialog_.Close();
}

// Invert needs a picture to show its effect; without a preview it stays as it is.
void ScanUI::ToggleInvert() {
    if (previewImage_.Exists()) {
        main_.invert = main_.invert ? 0 : 1;
        MarkChanged();
        RepaintPreview();
    }
    RefreshAdjustmentWindows();
}

void ScanUI::OnParameterChanged() {
    MarkChanged();
    RepaintPreview();
    if (main_.previewWindow) {
        ::UpdateWindow(main_.previewWindow);  // while a thumb is dragged the picture follows it
    }
    advanced_.ShowSummary();
}

void ScanUI::OnScaleScroll(HWND window, int code, int16_t thumb) {
    const ScaleLimits limits = ComputeScaleLimits(SyncPaneSettings());
    ParameterRange range;
    range.minimum = limits.lower;
    range.maximum = limits.upper;
    range.lineStep = 1;
    range.pageStep = 10;
    const int32_t percent = ScrollPosition(code, thumb, settings_.scalePercent, range);
    if (percent == settings_.scalePercent) {
        return;
    }
    SetItemText(window, 142, std::to_string(percent));
    ApplyScaleEntry(window);
    advanced_.ShowSummary();
}

// The next click into the preview picks the colour under the pointer.
void ScanUI::ArmEyedropper(int tool) {
    if (previewImage_.Exists()) {
        pane_.Interaction().pickerMode = static_cast<uint16_t>(tool);
    }
}

void ScanUI::OnPickColour(Point point, uint16_t tool) {
    if (!tools_.OnPicked(tool, point)) {
        color_.OnPicked(tool, point);
    }
}

void ScanUI::RefreshAdjustmentWindows() {
    advanced_.Refresh();
    tools_.ShowValues();
    color_.ShowValues();
}

// Gray balance acts on colour pictures only.
bool ScanUI::GrayBalanceApplies() const {
    const CatalogueRow* row = settings_.imageTypes.CurrentRow();
    const PixelTypeInfo* type =
        row ? FindPixelType(settings_.pixelTypes, row->values[image_type::kPixelType]) : nullptr;
    return type && type->colourClass == ColourClass::kColour;
}

// The output-size and scale fields live in the advanced panel, the width and height in the main dialog.
HWND ScanUI::SizeFieldWindow(int id) const {
    return ::GetDlgItem(mainWindow_, id) || !advanced_.Window() ? mainWindow_ : advanced_.Window();
}

}  // namespace korva
