// The OCR and Photo tab pages: their procedures, their initialisation, and the main settings set-up that
// the main dialog runs before them.
#include <algorithm>
#include <string>

#include "core/mainwin/document_sizes.h"
#include "core/mainwin/ocr_options.h"
#include "core/mainwin/resolution_entry.h"
#include "core/preview/preview_resolution.h"
#include "core/settings/catalogue_build.h"
#include "core/settings/image_settings.h"
#include "core/settings/settings_capture.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr int kSourceList = 111;
constexpr int kSourceLabel = 110;
constexpr int kFrontString = 240;
constexpr int kFeederString = 241;
constexpr int kNegativeFilmString = 243;
constexpr int kPositiveFilmString = 244;
constexpr int kFirstQualityString = 225;
constexpr int kQualityCount = 2;
constexpr int kResolutionField = 372;
constexpr int kQualityList = 425;
constexpr int kThresholdBar = 250;
constexpr int kThresholdField = 251;
constexpr int kUnsharpBox = 1018;
constexpr int kColourPhoto = 990;
constexpr int kBlackWhitePhoto = 991;

}  // namespace

INT_PTR ScanUI::OcrPageProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    return PageProc(window, message, first, second, true);
}

INT_PTR ScanUI::PhotoPageProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    return PageProc(window, message, first, second, false);
}

INT_PTR ScanUI::PageProc(HWND window, UINT message, WPARAM first, LPARAM second, bool ocr) {
    switch (message) {
        case WM_INITDIALOG:
            InitPage(window, ocr);
            return TRUE;
        case WM_COMMAND:
            HandleCommand(window, LOWORD(first), HIWORD(first), reinterpret_cast<HWND>(second));
            return TRUE;
        case WM_HSCROLL:
            OnParameterScroll(window, LOWORD(first), static_cast<int16_t>(HIWORD(first)),
                              reinterpret_cast<HWND>(second));
            return TRUE;
        case WM_DRAWITEM:
            DrawItem(window, reinterpret_cast<const DRAWITEMSTRUCT*>(second));
            return TRUE;
        case WM_CREATE:
        case WM_DESTROY:
            return TRUE;
        default:
            return FALSE;
    }
}

HWND ScanUI::ActivePage() const {
    return settings_.tabFlag == 1 ? main_.ocrPage : main_.photoPage;
}

TabPageSettings& ScanUI::ActiveTab() {
    return settings_.tabFlag == 1 ? settings_.ocr : settings_.photo;
}

CatalogueRow* ScanUI::CurrentImageTypeRow() {
    Catalogue& types = settings_.imageTypes;
    if (types.current < 0 || types.current >= types.count || static_cast<size_t>(types.current) >= types.rows.size()) {
        return nullptr;
    }
    return &types.rows[static_cast<size_t>(types.current)];
}

void ScanUI::UpdateDarkDocument() {
    const CatalogueRow* row = CurrentImageTypeRow();
    const PixelTypeInfo* type =
        row ? FindPixelType(settings_.pixelTypes, row->values[image_type::kPixelType]) : nullptr;
    settings_.darkDocument = type && type->bitsPerPixel == 1 ? 1 : 0;
}

void ScanUI::UpdateColourMatching() {
    settings_.colorMatchActive = ColourMatchingInEffect(settings_, main_.optionUnit);
}

