// The width and height fields of the main dialog, the unit combo box and the file-size readout of the
// active tab page, kept consistent with the selection.
#include <algorithm>
#include <string>

#include "core/preview/output_scale.h"
#include "core/preview/selection_size.h"
#include "core/settings/file_size.h"
#include "core/settings/size_display.h"
#include "core/settings/units.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr int kWidthField = 191;
constexpr int kHeightField = 192;
constexpr int kOutWidthField = 131;
constexpr int kOutHeightField = 136;
constexpr int kUnitCombo = 138;
constexpr int kScaleField = 142;
constexpr int kScaleBar = 141;
constexpr int kFileSize = 120;
constexpr int kResolutionField = 372;
constexpr int kNumberCharacters = 11;
constexpr int kResolutionCharacters = 9;
constexpr int kCommandApplySizeEdit = 1024;
constexpr int kFirstUnitString = 190;

uint32_t BitsPerPixel(const ScanSettings& s) {
    const CatalogueRow* row = s.imageTypes.CurrentRow();
    const PixelTypeInfo* type = row ? FindPixelType(s.pixelTypes, row->values[image_type::kPixelType]) : nullptr;
    return type ? type->bitsPerPixel : 24u;
}

}  // namespace

// The resolution the active page's field shows: the selected entry's text, else the field's text.
int32_t ScanUI::ResolutionFromField() {
    HWND page = ActivePage();
    const LRESULT index = ::SendDlgItemMessageA(page, kResolutionField, CB_GETCURSEL, 0, 0);
    if (index >= 0 && index < static_cast<LRESULT>(settings_.resolutions.texts.size())) {
        return std::atoi(settings_.resolutions.texts[static_cast<size_t>(index)].c_str());
    }
    const int32_t typed = std::atoi(ItemText(page, kResolutionField, kResolutionCharacters + 1).c_str());
    return typed > 0 ? typed : settings_.scanResolution;
}

void ScanUI::RefreshSizeDisplay() {
    PreviewView& view = pane_.View();
    if (view.areaWidth > 0 && view.areaHeight > 0 && view.viewWidth > 0 && view.viewHeight > 0) {
        ComputeSelectionSize(view, pane_.Marquees().Current());
    }
    settings_.sourceWidth = view.selWidth;
    settings_.sourceHeight = view.selHeight;
    settings_.scalePercent = 100;
    if (!settings_.imageTypes.CurrentRow()) {
        return;
    }
    HWND page = ActivePage();
    const std::string shown = ItemText(page, kResolutionField, kResolutionCharacters + 1);
    if (page && (shown.empty() || std::atoi(shown.c_str()) != settings_.scanResolution)) {
        SetItemText(page, kResolutionField, std::to_string(settings_.scanResolution));
    }
    settings_.aboveOpticalResolution = settings_.scanResolution > settings_.resolutions.maxOptical;
    const LRESULT unit = ::SendDlgItemMessageA(mainWindow_, kUnitCombo, CB_GETCURSEL, 0, 0);
    if (unit >= 0) {
        settings_.displayUnit = static_cast<int32_t>(unit);
    }

    SizeDisplayInput input;
    input.selWidth = static_cast<uint32_t>(std::max(view.selWidth, 0));
    input.selHeight = static_cast<uint32_t>(std::max(view.selHeight, 0));
    input.resolution = settings_.scanResolution;
    input.unit = ToUnitKind(settings_.displayUnit);
    input.bitsPerPixel = BitsPerPixel(settings_);
    input.separator = settings_.decimalSeparator;
    input.languageLetter = settings_.languageLetter;
    const SizeDisplay display = ComputeSizeDisplay(input);
    if (!settings_.locks.outWidth) {
        settings_.outWidth = static_cast<uint16_t>(display.outWidth);
    }
    if (!settings_.locks.outHeight) {
        settings_.outHeight = static_cast<uint16_t>(display.outHeight);
    }
    if (main_.updateSizeFields) {
        main_.updateSizeFields = false;  // the fields' change notifications come from the program
        SetItemTextIfChanged(mainWindow_, kWidthField, display.width);
        SetItemTextIfChanged(mainWindow_, kHeightField, display.height);
        if (!settings_.locks.outWidth) {
            SetItemTextIfChanged(SizeFieldWindow(kOutWidthField), kOutWidthField, display.outWidthText);
        }
        if (!settings_.locks.outHeight) {
            SetItemTextIfChanged(SizeFieldWindow(kOutHeightField), kOutHeightField, display.outHeightText);
        }
        main_.updateSizeFields = true;
    }
    SetItemText(page, kFileSize, display.fileSize);
    if (Context().IsAttached()) {
        Context().Set(ctx::typedWidthPixels, 0);
        Context().Set(ctx::typedHeightPixels, 0);
    }
}

