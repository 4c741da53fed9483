#include "ui/mainwin/advanced_window.h"

#include <windowsx.h>

#include "core/mainwin/tool_windows.h"
#include "core/preview/output_scale.h"
#include "core/settings/fixed_text.h"
#include "core/settings/resolution_list.h"
#include "core/settings/settings_summary.h"
#include "ui/boundary/forwarders.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr int kSourceList = 111;
constexpr int kFilmSetUp = 112;
constexpr int kImageTypeList = 113;
constexpr int kCustomiseImageTypes = 114;
constexpr int kDestinationList = 115;
constexpr int kCustomiseDestinations = 116;
constexpr int kOutWidthField = 131;
constexpr int kOutHeightField = 136;
constexpr int kScaleBar = 141;
constexpr int kScaleField = 142;
constexpr int kLock = 197;
constexpr int kInvert = 950;
constexpr int kFocusLauncher = 350;
constexpr int kColorLauncher = 947;
constexpr int kSizeFieldCharacters = 12;
constexpr int kNegativeFilmSource = 1;
constexpr int kPositiveFilmSource = 2;
constexpr int kNegativeFilmText = 1310;
constexpr int kPositiveFilmText = 1311;

// The buttons that open windows of the main dialog: their command goes to it.
constexpr int kLaunchers[] = {941, 944, kColorLauncher, 196, kFocusLauncher};