void ScanUI::InitPage(HWND page, bool ocr) {
    (ocr ? main_.ocrPage : main_.photoPage) = page;  // the creation has not returned the window yet
    main_.pendingSize = main_.pendingOutSize = main_.pendingScale = 0;
    FillSourceList(page);
    TabPageSettings& tab = ocr ? settings_.ocr : settings_.photo;

    ::SendDlgItemMessageA(page, kResolutionField, CB_RESETCONTENT, 0, 0);
    for (const std::string& text : settings_.resolutions.texts) {
        ::SendDlgItemMessageA(page, kResolutionField, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    ShowResolution(page);
    ::SendDlgItemMessageA(page, kResolutionField, CB_SETCURSEL, ResolutionListIndex(tab.resolution), 0);

    if (settings_.saveValues != 1) {
        if (ocr) {
            settings_.ocr.paperSize = settings_.photo.paperSize = kSizeMax;
            settings_.ocr.feedOption = 0;
            settings_.ocr.resolution = settings_.photo.resolution = 300;
            settings_.ocr.resList = settings_.photo.resList = 7;
            settings_.scanResolution = ActiveTab().resolution;
        } else {
            settings_.photo.paperSize = kSizeMax;
            settings_.photo.feedOption = 0;
            settings_.unsharpMask = 1;
            if (CatalogueRow* colour = settings_.imageTypes.count > 1 ? &settings_.imageTypes.rows[1] : nullptr) {
                colour->values[image_type::kPixelType] = kPixelType24BitColour;
            }
            settings_.colorSelection = kColourPhoto;
        }
    }

    settings_.docSource = tab.feedOption;
    if (tab.resList != -1 && tab.resList < static_cast<int32_t>(settings_.resolutions.texts.size())) {
        ::SendDlgItemMessageA(page, kResolutionField, CB_SETCURSEL, tab.resList, 0);
        tab.resolution = std::atoi(settings_.resolutions.texts[static_cast<size_t>(tab.resList)].c_str());
    }
    SetItemText(page, kResolutionField, std::to_string(tab.resolution));

    ::SendDlgItemMessageA(page, kQualityList, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < kQualityCount; ++i) {
        const std::string text = ModuleString(instance_, kFirstQualityString + i);
        ::SendDlgItemMessageA(page, kQualityList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    const int32_t pageType = ocr ? kLineArtImageType : (settings_.colorSelection == kBlackWhitePhoto ? 4 : 1);
    int32_t quality = 0;
    if (pageType < settings_.imageTypes.count) {
        int32_t& flagA = settings_.imageTypes.rows[static_cast<size_t>(pageType)].values[image_type::kQuality];
        if (settings_.saveValues != 1) {
            flagA = ocr ? (settings_.languageLetter == 'J' ? 1 : 0) : 1;
        }
        quality = std::min(flagA, 2);
    }
    ::SendDlgItemMessageA(page, kQualityList, CB_SETCURSEL, quality, 0);
    (ocr ? main_.ocrQuality : main_.photoQuality) = quality;

    CheckSizeChoice(page, tab.paperSize);
    if (ocr) {
        if (settings_.saveValues != 1) {
            settings_.blackWhiteOption = kOptionThreshold;
        }
        ApplyOcrOption(page, settings_.blackWhiteOption);
        const ParameterRange threshold =
            ImageProcessingParameter(iproc::kThreshold, DeviceLevel(), settings_.focusPosition);
        ::SetScrollRange(::GetDlgItem(page, kThresholdBar), SB_CTL, threshold.minimum, threshold.maximum, FALSE);
        ::SetScrollPos(::GetDlgItem(page, kThresholdBar), SB_CTL, settings_.iproc[iproc::kThreshold], TRUE);
        SetItemText(page, kThresholdField, std::to_string(settings_.iproc[iproc::kThreshold]));
        if (main_.aas || main_.tet) {
            EnableItem(page, kThresholdBar, false);
            EnableItem(page, kThresholdField, false);
        }
    } else {
        CheckItem(page, kUnsharpBox, settings_.unsharpMask == 1);
        EnablePhotoPictureButtons();
        ::CheckRadioButton(page, kColourPhoto, kBlackWhitePhoto, settings_.colorSelection);
        settings_.imageTypes.current = settings_.colorSelection == kBlackWhitePhoto ? 4 : 1;
    }

    const bool cardAllowed = tab.feedOption == 0;
    EnableItem(page, kSizeCard, cardAllowed);
    if (!cardAllowed && tab.paperSize == kSizeCard) {
        tab.paperSize = kSizeMax;
        CheckSizeChoice(page, kSizeMax);
    }
}

void ScanUI::CheckSizeChoice(HWND page, int32_t id) {
    ::CheckRadioButton(page, kSizeA5, kSizeTyped, id);
}

// The picture buttons of the Photo page need a preview (automatic location, automatic exposure without
// colour matching) or the flatbed (the one-press scan).
void ScanUI::EnablePhotoPictureButtons() {
    HWND page = main_.photoPage;
    EnableItem(page, 182, settings_.photo.feedOption == 0);
    EnableItem(page, 956, previewImage_.Exists());
    EnableItem(page, 953, previewImage_.Exists() && !settings_.colorMatchActive);
}

void ScanUI::InitMainSettings(HWND dialog) {
    FillSourceList(dialog);
    settings_.scalePercent = 100;
    Services services = ServicesNow();
    BuildCatalogues(settings_, services, Context());
    changed_ = 1;
    settings_.locks = LockFlags{};
    settings_.savedLocks = LockFlags{};
    previewImage_.Reset();
    if (Context().IsAttached()) {
        Context().Set(ctx::previewFileState, 0);
    }
    settings_.channelGamma = {1.0f, 1.0f, 1.0f};
    settings_.channelOffset = {};
    settings_.channelBalance = {};
    ResetImageProcessing({});
    RegisterPreviewClass();

    if (settings_.saveValues == 1 && !useAltProc_) {
        main_.restorePending = 1;
        if (ReadPreviewFile()) {
            LoadImageSettings(settings_, pane_.View(), services, pane_.View().viewWidth, pane_.View().viewHeight);
        }
        if (settings_.toneMaps.current == settings_.toneMaps.count) {
            settings_.toneMaps.current = 0;
        }
        UpdateDarkDocument();
        if (const CatalogueRow* row = CurrentImageTypeRow(); row && (row->values[image_type::kTextOption] & 2)) {
            main_.invert = 0;
        }
        main_.lastPreviewSource = settings_.docSource;
    }
}

void ScanUI::FillSourceList(HWND dialog) {
    main_.optionUnit = Context().IsAttached() ? static_cast<int32_t>(Context().Get(ctx::optionUnit)) : 2;
    HWND list = ::GetDlgItem(dialog, kSourceList);
    auto add = [&](int string) {
        const std::string text = ModuleString(instance_, string);
        ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    };
    ::SendMessageA(list, CB_RESETCONTENT, 0, 0);
    add(kFrontString);
    if (main_.optionUnit == 2) {
        EnableItem(dialog, kSourceList, false);
        EnableItem(dialog, kSourceLabel, false);
        settings_.docSource = 0;
    } else {
        const int32_t level = static_cast<int32_t>(Context().Get(ctx::level));
        if (main_.optionUnit == 0) {
            add(kFeederString);
        } else if (level > 3 && main_.optionUnit == 1) {
            add(kNegativeFilmString);
            add(kPositiveFilmString);
        } else {
            add(kNegativeFilmString);
        }
    }
    ::SendMessageA(list, CB_SETCURSEL, settings_.docSource, 0);
}

void ScanUI::ResetImageProcessing(ResetKeeps keeps) {
    korva::ResetImageProcessing(settings_, main_.invert, keeps);
}

void ScanUI::ShowResolution(HWND page) {
    int32_t& resolution = settings_.scanResolution;
    if (resolution == 0) {
        const CatalogueRow* destination = settings_.destinations.CurrentRow();
        const CatalogueRow* type = CurrentImageTypeRow();
        const PixelTypeInfo* pixels =
            type ? FindPixelType(settings_.pixelTypes, type->values[image_type::kPixelType]) : nullptr;
        if (destination && pixels) {
            resolution = destination->values[DepthClass(*pixels) == 1 ? destination::kResolutionBelow8Bits
                                                                      : destination::kResolutionFrom8Bits];
        }
    }
    if (resolution < 0) {
        resolution = -resolution;
        SetItemText(page, kResolutionField, std::to_string(resolution));
        return;
    }
    const std::string text = std::to_string(resolution);
    const auto& texts = settings_.resolutions.texts;
    const int32_t index = ResolutionListIndex(resolution);
    if (index >= 0 && index < static_cast<int32_t>(texts.size()) && texts[static_cast<size_t>(index)] == text) {
        ::SendDlgItemMessageA(page, kResolutionField, CB_SETCURSEL, index, 0);
    } else {
        SetItemText(page, kResolutionField, text);
    }
}

int32_t ScanUI::ResolutionListIndex(int32_t resolution) const {
    const std::vector<uint16_t> device =
        Context().IsAttached() ? DeviceResolutions(Context()) : std::vector<uint16_t>{};
    return korva::ResolutionListIndex(device, resolution);
}

}  // namespace korva
