// The configuration dialog: keeping the preview and the settings, automatic preview, colour matching.
#include <windowsx.h>

#include "core/settings/icm_option.h"
#include "core/settings/image_settings.h"
#include "core/settings/settings_capture.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr int kSaveValuesBox = 346;
constexpr int kAutoPreviewBox = 998;
constexpr int kIcmBox = 349;
constexpr int kPreviewSizeList = 741;
constexpr int kEyedropList = 744;
constexpr int kResetParameters = 10;
constexpr int kFirstPreviewSizeString = 230;
constexpr int kFirstEyedropString = 233;
constexpr int32_t kPreviewSizeButtonBase = 738;

}  // namespace

INT_PTR ScanUI::ConfigDialogProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_INITDIALOG:
            OnConfigInit(window);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(first)) {
                case kSaveValuesBox:
                    settings_.saveValues = settings_.saveValues == 1 ? 0 : 1;
                    CheckItem(window, kSaveValuesBox, settings_.saveValues == 1);
                    return TRUE;
                case kAutoPreviewBox:
                    settings_.autoPreview = IsItemChecked(window, kAutoPreviewBox) ? 1 : 0;
                    return TRUE;
                case kIcmBox:
                    settings_.windows95Icm = IsItemChecked(window, kIcmBox) ? 1 : 0;
                    if (main_.configSrgbMode) {
                        settings_.icmProfile = settings_.windows95Icm;
                    }
                    return TRUE;
                case kPreviewSizeList:
                    if (HIWORD(first) == CBN_SELCHANGE) {
                        settings_.previewSizeButton =
                            kPreviewSizeButtonBase +
                            static_cast<int32_t>(::SendDlgItemMessageA(window, kPreviewSizeList, CB_GETCURSEL, 0, 0));
                    }
                    return TRUE;
                case kEyedropList:
                    if (HIWORD(first) == CBN_SELCHANGE) {
                        const LRESULT item = ::SendDlgItemMessageA(window, kEyedropList, CB_GETCURSEL, 0, 0);
                        settings_.eyedrop = std::atoi(ModuleString(instance_, kFirstEyedropString + item).c_str());
                    }
                    return TRUE;
                case kResetParameters:
                    ResetImageProcessing({});
                    RepaintPreview();
                    return TRUE;
                case IDOK:
                    OnConfigOk(window);
                    return TRUE;
                case IDCANCEL:
                    OnConfigCancel(window);
                    return TRUE;
                default:
                    return FALSE;
            }
        case WM_LBUTTONDOWN:
            ::SendDlgItemMessageA(window, kPreviewSizeList, CB_SHOWDROPDOWN, FALSE, 0);
            return TRUE;
        case WM_DRAWITEM:
            DrawItem(window, reinterpret_cast<const DRAWITEMSTRUCT*>(second));
            return TRUE;
        case WM_CLOSE:
            OnConfigOk(window);  // the close box keeps what the user chose
            return TRUE;
        case WM_DESTROY: {
            RECT rect{};
            ::GetWindowRect(window, &rect);
            settings_.positions.configuration = DialogPosition{rect.left, rect.top};
            ::EnableWindow(main_.previewWindow, TRUE);
            main_.configWindow = nullptr;
            return TRUE;
        }
        default:
            return FALSE;
    }
}

void ScanUI::OnConfigInit(HWND window) {
    main_.configWindow = window;
    ::EnableWindow(main_.previewWindow, FALSE);

    HWND sizes = ::GetDlgItem(window, kPreviewSizeList);
    for (int i = 0; i < 3; ++i) {
        const std::string text = ModuleString(instance_, kFirstPreviewSizeString + i);
        ::SendMessageA(sizes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    const int32_t previewSize = settings_.previewSizeButton - kPreviewSizeButtonBase;
    ::SendMessageA(sizes, CB_SETCURSEL, previewSize < 0 ? 1 : previewSize, 0);
    HWND eyedrops = ::GetDlgItem(window, kEyedropList);
    int eyedropItem = 0;
    for (int i = 0; i < 3; ++i) {
        const std::string text = ModuleString(instance_, kFirstEyedropString + i);
        ::SendMessageA(eyedrops, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (eyedropItem == 0 && text.rfind(std::to_string(settings_.eyedrop), 0) == 0) {
            eyedropItem = i;
        }
    }
    ::SendMessageA(eyedrops, CB_SETCURSEL, eyedropItem, 0);

    CheckItem(window, kSaveValuesBox, settings_.saveValues == 1);
    CheckItem(window, kAutoPreviewBox, settings_.autoPreview == 1);
    const IcmBoxState icm = IcmBoxFor(services_.system.Version(), settings_.imageTypes.current, settings_.windows95Icm);
    if (icm.switchOff) {
        settings_.windows95Icm = 0;
    }
    main_.configSrgbMode = icm.srgbMode;
    EnableItem(window, kIcmBox, icm.enabled);
    CheckItem(window, kIcmBox, icm.checked);

    main_.configSaveValues = settings_.saveValues;
    main_.configAutoPreview = settings_.autoPreview;
    main_.configIcm = settings_.windows95Icm;
    main_.configIcmProfile = settings_.icmProfile;
    main_.configPreviewSize = settings_.previewSizeButton;
    main_.configEyedrop = settings_.eyedrop;

    if (!settings_.colorMatchActive) {
        Services services = ServicesNow();
        SaveImageSettings(settings_, pane_.View(), previewImage_.Exists(), services);
    }
    const DialogPosition& position = settings_.positions.configuration;
    if (position.x != 0 && position.y != 0) {
        ::SetWindowPos(window, nullptr, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
}

void ScanUI::OnConfigOk(HWND window) {
    UpdateColourMatching();
    if (previewImage_.Exists()) {
        if (settings_.colorMatchActive) {
            EnableItem(main_.photoPage, 953, false);
            const int32_t flag14 = settings_.processingFlag14;
            ResetImageProcessing({.threshold = true});
            settings_.processingFlag14 = flag14;
            CopyCurrentToneMap(settings_);
            settings_.toneChannelShown = settings_.toneMapInForce.values[tone_map::kSelectedChannelCell];
            settings_.bFit2 = 0;
        } else {
            EnableItem(main_.photoPage, 953, true);
            Services services = ServicesNow();
            const bool photo = settings_.tabFlag == 0;
            if (settings_.autoExposure == 1 && (photo || main_.aas)) {
                // The exposure is taken once from the whole preview, and the switch goes off.
                if (photo) {
                    WriteExposureValues(settings_, services);
                }
                pane_.View().currentRect = Rect{};
                AutoExposeSelection();
                settings_.autoExposure = 0;
                pane_.View().currentRect = ActiveTab().selectRect;
            } else if (photo && settings_.autoExposure != 1) {
                ReadImageProcessingValues(settings_, services);
            }
        }
    }
    ::EndDialog(window, IDOK);
}

void ScanUI::OnConfigCancel(HWND window) {
    settings_.saveValues = main_.configSaveValues;
    settings_.autoPreview = main_.configAutoPreview;
    settings_.windows95Icm = main_.configIcm;
    settings_.icmProfile = main_.configIcmProfile;
    UpdateColourMatching();
    settings_.previewSizeButton = main_.configPreviewSize;
    settings_.eyedrop = main_.configEyedrop;
    ::EndDialog(window, IDCANCEL);
}

}  // namespace korva
