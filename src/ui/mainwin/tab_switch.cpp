// Switching between the OCR and Photo pages by a click on their labels or by the page keys.
#include "core/mainwin/document_sizes.h"
#include "core/mainwin/ocr_options.h"
#include "core/mainwin/tab_layout.h"
#include "core/settings/image_settings.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr UINT kMsgSettingsChanged = WM_USER + 100;
constexpr int kResolutionField = 372;
constexpr int kQualityList = 425;
constexpr int kThresholdBar = 250;
constexpr int kThresholdField = 251;

Rect ToRect(const RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

void ScanUI::SwitchTab(POINT screenPoint) {
    const TabHit hit = HitTabLabel(ToRect(ItemScreenRect(mainWindow_, 154)), ToRect(ItemScreenRect(mainWindow_, 155)),
                                   ToRect(ItemScreenRect(mainWindow_, 157)), Point{screenPoint.x, screenPoint.y});
    if (hit == TabHit::kNone) {
        return;
    }
    SelectTab(hit == TabHit::kOcr ? 1 : 0);
}

// A click on a label and the page keys both come here: choosing the active page does nothing.
void ScanUI::SelectTab(int32_t ocr) {
    if (ocr != settings_.tabFlag) {
        SwitchTo(ocr);
    }
}

void ScanUI::SwitchTo(int32_t ocr) {
    const bool preview = previewImage_.Exists();
    const int32_t leavingSource = settings_.docSource;
    if (preview && !pane_.Marquees().IsEmpty()) {
        ActiveTab().selectRect = pane_.View().currentRect;
    }
    if (preview && (!ocr || !settings_.colorMatchActive)) {
        Services services = ServicesNow();
        SaveImageSettings(settings_, pane_.View(), true, services);
    }
    ClearSelection();

    HWND leaving = ActivePage();
    ::SetFocus(::GetDlgItem(mainWindow_, 1));
    ::ShowWindow(main_.ocrPage, SW_HIDE);
    ::ShowWindow(main_.photoPage, SW_HIDE);
    settings_.tabFlag = ocr;
    UpdateTabLabels();
    HWND page = ActivePage();
    ::ShowWindow(page, SW_SHOW);
    ::EnableWindow(leaving, FALSE);
    ::EnableWindow(page, TRUE);
    ::InvalidateRect(page, nullptr, TRUE);
    for (int label : {154, 155, 157}) {
        ::InvalidateRect(::GetDlgItem(mainWindow_, label), nullptr, TRUE);
    }

    settings_.imageTypes.current = ocr ? kLineArtImageType : (settings_.colorSelection == 991 ? 4 : 1);
    // The pages carry no source list: a page's source reads as the list's first entry.
    settings_.docSource = 0;
    TabPageSettings& tab = ActiveTab();
    tab.feedOption = 0;

    if (tab.resList != -1 && tab.resList < static_cast<int32_t>(settings_.resolutions.texts.size())) {
        ::SendDlgItemMessageA(page, kResolutionField, CB_SETCURSEL, tab.resList, 0);
        tab.resolution = std::atoi(settings_.resolutions.texts[static_cast<size_t>(tab.resList)].c_str());
    }
    SetItemText(page, kResolutionField, std::to_string(tab.resolution));
    settings_.scanResolution = tab.resolution;
    const LRESULT quality = ::SendDlgItemMessageA(page, kQualityList, CB_GETCURSEL, 0, 0);
    (ocr ? main_.ocrQuality : main_.photoQuality) = static_cast<int32_t>(quality);

    if (const std::optional<DocumentSize> size = FindDocumentSize(tab.paperSize)) {
        SetItemText(mainWindow_, 191, size->width);
        SetItemText(mainWindow_, 192, size->height);
    }

    if (ocr) {
        ::CheckRadioButton(page, kOptionAas, kOptionThreshold, settings_.blackWhiteOption);
        const OcrOption option = OcrOptionFor(settings_.blackWhiteOption);
        EnableItem(page, kThresholdBar, option.thresholdEnabled);
        EnableItem(page, kThresholdField, option.thresholdEnabled);
        main_.aas = option.aas ? 1 : 0;
        main_.tet = option.tet ? 1 : 0;
    }

    UpdateDarkDocument();
    RepaintPreview();
    changed_ = 1;
    ShowResolution(page);
    RefreshSizeDisplay();
    if (settings_.scanResolution > settings_.resolutions.maxOptical) {
        ApplyScaleEntry(mainWindow_);
    }
    ::SetFocus(::GetDlgItem(mainWindow_, 1));

    UpdateColourMatching();
    if (!ocr) {
        EnableItem(page, 953, !settings_.colorMatchActive);
    }

    Services services = ServicesNow();
    if (settings_.ocr.feedOption == settings_.photo.feedOption) {
        if (main_.lastPreviewSource == settings_.docSource && !settings_.colorMatchActive && !ocr &&
            ReadPreviewFile()) {
            LoadImageSettings(settings_, pane_.View(), services, pane_.View().viewWidth, pane_.View().viewHeight);
        }
    } else if (leavingSource != settings_.docSource) {
        previewImage_.Reset();
        Context().Set(ctx::previewFileState, 0);
        if (main_.lastPreviewSource == settings_.docSource && ReadPreviewFile()) {
            LoadImageSettings(settings_, pane_.View(), services, pane_.View().viewWidth, pane_.View().viewHeight);
        }
    }

    if (!ocr && !settings_.colorMatchActive) {
        if (main_.exposurePending && settings_.photo.selectRect.IsEmpty()) {
            pane_.View().currentRect = Rect{};
            OnAutoExposure();
        }
        main_.exposurePending = 0;
    } else {
        ResetImageProcessing({.threshold = true, .invert = true});
        CopyCurrentToneMap(settings_);
        if (main_.aas) {
            pane_.View().currentRect = Rect{};
            AutoExposeSelection();
        }
    }
    if (!ocr) {
        EnablePhotoPictureButtons();
    }
    RestoreTabSelection();
    RefreshSizeDisplay();
    ::InvalidateRect(mainWindow_, nullptr, FALSE);
}

// The active tab's saved selection and size choice come back; without a preview the whole document.
void ScanUI::RestoreTabSelection() {
    HWND page = ActivePage();
    TabPageSettings& tab = ActiveTab();
    if (!previewImage_.Exists()) {
        pane_.View().currentRect = Rect{};
        CheckSizeChoice(page, kSizeMax);
        tab.paperSize = kSizeMax;
        return;
    }
    CheckSizeChoice(page, tab.paperSize);
    if (!tab.selectRect.IsEmpty()) {
        SelectMarquee(tab.selectRect);
    }
    MarkChanged();
    ::PostMessageA(mainWindow_, kMsgSettingsChanged, 0, 0);
}

}  // namespace korva