void FillCatalogueList(HWND window, int id, const Catalogue& catalogue) {
    ::SendDlgItemMessageA(window, id, CB_RESETCONTENT, 0, 0);
    for (int32_t i = 0; i < catalogue.count; ++i) {
        const std::string name = FieldText(catalogue.rows[static_cast<size_t>(i)].name);
        ::SendDlgItemMessageA(window, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    ::SendDlgItemMessageA(window, id, CB_SETCURSEL, static_cast<WPARAM>(catalogue.current), 0);
}

int32_t Selection(HWND window, int id) {
    return static_cast<int32_t>(::SendDlgItemMessageA(window, id, CB_GETCURSEL, 0, 0));
}

}  // namespace

void AdvancedWindow::Open(HINSTANCE instance, HWND owner) {
    frame_.Open(instance, owner, "ADVANCED", AdvancedWindowForwarder);
}

INT_PTR AdvancedWindow::Proc(HWND window, UINT message, WPARAM first, LPARAM second) {
    if (const std::optional<INT_PTR> common = frame_.OnMessage(ui_, window, message, first)) {
        return *common;
    }
    switch (message) {
        case WM_INITDIALOG:
            OnInit(window);
            return TRUE;
        case WM_COMMAND:
            OnCommand(LOWORD(first), HIWORD(first));
            return TRUE;
        case WM_HSCROLL:
            ui_.OnScaleScroll(window, LOWORD(first), static_cast<int16_t>(HIWORD(first)));
            return TRUE;
        case WM_DRAWITEM:
            OnDrawItem(window, reinterpret_cast<const DRAWITEMSTRUCT*>(second));
            return TRUE;
        default:
            return FALSE;
    }
}

void AdvancedWindow::OnInit(HWND window) {
    frame_.Attach(ui_, window);
    ui_.FillSourceList(window);
    FillCatalogueList(window, kImageTypeList, ui_.settings_.imageTypes);
    FillCatalogueList(window, kDestinationList, ui_.settings_.destinations);
    const ScaleLimits limits = ComputeScaleLimits(ui_.SyncPaneSettings());
    ::SetScrollRange(::GetDlgItem(window, kScaleBar), SB_CTL, limits.lower, limits.upper, FALSE);
    const int32_t level = ui_.DeviceLevel();
    EnableItem(window, kColorLauncher, ImageProcessingParameter(iproc::kSaturation, level, 0.0f).available);
    EnableItem(window, kFocusLauncher, ImageProcessingParameter(iproc::kFocus, level, 0.0f).available);
    ui_.RefreshSizeDisplay();
    Refresh();
}

void AdvancedWindow::Refresh() {
    if (!Window()) {
        return;
    }
    const ScanSettings& settings = ui_.settings_;
    ::SendDlgItemMessageA(Window(), kSourceList, CB_SETCURSEL, static_cast<WPARAM>(settings.docSource), 0);
    ::SendDlgItemMessageA(Window(), kImageTypeList, CB_SETCURSEL, static_cast<WPARAM>(settings.imageTypes.current), 0);
    ::SendDlgItemMessageA(Window(), kDestinationList, CB_SETCURSEL, static_cast<WPARAM>(settings.destinations.current),
                          0);
    SetItemTextIfChanged(Window(), kScaleField, std::to_string(settings.scalePercent));
    ::SetScrollPos(::GetDlgItem(Window(), kScaleBar), SB_CTL, settings.scalePercent, TRUE);
    ::InvalidateRect(::GetDlgItem(Window(), kLock), nullptr, FALSE);
    ::InvalidateRect(::GetDlgItem(Window(), kInvert), nullptr, FALSE);
    EnableFilmSetUp();
    ShowSummary();
}

void AdvancedWindow::ShowSummary() {
    if (!Window()) {
        return;
    }
    Win32StringTable strings(ui_.instance_);
    for (const SummaryLine& line :
         SummarizeSettings(ui_.CaptureSettings(), ui_.settings_, ui_.main_.optionUnit, strings)) {
        SetItemTextIfChanged(Window(), line.control, line.text);
    }
}

void AdvancedWindow::OnCommand(int id, int code) {
    if (!Window()) {
        return;  // the fields' last notifications while the window is destroyed
    }
    if (ClosesToolWindows(id, code)) {
        ui_.CloseToolWindows();
    }
    // The picture buttons act on clicks only: a double click must not open, toggle or lock twice.
    for (int launcher : kLaunchers) {
        if (id == launcher) {
            if (code == BN_CLICKED) {
                ::SendMessageA(ui_.mainWindow_, WM_COMMAND, static_cast<WPARAM>(id), 0);
            }
            return;
        }
    }
    switch (id) {
        case IDCANCEL:
            Close();
            return;
        case IDOK:
            // Enter: the field being typed commits as it loses the focus to the default button.
            ::SetFocus(::GetDlgItem(Window(), IDOK));
            return;
        case kSourceList:
            if (code == CBN_SELCHANGE) {
                OnSourceChosen();
            }
            return;
        case kFilmSetUp:
            OnFilmSetUp();
            return;
        case kImageTypeList:
            if (code == CBN_SELCHANGE) {
                OnImageTypeChosen();
            }
            return;
        case kDestinationList:
            if (code == CBN_SELCHANGE) {
                OnDestinationChosen();
            }
            return;
        case kCustomiseImageTypes:
            if (ui_.CustomiseCatalogue(CatalogueKind::kImageTypes)) {
                FillCatalogueList(Window(), kImageTypeList, ui_.settings_.imageTypes);
                OnImageTypeChosen();
            }
            return;
        case kCustomiseDestinations:
            if (ui_.CustomiseCatalogue(CatalogueKind::kDestinations)) {
                FillCatalogueList(Window(), kDestinationList, ui_.settings_.destinations);
                OnDestinationChosen();
            }
            return;
        case kOutWidthField:
        case kOutHeightField:
            OnOutputSizeField(id, code);
            return;
        case kScaleField:
            if (code == EN_CHANGE && ::GetFocus() == ::GetDlgItem(Window(), kScaleField)) {
                ui_.main_.pendingScale = 1;
            } else if (code == EN_KILLFOCUS && ui_.main_.pendingScale) {
                ui_.main_.pendingScale = 0;
                ui_.ApplyScaleEntry(Window());
                ShowSummary();
            }
            return;
        case kLock:
            if (code == BN_CLICKED) {
                OnLock();
            }
            return;
        case kInvert:
            if (code == BN_CLICKED) {
                OnInvert();
            }
            return;
        default:
            return;
    }
}

// The document source of the page in front: the feeder or the film unit instead of the flatbed.
void AdvancedWindow::OnSourceChosen() {
    const int32_t source = Selection(Window(), kSourceList);
    if (source < 0) {
        return;
    }
    ScanSettings& settings = ui_.settings_;
    settings.docSource = source;
    ui_.ActiveTab().feedOption = source;
    ui_.UpdateColourMatching();
    ui_.SyncPaneSettings();
    ui_.MarkChanged();
    EnableFilmSetUp();
    ui_.RefreshSizeDisplay();
    ui_.RepaintPreview();
    ShowSummary();
}

// The film set-up: negative or positive film through the transparency unit; the other kind of film
// becomes the source.
void AdvancedWindow::OnFilmSetUp() {
    const int32_t source = ui_.settings_.docSource == kNegativeFilmSource ? kPositiveFilmSource : kNegativeFilmSource;
    ::SendDlgItemMessageA(Window(), kSourceList, CB_SETCURSEL, static_cast<WPARAM>(source), 0);
    OnSourceChosen();
}

void AdvancedWindow::EnableFilmSetUp() {
    const bool film = ui_.main_.optionUnit == 1 &&
                      ::SendDlgItemMessageA(Window(), kSourceList, CB_GETCOUNT, 0, 0) > kPositiveFilmSource &&
                      ui_.settings_.docSource >= kNegativeFilmSource;
    EnableItem(Window(), kFilmSetUp, film);
    const int text = ui_.settings_.docSource == kPositiveFilmSource ? kPositiveFilmText : kNegativeFilmText;
    SetItemTextIfChanged(Window(), kFilmSetUp, ModuleString(ui_.instance_, text));
}

void AdvancedWindow::OnImageTypeChosen() {
    const int32_t type = Selection(Window(), kImageTypeList);
    if (type < 0) {
        return;
    }
    ui_.settings_.imageTypes.current = type;
    ui_.UpdateDarkDocument();
    ui_.UpdateColourMatching();
    ui_.MarkChanged();
    ui_.ShowResolution(ui_.ActivePage());
    ui_.RefreshSizeDisplay();
    ui_.RepaintPreview();
    ShowSummary();
}

// A destination proposes the sharpness and the resolution of the image.
void AdvancedWindow::OnDestinationChosen() {
    ScanSettings& settings = ui_.settings_;
    const int32_t index = Selection(Window(), kDestinationList);
    const CatalogueRow* destination = settings.destinations.Row(index);
    const CatalogueRow* type = ui_.CurrentImageTypeRow();
    const PixelTypeInfo* pixels =
        type ? FindPixelType(settings.pixelTypes, type->values[image_type::kPixelType]) : nullptr;
    if (!destination || !pixels) {
        return;
    }
    settings.destinations.current = index;
    Win32StringTable strings(ui_.instance_);
    const DestinationChoice choice = ChooseDestination(*destination, *pixels, settings.resolutions, strings);
    settings.iproc[iproc::kSharpness] = choice.sharpness;
    settings.scanResolution = choice.resolution;
    ui_.ActiveTab().resolution = choice.resolution;
    HWND page = ui_.ActivePage();
    if (choice.listIndex) {
        ui_.ActiveTab().resList = static_cast<int32_t>(*choice.listIndex);
        ::SendDlgItemMessageA(page, 372, CB_SETCURSEL, *choice.listIndex, 0);
    } else {
        SetItemText(page, 372, std::to_string(choice.resolution));
    }
    ui_.MarkChanged();
    ui_.RefreshSizeDisplay();
    ShowSummary();
}

// The output size: each change is checked as in the width and height fields, and leaving a changed
// field applies it to the selection.
void AdvancedWindow::OnOutputSizeField(int id, int code) {
    MainWindowState& main = ui_.main_;
    switch (code) {
        case EN_SETFOCUS:
            main.sizeTextBefore = ItemText(Window(), id, kSizeFieldCharacters + 1);
            return;
        case EN_CHANGE: {
            if (!main.updateSizeFields || ::GetFocus() != ::GetDlgItem(Window(), id)) {
                return;
            }
            std::string canonical;
            if (ui_.ReformatSizeField(Window(), id, main.sizeTextBefore, canonical) != 0) {
                main.pendingOutSize = id;
            }
            return;
        }
        case EN_KILLFOCUS:
            if (main.pendingOutSize == id && ItemText(Window(), id, kSizeFieldCharacters + 1) != main.sizeTextBefore) {
                main.pendingOutSize = 0;
                ui_.changed_ = 1;
                ui_.CommitSizeField(Window(), id, main.sizeTextBefore);
                ShowSummary();
            }
            return;
        default:
            return;
    }
}

// The lock keeps the proportions of the output size when one side is typed.
void AdvancedWindow::OnLock() {
    LockFlags& locks = ui_.settings_.locks;
    locks.image = locks.image == 1 ? 0 : 1;
    ui_.settings_.savedLocks.image = locks.image;
    ui_.SyncPaneSettings();
    ui_.MarkChanged();
    ::InvalidateRect(::GetDlgItem(Window(), kLock), nullptr, FALSE);
    ShowSummary();
}

void AdvancedWindow::OnInvert() {
    ::SendMessageA(ui_.mainWindow_, WM_COMMAND, static_cast<WPARAM>(kInvert), 0);
    ::InvalidateRect(::GetDlgItem(Window(), kInvert), nullptr, FALSE);
    ShowSummary();
}

// The invert button stays pressed while the image is inverted; the lock shows its state by itself.
void AdvancedWindow::OnDrawItem(HWND window, const DRAWITEMSTRUCT* item) {
    if (item && static_cast<int>(item->CtlID) == kInvert && ui_.main_.invert != 0) {
        DRAWITEMSTRUCT pressed = *item;
        pressed.itemState |= ODS_SELECTED;
        ui_.DrawItem(window, &pressed);
        return;
    }
    ui_.DrawItem(window, item);
}

}  // namespace korva
