// The command handler shared by the main dialog and both tab pages, and the flows behind the Preview,
// Scan, Configuration, Help and Close buttons.
#include <algorithm>
#include <string>

#include "core/boundary/data_source_calls.h"
#include "core/mainwin/document_sizes.h"
#include "core/mainwin/ocr_options.h"
#include "core/mainwin/tool_windows.h"
#include "core/preview/image_files.h"
#include "core/preview/pane_ids.h"
#include "core/settings/driver_settings.h"
#include "core/settings/image_settings.h"
#include "core/settings/locations.h"
#include "core/settings/settings_file.h"
#include "ui/boundary/forwarders.h"
#include "ui/boundary/module_state.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"
#include "ui/mainwin/about_box.h"

namespace korva {
namespace {

constexpr int kAboutCommand = 10;
constexpr int kSizeFieldCharacters = 12;
constexpr int kThresholdField = 251;
constexpr int kResolutionField = 372;
constexpr int kQualityList = 425;
constexpr int kUnitCombo = 138;
constexpr int kFocusWindowCommand = 350;
constexpr char kHelpFile[] = "\\LOMTWNS.HLP";
constexpr UINT kHelpForceFile = 9;
constexpr UINT kHelpQuit = 2;

}  // namespace

void ScanUI::HandleCommand(HWND window, int id, int code, HWND) {
    if (ClosesToolWindows(id, code)) {
        CloseToolWindows();
    }
    switch (id) {
        case 354:
            ToggleAdvancedWindow();
            return;
        case 941:
            tools_.Open(instance_, mainWindow_, ToolsWindowForwarder);
            return;
        case 947:
            color_.Open(instance_, mainWindow_, ColorWindowForwarder);
            return;
        case 950:
            ToggleInvert();
            return;
        case 1:
            ScanButton();
            return;
        case 733:
            PreviewButton();
            return;
        case 180:
            OpenConfiguration();
            return;
        case 373:
            OpenHelp();
            return;
        case 1019:
            CloseButton();
            return;
        case 191:
        case 192:
            OnSizeFieldCommand(id, code);
            return;
        case kUnitCombo:
            if (code == CBN_SELCHANGE) {
                ChangeDisplayUnit();
                settings_.displayUnit =
                    static_cast<int32_t>(::SendDlgItemMessageA(mainWindow_, kUnitCombo, CB_GETCURSEL, 0, 0));
            }
            return;
        case 213:
            NextMarquee();
            return;
        case kAboutCommand:
            OpenAboutBox(mainWindow_, "About");
            return;
        case 729:
            ScanAllMarquees();
            return;
        case 944:
            OpenToneDialog();
            return;
        case 196:
            settingsDialog_.Open();
            return;
        case pane::kIdDeleteMarquee:  // the Delete key in the pane
            SyncPaneSettings();
            RunPaneActions(pane_.DeleteMarquee());
            RefreshMarqueeStrip();
            return;
        case pane::kIdDuplicate:
            SyncPaneSettings();
            RunPaneActions(pane_.DuplicateMarquee(::GetKeyState(VK_CONTROL) < 0, ::GetKeyState(VK_MENU) < 0));
            RefreshMarqueeStrip();
            return;
        case pane::kIdWholeArea:
            BackToFullPreview();
            return;
        case pane::kIdZoom:
            ZoomIntoMarquee(ZoomRequest::kScan);
            return;
        case pane::kIdShowZoomAgain:
            ZoomIntoMarquee(ZoomRequest::kShowAgain);
            return;
        case kFocusWindowCommand:
            OpenFocusWindow();
            return;
        case kResolutionField:
            OnResolutionField(window, code);
            return;
        case kSizeA5:
        case kSizeB5:
        case kSizeA4:
        case kSizeCard:
        case kSizeLetter:
        case kSizeMax:
            if (code == BN_CLICKED) {
                OnDocumentSize(id);
            }
            return;
        case kOptionAas:
        case kOptionTet:
        case kOptionThreshold:
            if (code == BN_CLICKED) {
                OnOcrOption(window, id);
            }
            return;
        case kThresholdField:
            if (code == EN_KILLFOCUS) {
                OnThresholdEdit(window);
            }
            return;
        case kQualityList:
            OnQuality(window);
            return;
        case 990:
        case 991:
            if (code == BN_CLICKED) {
                OnColourChoice(window, id);
            }
            return;
        case 1018:
            if (code == BN_CLICKED) {
                settings_.unsharpMask = settings_.unsharpMask == 1 ? 0 : 1;
                RepaintPreview();
            }
            return;
        case 182:
            if (code == BN_CLICKED) {
                OnAutoScan(window);
            }
            return;
        case 953:
            if (code == BN_CLICKED) {
                OnAutoExposure();
            }
            return;
        case 956:
            if (code == BN_CLICKED) {
                OnAutoLocate(window);
            }
            return;
        default:
            return;
    }
}

void ScanUI::SaveDriverSettingsNow() {
    SessionSnapshot session;
    MarqueeList& list = pane_.Marquees();
    if (Marquee* current = list.Current()) {
        current->settings = CaptureSettings();  // what the dialogs show now belongs to the current marquee
    }
    std::vector<Marquee> marquees = MarqueeRecords();
    session.currentMarqueeIndex = list.IndexOfCurrent();
    session.fullPageShown = pane_.Zoom().fullPreviewShown || !previewImage_.Exists();  // no picture, no zoom
    session.previewExists = previewImage_.Exists();
    session.view = pane_.View();
    if (!session.fullPageShown) {
        // Saved as the "Zoom" environment: the current marquee keeps the zoom shown, the image settings
        // the full preview's geometry.
        if (session.currentMarqueeIndex < list.Count()) {
            KeepShownZoom(marquees[static_cast<size_t>(session.currentMarqueeIndex)], shownZoom_);
        }
        session.view = fullView_;
    }
    session.marquees = marquees;
    Services services = ServicesNow();
    SaveDriverSettings(settings_, services, session);
}

void ScanUI::PreviewButton() {
    SaveDriverSettingsNow();
    main_.fullPreviewRequested = 1;
    pane_.Zoom().fullPreviewShown = true;
    settings_.scalePercent = 100;
    ClearSelection();
    previewImage_.Reset();
    ComputePaneGeometry();
    ApplyScaleEntry(mainWindow_);

    main_.previewInProgress = 1;
    UpdateDarkDocument();
    EnableItem(mainWindow_, 1, false);
    SourceContext context = Context();
    context.Set(ctx::focusTenths, static_cast<int32_t>(settings_.focusPosition * 10.0f + 0.5f));
    if (settings_.docSource == 0 || (settings_.docSource <= 2 && main_.optionUnit == 0)) {
        settings_.channelGamma = {1.0f, 1.0f, 1.0f};
        settings_.channelOffset = {};
    }
    context.Set(ctx::previewStarted, 1);
    context.Set(ctx::focusMode, 0);

    main_.previewFailed = RunPreviewScan() ? 0 : 1;
    if (main_.previewFailed) {
        main_.previewInProgress = 0;
        if (main_.lastPreviewSource == settings_.docSource && ReadPreviewFile()) {
            Services services = ServicesNow();
            LoadImageSettings(settings_, pane_.View(), services, pane_.View().viewWidth, pane_.View().viewHeight);
            if (settings_.tabFlag == 1 || settings_.colorMatchActive) {
                ResetImageProcessing({.threshold = true, .invert = true});
                CopyCurrentToneMap(settings_);
            }
            if (settings_.tabFlag == 1 && main_.aas) {
                pane_.View().currentRect = Rect{};
                AutoExposeSelection();
            }
        }
        RestoreTabSelection();
        if (settings_.tabFlag == 0) {
            // A picture reloaded from the last run is not what the device shows now: nothing to locate or expose.
            EnableItem(main_.photoPage, 956, false);
            EnableItem(main_.photoPage, 953, false);
            if (settings_.docSource != 0) {
                EnableItem(main_.photoPage, 182, false);
            }
        }
        EnableItem(mainWindow_, 1, true);
        ::SetActiveWindow(mainWindow_);
        return;
    }

    if (settings_.docSource >= 1 && main_.optionUnit == 1 && !settings_.colorMatchActive) {
        AutoExposeSelection();
    }
    if (settings_.docSource == 0 || main_.optionUnit != 0) {
        RefreshSizeDisplay();
    }
    ResetImageProcessing({.threshold = false, .invert = true});
    CopyCurrentToneMap(settings_);
    if (main_.ocrPage) {
        SetItemText(main_.ocrPage, kThresholdField, std::to_string(settings_.iproc[iproc::kThreshold]));
        ::SetScrollPos(::GetDlgItem(main_.ocrPage, 250), SB_CTL, settings_.iproc[iproc::kThreshold], TRUE);
    }
    settings_.ocr.selectRect = settings_.photo.selectRect = pane_.View().currentRect;
    main_.lastPreviewSource = settings_.docSource;
    WriteInt(services_.profile, settings_.locations.iniPath, "Settings", "LastPreview", main_.lastPreviewSource);
    for (HWND page : {main_.ocrPage, main_.photoPage}) {
        CheckSizeChoice(page, kSizeMax);
    }
    settings_.ocr.paperSize = settings_.photo.paperSize = kSizeMax;
    EnableItem(mainWindow_, 1, true);
    if (settings_.tabFlag == 0) {
        EnablePhotoPictureButtons();
    }
    ::InvalidateRect(mainWindow_, nullptr, FALSE);
    if (settings_.tabFlag == 0 && !settings_.colorMatchActive) {
        OnAutoExposure();
    } else {
        if (settings_.tabFlag == 1 && main_.aas) {
            AutoExposeSelection();
        }
        RepaintPreview();
        main_.exposurePending = 1;
    }
    WriteInt(services_.profile, settings_.locations.iniPath, "ImageSetting", "IprocValue4",
             settings_.iproc[iproc::kThreshold]);
    ::SetActiveWindow(mainWindow_);
}

void ScanUI::ScanButton() {
    busy_ = 1;
    Context().Set(ctx::focusTenths, static_cast<int32_t>(settings_.focusPosition * 10.0f + 0.5f));
    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    if (previewImage_.Exists()) {
        SaveDriverSettingsNow();
    } else {
        const int32_t threshold = settings_.iproc[iproc::kThreshold];
        ResetImageProcessing({.threshold = true, .invert = true});
        settings_.iproc[iproc::kThreshold] = threshold;
        settings_.toneMaps.current = 0;
        UpdateDarkDocument();
    }
    settings_.environmentSaveInhibited = true;

    int pendingField = 0;
    if (main_.pendingScale) {
        ApplyScaleEntry(SizeFieldWindow(142));
        main_.pendingScale = 0;
        pendingField = -1;
    } else if (main_.pendingOutSize) {
        pendingField = main_.pendingOutSize;
    } else if (main_.pendingSize) {
        pendingField = main_.pendingSize;
    }
    if (pendingField != 0) {
        if (pendingField > 0) {
            HWND holder = SizeFieldWindow(pendingField);
            CommitSizeField(holder, pendingField, main_.sizeTextBefore);
            ::SetFocus(::GetDlgItem(holder, pendingField));
        }
        main_.pendingSize = main_.pendingOutSize = 0;
        changed_ = 1;
        ::SetCursor(previous);
        busy_ = 0;
        return;
    }
    Context().Set(ctx::batchActive, 0);
    RunFinalScan();
    ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    busy_ = 0;
}

void ScanUI::CloseButton() {
    main_.closing = 1;
    CallDataSource(services_.libraries, settings_.locations.dataSourcePath, kEntryCloseScan);
    SaveDriverSettingsNow();
}

void ScanUI::CloseFromSystemMenu() {
    if (main_.aas || main_.tet) {
        BOOL read = FALSE;
        const int value = static_cast<int>(::GetDlgItemInt(main_.ocrPage, kThresholdField, &read, TRUE));
        if (read) {
            const ParameterRange range =
                ImageProcessingParameter(iproc::kThreshold, DeviceLevel(), settings_.focusPosition);
            settings_.iproc[iproc::kThreshold] = std::clamp(value, range.minimum, range.maximum);
        }
    }
    ::SetFocus(::GetDlgItem(mainWindow_, 1));
    settings_.environmentSaveInhibited = false;
    RememberWindowPosition();
    SaveDriverSettingsNow();
    if (settings_.saveValues != 1) {
        if (main_.lastPreviewSource != settings_.docSource) {
            const std::string windows = WindowsDirectory(services_.system);
            for (const char* file : {kPreviewImageFile, kZoomImageFile}) {
                services_.files.Delete(ImageFilePath(services_.profile, windows, settings_.locations.iniPath, file));
            }
        }
        ::WinHelpA(mainWindow_, nullptr, kHelpQuit, 0);
    }
    CallDataSource(services_.libraries, settings_.locations.dataSourcePath, kEntryCloseScan);
}

void ScanUI::OpenConfiguration() {
    const char* name = HasSrgbColourManagement(services_.system.Version()) ? "Config98" : "Config";
    ::DialogBoxParamA(instance_, name, mainWindow_, ConfigDialogForwarder, 0);
    RepaintPreview();
    if (previewImage_.Exists()) {
        ::SetActiveWindow(mainWindow_);
    }
}

void ScanUI::OpenHelp() {
    const std::string path = WindowsDirectory(services_.system) + kDriverFolder + kHelpFile;
    ::WinHelpA(mainWindow_, path.c_str(), kHelpForceFile, 0);
}

// The width and height fields: the text before an edit is kept, each change is checked, and leaving
// a changed field commits the typed size to the selection.
void ScanUI::OnSizeFieldCommand(int id, int code) {
    switch (code) {
        case EN_SETFOCUS:
            main_.sizeTextBefore = ItemText(mainWindow_, id, kSizeFieldCharacters + 1);
            return;
        case EN_CHANGE: {
            if (!main_.updateSizeFields || ::GetFocus() != ::GetDlgItem(mainWindow_, id)) {
                return;  // the program wrote the field
            }
            RunPaneActions(pane_.EraseRubberBand());
            std::string canonical;
            if (ReformatSizeField(mainWindow_, id, main_.sizeTextBefore, canonical) != 0) {
                main_.pendingSize = id;
            }
            return;
        }
        case EN_KILLFOCUS:
            if (main_.pendingSize == id &&
                ItemText(mainWindow_, id, kSizeFieldCharacters + 1) != main_.sizeTextBefore) {
                CommitTypedSize(id);
            }
            return;
        default:
            return;
    }
}

void ScanUI::CommitTypedSize(int id) {
    changed_ = 1;
    CheckSizeChoice(ActivePage(), kSizeTyped);
    ActiveTab().paperSize = kSizeTyped;
    settings_.scalePercent = 100;
    CommitSizeField(mainWindow_, id, main_.sizeTextBefore);
    settings_.scanResolution = ActiveTab().resolution;
    RefreshSizeDisplay();
    main_.pendingSize = 0;
    const Rect& selection = pane_.View().currentRect;
    if (main_.previewWindow) {
        ::SendMessageA(main_.previewWindow, WM_LBUTTONUP, static_cast<WPARAM>(-1),
                       MAKELPARAM(selection.right, selection.bottom));
    }
    if (pane_.Marquees().IsEmpty() && !selection.IsEmpty() && !pane_.Marquees().Add(selection, CaptureSettings())) {
        ReportMarqueeNotAdded();
    }
}

}  // namespace korva
