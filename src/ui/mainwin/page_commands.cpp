// The commands of the tab pages' controls: resolution, document sizes, line-art options, threshold,
// quality, colour choice, unsharp mask, the picture buttons and the parameter scroll bars.
#include <algorithm>
#include <string>

#include "core/mainwin/document_sizes.h"
#include "core/mainwin/ocr_options.h"
#include "core/mainwin/resolution_entry.h"
#include "core/mainwin/scroll_position.h"
#include "core/settings/image_settings.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr UINT kMsgSettingsChanged = WM_USER + 100;
constexpr int kResolutionField = 372;
constexpr int kResolutionCharacters = 10;
constexpr int kQualityList = 425;
constexpr int kThresholdBar = 250;
constexpr int kThresholdField = 251;
constexpr int kBlackWhitePhoto = 991;

}  // namespace

void ScanUI::OnResolutionField(HWND page, int code) {
    TabPageSettings& tab = ActiveTab();
    int32_t resolution = 0;
    if (code == CBN_KILLFOCUS) {
        const std::string text = ItemText(page, kResolutionField, kResolutionCharacters + 1);
        const std::optional<TypedResolution> typed = ResolveTypedResolution(
            text, settings_.resolutions.texts, settings_.resolutions.minimum, settings_.resolutions.maxOptical);
        if (!typed) {
            SetItemText(page, kResolutionField, std::to_string(settings_.scanResolution));
            return;
        }
        resolution = typed->resolution;
        if (typed->rewriteText) {
            SetItemText(page, kResolutionField, std::to_string(resolution));
        }
        if (typed->listIndex) {
            ::SendDlgItemMessageA(page, kResolutionField, CB_SETCURSEL, static_cast<WPARAM>(*typed->listIndex), 0);
            tab.resList = static_cast<int32_t>(*typed->listIndex);
        }
    } else if (code == CBN_SELCHANGE) {
        const LRESULT index = ::SendDlgItemMessageA(page, kResolutionField, CB_GETCURSEL, 0, 0);
        if (index < 0 || index >= static_cast<LRESULT>(settings_.resolutions.texts.size())) {
            return;
        }
        tab.resList = static_cast<int32_t>(index);
        resolution = std::atoi(settings_.resolutions.texts[static_cast<size_t>(index)].c_str());
    } else {
        return;
    }
    tab.resolution = resolution;
    settings_.scanResolution = resolution;
    settings_.aboveOpticalResolution = resolution > settings_.resolutions.maxOptical;
    ApplyScaleEntry(mainWindow_);
    changed_ = 1;
    RefreshSizeDisplay();
    const LockFlags locks = settings_.locks;
    settings_.locks = LockFlags{};
    RefreshSizeDisplay();
    settings_.locks = locks;
}

void ScanUI::OnDocumentSize(int id) {
    const std::optional<DocumentSize> size = FindDocumentSize(id);
    if (!size) {
        return;
    }
    ActiveTab().paperSize = id;
    settings_.scalePercent = 100;
    if (!pane_.Marquees().IsEmpty()) {
        ClearSelection();
    }
    MarkChanged();
    ::PostMessageA(mainWindow_, kMsgSettingsChanged, 0, 0);

    const Rect selection =
        DocumentSizeSelection(id, pane_.View().viewWidth, static_cast<uint32_t>(pane_.View().areaWidth));
    ActiveTab().selectRect = selection;
    if (id == kSizeMax) {
        ClearSelection();
        MarkChanged();
        ::PostMessageA(mainWindow_, kMsgSettingsChanged, 0, 0);
    } else {
        SelectMarquee(selection);
    }
    RepaintPreview();
}

void ScanUI::ApplyOcrOption(HWND page, int32_t option) {
    const OcrOption row = OcrOptionFor(option);
    settings_.blackWhiteOption = option == kOptionAas || option == kOptionTet ? option : kOptionThreshold;
    ::CheckRadioButton(page, kOptionAas, kOptionThreshold, settings_.blackWhiteOption);
    if (kLineArtImageType < settings_.imageTypes.count) {
        auto& values = settings_.imageTypes.rows[kLineArtImageType].values;
        values[image_type::kHalftone] = row.halftone;
        values[image_type::kTextOption] = row.textOption;
    }
    EnableItem(page, kThresholdBar, row.thresholdEnabled);
    EnableItem(page, kThresholdField, row.thresholdEnabled);
    main_.aas = row.aas ? 1 : 0;
    main_.tet = row.tet ? 1 : 0;
}

void ScanUI::OnOcrOption(HWND page, int id) {
    ApplyOcrOption(page, IsItemChecked(page, id) ? id : kOptionThreshold);
    const ParameterRange threshold =
        ImageProcessingParameter(iproc::kThreshold, DeviceLevel(), settings_.focusPosition);
    if (main_.aas || main_.tet) {
        settings_.iproc[iproc::kThreshold] = threshold.defaultValue;
        main_.invert = 0;
    } else {
        BOOL read = FALSE;
        const int value = static_cast<int>(::GetDlgItemInt(page, kThresholdField, &read, TRUE));
        settings_.iproc[iproc::kThreshold] = std::clamp(read ? value : 0, threshold.minimum, threshold.maximum);
    }
    SetItemText(page, kThresholdField, std::to_string(settings_.iproc[iproc::kThreshold]));
    ::SetScrollPos(::GetDlgItem(page, kThresholdBar), SB_CTL, settings_.iproc[iproc::kThreshold], TRUE);
    RepaintPreview();
    changed_ = 1;
}

