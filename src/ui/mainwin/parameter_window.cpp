#include "ui/mainwin/parameter_window.h"

#include "core/mainwin/scroll_position.h"
#include "core/mainwin/tool_windows.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"
#include "ui/preview/global_dib.h"

namespace korva {
namespace {

constexpr int kValueCharacters = 12;

}  // namespace

void ParameterWindow::Open(HINSTANCE instance, HWND owner, DLGPROC forwarder) {
    frame_.Open(instance, owner, templateName_, forwarder);
}

INT_PTR ParameterWindow::Proc(HWND window, UINT message, WPARAM first, LPARAM second) {
    if (const std::optional<INT_PTR> common = frame_.OnMessage(ui_, window, message, first)) {
        return *common;
    }
    switch (message) {
        case WM_INITDIALOG:
            frame_.Attach(ui_, window);
            SetRanges();
            ShowValues();
            return TRUE;
        case WM_COMMAND: {
            const int id = LOWORD(first);
            for (const Eyedropper& eyedropper : eyedroppers_) {
                if (id == eyedropper.button) {
                    ui_.ArmEyedropper(id);
                    return TRUE;
                }
            }
            if (id == IDCANCEL || id == IDOK) {
                if (id == IDOK) {
                    OnValueField(::GetDlgCtrlID(::GetFocus()));  // Enter applies the field being typed
                } else {
                    Close();
                }
            } else if (HIWORD(first) == EN_KILLFOCUS) {
                OnValueField(id);
            }
            return TRUE;
        }
        case WM_HSCROLL:
            OnScroll(LOWORD(first), static_cast<int16_t>(HIWORD(first)), reinterpret_cast<HWND>(second));
            return TRUE;
        case WM_DRAWITEM:
            OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(second));
            return TRUE;
        default:
            return FALSE;
    }
}

void ParameterWindow::SetRanges() {
    for (int k : parameters_) {
        const ParameterRange range = ImageProcessingParameter(k, ui_.DeviceLevel(), ui_.settings_.focusPosition);
        ::SetScrollRange(::GetDlgItem(Window(), range.controlId), SB_CTL, range.minimum, range.maximum, FALSE);
    }
}

void ParameterWindow::ShowValues() {
    if (!Window()) {
        return;
    }
    const int32_t level = ui_.DeviceLevel();
    for (int k : parameters_) {
        const ParameterRange range = ImageProcessingParameter(k, level, ui_.settings_.focusPosition);
        HWND bar = ::GetDlgItem(Window(), range.controlId);
        if (::GetScrollPos(bar, SB_CTL) != ui_.settings_.iproc[k]) {
            ::SetScrollPos(bar, SB_CTL, ui_.settings_.iproc[k], TRUE);
        }
        SetItemTextIfChanged(Window(), range.controlId + 1,
                             ParameterValueText(range.controlId + 1, ui_.settings_.iproc[k]));
        const bool enabled = range.available && (k != iproc::kGrayBalance || ui_.GrayBalanceApplies());
        EnableItem(Window(), range.controlId, enabled);
        EnableItem(Window(), range.controlId + 1, enabled);
    }
}

// A typed value: a number is clamped to the range and applied; anything else is refused with a beep
// and the field shows the value in force again.
void ParameterWindow::OnValueField(int fieldId) {
    if (!Window()) {
        return;  // the field lost the focus because the window is being destroyed
    }
    for (int k : parameters_) {
        const ParameterRange range = ImageProcessingParameter(k, ui_.DeviceLevel(), ui_.settings_.focusPosition);
        if (range.controlId + 1 != fieldId) {
            continue;
        }
        int32_t& value = ui_.settings_.iproc[k];
        const std::optional<int32_t> typed = TypedParameterValue(ItemText(Window(), fieldId, kValueCharacters), range);
        if (!typed) {
            ui_.services_.messages.Beep();
        }
        const bool changed = typed && *typed != value;
        if (typed) {
            value = *typed;
        }
        SetItemTextIfChanged(Window(), fieldId, ParameterValueText(fieldId, value));
        ::SetScrollPos(::GetDlgItem(Window(), range.controlId), SB_CTL, value, TRUE);
        if (changed) {
            LinkExposureAndHighlight(ui_.settings_.iproc, k, ui_.DeviceLevel(), ui_.settings_.focusPosition);
            ui_.OnParameterChanged();
        }
        return;
    }
}

void ParameterWindow::OnScroll(int code, int16_t thumb, HWND scrollBar) {
    if (!scrollBar) {
        return;
    }
    const int barId = ::GetDlgCtrlID(scrollBar);
    for (int k : parameters_) {
        const ParameterRange range = ImageProcessingParameter(k, ui_.DeviceLevel(), ui_.settings_.focusPosition);
        if (range.controlId != barId) {
            continue;
        }
        int32_t& value = ui_.settings_.iproc[k];
        const int32_t position = ScrollPosition(code, thumb, value, range);
        ::SetScrollPos(scrollBar, SB_CTL, position, TRUE);
        SetItemTextIfChanged(Window(), barId + 1, ParameterValueText(barId + 1, position));
        if (position != value) {
            value = position;
            LinkExposureAndHighlight(ui_.settings_.iproc, k, ui_.DeviceLevel(), ui_.settings_.focusPosition);
            ui_.OnParameterChanged();
        }
        return;
    }
}

bool ParameterWindow::OnPicked(uint16_t tool, Point point) {
    for (size_t i = 0; i < eyedroppers_.size(); ++i) {
        const Eyedropper& eyedropper = eyedroppers_[i];
        if (eyedropper.button != tool) {
            continue;
        }
        std::optional<Rgb> colour;
        {
            LockedDib preview(ui_.previewImage_);
            colour = AverageSquare(preview.Bytes(), point.x, point.y, ui_.settings_.eyedrop);
        }
        if (!colour || !ApplyPickedColour(ui_.settings_, eyedropper.target, *colour, ui_.DeviceLevel())) {
            ui_.services_.messages.Beep();
            return true;
        }
        picked_[i] = *colour;
        ui_.OnParameterChanged();
        if (Window()) {
            ::InvalidateRect(::GetDlgItem(Window(), eyedropper.swatch), nullptr, FALSE);
        }
        return true;
    }
    return false;
}

// The swatches show each picked colour as the picture shows it: through the tables in force.
void ParameterWindow::OnDrawItem(const DRAWITEMSTRUCT* item) {
    for (size_t i = 0; i < eyedroppers_.size(); ++i) {
        if (static_cast<int>(item->CtlID) == eyedroppers_[i].swatch) {
            const Rgb shown = ThroughTables(picked_[i], ui_.toneTables_.displayTables);
            ui_.DrawSwatch(item->hDC, eyedroppers_[i].swatch, RGB(shown.red, shown.green, shown.blue),
                           item->rcItem.right - 3, item->rcItem.bottom - 3);
            return;
        }
    }
    ui_.DrawItem(Window(), item);
}

}  // namespace korva