void ScanUI::InitUnitCombo(HWND dialog) {
    ::SendDlgItemMessageA(dialog, kUnitCombo, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < 3; ++i) {
        const std::string name = ModuleString(instance_, kFirstUnitString + i);
        ::SendDlgItemMessageA(dialog, kUnitCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    ::SendDlgItemMessageA(dialog, kUnitCombo, CB_SETCURSEL, static_cast<WPARAM>(settings_.displayUnit), 0);
    settings_.locks = LockFlags{};
    RefreshSizeDisplay();
    settings_.locks = settings_.savedLocks;
}

// A typed size is checked at each change: a text that is not a size is refused with a beep and the
// previous text comes back, selected. Returns the control id, or 0 when refused.
int ScanUI::ReformatSizeField(HWND dialog, int control, const std::string& previous, std::string& output) {
    const std::optional<uint32_t> value =
        ParseDisplayNumber(ItemText(dialog, control, kNumberCharacters + 1), settings_.decimalSeparator);
    if (!value) {
        services_.messages.Beep();
        main_.updateSizeFields = false;
        SetItemText(dialog, control, previous);
        main_.updateSizeFields = true;
        ::SendDlgItemMessageA(dialog, control, EM_SETSEL, 0, -1);
        return 0;
    }
    output = FormatDisplayValue(*value, ToUnitKind(settings_.displayUnit), settings_.decimalSeparator);
    return control;
}

void ScanUI::CommitSizeField(HWND dialog, int control, const std::string& previous) {
    const std::optional<uint32_t> value = ParseDisplayNumber(
        ItemText(SizeFieldWindow(control), control, kNumberCharacters + 1), settings_.decimalSeparator);
    if (!value || *value == 0) {
        main_.updateSizeFields = false;
        SetItemText(dialog, control, previous);
        main_.updateSizeFields = true;
        ::SendDlgItemMessageA(dialog, control, EM_SETSEL, 0, -1);
        ::SetFocus(::GetDlgItem(dialog, control));
        return;
    }
    const UnitKind unit = ToUnitKind(settings_.displayUnit);
    main_.updateSizeFields = false;
    SetItemText(dialog, control, FormatDisplayValue(*value, unit, settings_.decimalSeparator));
    main_.updateSizeFields = true;
    settings_.scanResolution = ResolutionFromField();
    const uint32_t pixels = DisplayToPreview(static_cast<SizeField>(control), *value, pane_.View(),
                                             settings_.scalePercent, unit, settings_.scanResolution);
    if (main_.previewWindow) {
        ::SendMessageA(main_.previewWindow, WM_COMMAND, kCommandApplySizeEdit,
                       MAKELPARAM(static_cast<WORD>(pixels), static_cast<WORD>(control)));
    }
}

void ScanUI::ApplySizeFieldEdit(LPARAM argument) {
    const int control = HIWORD(argument);
    const char separator = settings_.decimalSeparator;
    const UnitKind unit =
        ToUnitKind(static_cast<int32_t>(::SendDlgItemMessageA(mainWindow_, kUnitCombo, CB_GETCURSEL, 0, 0)));
    settings_.displayUnit = static_cast<int32_t>(unit);
    const int32_t resolution = ResolutionFromField();
    auto parse = [&](int id) {
        return ParseDisplayNumber(ItemText(SizeFieldWindow(id), id, kNumberCharacters + 1), separator).value_or(0);
    };
    auto show = [&](int id, uint32_t value) {
        main_.updateSizeFields = false;
        SetItemText(SizeFieldWindow(id), id, FormatDisplayValue(std::max<uint32_t>(value, 1), unit, separator));
        main_.updateSizeFields = true;
    };
    const uint32_t value = parse(control);
    const auto scale = static_cast<uint32_t>(std::max(settings_.scalePercent, 1));
    if (settings_.locks.image) {
        const bool width = control == kWidthField;
        const uint32_t output = std::max<uint32_t>(parse(width ? kOutWidthField : kOutHeightField), 1);
        const uint32_t newScale = std::max<uint32_t>(output * 100u / std::max<uint32_t>(value, 1), 1);
        settings_.scalePercent = static_cast<int32_t>(newScale);
        const int other = width ? kHeightField : kWidthField;
        show(other, parse(width ? kOutHeightField : kOutWidthField) * 100u / newScale);
    } else if (control == kOutWidthField || control == kOutHeightField) {
        show(control == kOutWidthField ? kWidthField : kHeightField, value * 100u / scale);
    } else {
        show(control == kWidthField ? kOutWidthField : kOutHeightField, value * scale / 100u);
    }

    const uint32_t widthPixels = DisplayToTransferPixels(parse(kWidthField), unit, resolution);
    const uint32_t heightPixels = DisplayToTransferPixels(parse(kHeightField), unit, resolution);
    Context().Set(ctx::typedWidthPixels, widthPixels / 100u);
    Context().Set(ctx::typedHeightPixels, heightPixels / 100u);
    settings_.scanResolution = resolution;
    const float pixels = static_cast<float>(widthPixels) / 100.0f * static_cast<float>(heightPixels) / 100.0f;
    SetItemText(
        ActivePage(), kFileSize,
        FormatFileSize(EstimateBytesFromPixels(pixels, BitsPerPixel(settings_)), settings_.languageLetter, separator));
}

void ScanUI::ChangeDisplayUnit() {
    settings_.scalePercent = 100;
    const int32_t resolution = ResolutionFromField();
    const char separator = settings_.decimalSeparator;
    const UnitKind oldUnit = ToUnitKind(settings_.displayUnit);
    auto parse = [&](int id) {
        return ParseDisplayNumber(ItemText(SizeFieldWindow(id), id, kNumberCharacters + 1), separator).value_or(0);
    };
    const uint32_t width = parse(kWidthField);
    const uint32_t height = parse(kHeightField);
    const LRESULT selected = ::SendDlgItemMessageA(mainWindow_, kUnitCombo, CB_GETCURSEL, 0, 0);
    const UnitKind newUnit = ToUnitKind(static_cast<int32_t>(selected));
    if (selected < 0 || newUnit == oldUnit) {
        return;
    }
    const std::string widthText = FormatDocumentLength(DisplayToDocument(width, oldUnit, resolution), newUnit,
                                                       resolution, PixelRule::kUnitChange, separator);
    const std::string heightText = FormatDocumentLength(DisplayToDocument(height, oldUnit, resolution), newUnit,
                                                        resolution, PixelRule::kUnitChange, separator);
    main_.updateSizeFields = false;
    SetItemText(SizeFieldWindow(kOutWidthField), kOutWidthField, widthText);
    SetItemText(SizeFieldWindow(kOutHeightField), kOutHeightField, heightText);
    SetItemText(mainWindow_, kWidthField, widthText);
    SetItemText(mainWindow_, kHeightField, heightText);
    main_.updateSizeFields = true;
}

// The main dialog has no scale field: the scale it applies is the present one, within the limits the
// resolution allows (a resolution above the device's maximum makes the scale smaller).
void ScanUI::ApplyScaleEntry(HWND dialog) {
    int32_t percent = settings_.scalePercent;
    if (::GetDlgItem(dialog, kScaleField)) {
        const std::optional<uint32_t> value =
            ParseDisplayNumber(ItemText(dialog, kScaleField, kNumberCharacters + 1), settings_.decimalSeparator);
        if (!value) {
            services_.messages.Beep();
            SetItemText(dialog, kScaleField, std::to_string(settings_.scalePercent));
            return;
        }
        percent = static_cast<int32_t>(*value / 100u);
    }
    percent = ClampScale(percent, ComputeScaleLimits(SyncPaneSettings()));
    SetItemText(dialog, kScaleField, std::to_string(percent));
    if (HWND bar = ::GetDlgItem(dialog, kScaleBar)) {
        ::SetScrollPos(bar, SB_CTL, percent, TRUE);
    }
    settings_.scalePercent = percent;
    SyncPaneSettings();
    MarkChanged();
    RefreshSizeDisplay();
}

}  // namespace korva