// A threshold that is not a number is refused with a beep; the field keeps the focus.
void ScanUI::OnThresholdEdit(HWND page) {
    BOOL read = FALSE;
    const int value = static_cast<int>(::GetDlgItemInt(page, kThresholdField, &read, TRUE));
    if (!read) {
        services_.messages.Beep();
        SetItemText(page, kThresholdField, "0");
        ::SetFocus(::GetDlgItem(page, kThresholdField));
        return;
    }
    const ParameterRange range = ImageProcessingParameter(iproc::kThreshold, DeviceLevel(), settings_.focusPosition);
    const int32_t threshold = std::clamp(value, range.minimum, range.maximum);
    SetItemText(page, kThresholdField, std::to_string(threshold));
    if (threshold != settings_.iproc[iproc::kThreshold]) {
        settings_.iproc[iproc::kThreshold] = threshold;
        ::SetScrollPos(::GetDlgItem(page, kThresholdBar), SB_CTL, threshold, TRUE);
        RepaintPreview();
    }
}

void ScanUI::OnQuality(HWND page) {
    const LRESULT selection = ::SendDlgItemMessageA(page, kQualityList, CB_GETCURSEL, 0, 0);
    if (selection < 0) {
        return;
    }
    (page == main_.ocrPage ? main_.ocrQuality : main_.photoQuality) = static_cast<int32_t>(selection);
    if (CatalogueRow* row = CurrentImageTypeRow()) {
        row->values[image_type::kQuality] = static_cast<int32_t>(selection);
    }
    UpdateDarkDocument();
    main_.aas = main_.tet = 0;
    RepaintPreview();
    changed_ = 1;
    RefreshSizeDisplay();
}

void ScanUI::OnColourChoice(HWND page, int id) {
    settings_.colorSelection = id;
    settings_.imageTypes.current = id == kBlackWhitePhoto ? 4 : 1;
    if (const CatalogueRow* row = CurrentImageTypeRow()) {
        main_.tet = row->values[image_type::kTextOption] == 0 ? 1 : 0;
        main_.aas = row->values[image_type::kTextOption] == 1 ? 1 : 0;
    }
    if (main_.tet) {
        settings_.iproc[iproc::kThreshold] = ParameterDefault(iproc::kThreshold, settings_.focusPosition);
        main_.invert = 0;
    }
    UpdateDarkDocument();
    RepaintPreview();
    changed_ = 1;
    ShowResolution(page);
    RefreshSizeDisplay();
    if (settings_.aboveOpticalResolution) {
        ApplyScaleEntry(mainWindow_);
    }
    UpdateColourMatching();
    EnableItem(page, 953, !settings_.colorMatchActive && previewImage_.Exists());
    if (settings_.windows95Icm == 1 && previewImage_.Exists()) {
        ResetImageProcessing({.threshold = true, .invert = true});
        CopyCurrentToneMap(settings_);
    }
}

// The one-press scan: a preview, the location and exposure of the picture on it, then the scan.
void ScanUI::OnAutoScan(HWND page) {
    ::SendMessageA(mainWindow_, WM_COMMAND, MAKEWPARAM(733, BN_CLICKED), 0);
    if (main_.previewFailed || !previewImage_.Exists()) {
        return;
    }
    ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(956, BN_CLICKED), 0);
    if (!settings_.colorMatchActive) {
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(953, BN_CLICKED), 0);
    }
    ::SendMessageA(mainWindow_, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), 0);
}

void ScanUI::OnAutoLocate(HWND page) {
    const PaneSettings& pane = SyncPaneSettings();
    if (pane.outWidthLocked || pane.outHeightLocked || pane.scaleLocked || pane.imageLocked ||
        !previewImage_.Exists()) {
        return;
    }
    if (pane_.Marquees().IsEmpty()) {
        pane_.View().currentRect = Rect{};
    }
    {
        LockedDib image(previewImage_);
        RunPaneActions(pane_.LocatePicture(image.Bytes()));
    }
    CheckSizeChoice(page, kSizeTyped);
    settings_.photo.paperSize = kSizeTyped;
    settings_.photo.selectRect = pane_.View().currentRect;
}

// The scroll bars of the image-processing parameters: the one whose bar sent the request moves.
void ScanUI::OnParameterScroll(HWND window, int code, int16_t thumb, HWND scrollBar) {
    if (!scrollBar) {
        return;
    }
    const int barId = ::GetDlgCtrlID(scrollBar);
    for (int k = 0; k < kImageProcessingParameters; ++k) {
        const ParameterRange range = ImageProcessingParameter(k, DeviceLevel(), settings_.focusPosition);
        if (range.controlId != barId || range.controlId == 0) {
            continue;
        }
        const int32_t position = ScrollPosition(code, thumb, settings_.iproc[k], range);
        settings_.iproc[k] = position;
        ::SetScrollPos(scrollBar, SB_CTL, position, TRUE);
        SetItemText(window, barId + 1, ParameterValueText(barId + 1, position));
        if (k == iproc::kFocus) {
            settings_.focusPosition = static_cast<float>(position) / 10.0f;
        } else if (code == scroll::kEndScroll) {
            RepaintPreview();
        }
        return;
    }
}

}  // namespace korva
